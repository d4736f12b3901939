#include "framework/dialog_units.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

#include <map>

namespace tqr::fw {

namespace {
// Rounds a*b/c to nearest, halves away from zero, as the window system does.
int mul_div(int a, int b, int c)
{
    const long long p = static_cast<long long>(a) * b;
    const long long q = p >= 0 ? (p + c / 2) / c : (p - c / 2) / c;
    return static_cast<int>(q);
}
} // namespace

QFont form_font(const std::string& family, int points)
{
    // Where the system lacks a form's font, Qt takes the metric-compatible
    // one that follows it in the list. Listing the installed families
    // instead would make fontconfig scan every font at start-up.
    QStringList families{QString::fromStdString(family)};
    if (family == "Times New Roman")
        families.append(QStringLiteral("Liberation Serif"));
    else if (family == "MS Sans Serif")
        families.append(QStringLiteral("Liberation Sans"));
    QFont font;
    font.setFamilies(families);
    font.setPointSize(points);
    font.setStyleHint(family.find("Sans") == std::string::npos ? QFont::Serif : QFont::SansSerif);
    return font;
}

DialogUnits::DialogUnits(const QFont& font)
{
    const QFontMetrics fm(font);
    const int alphabet = fm.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    cx_ = (alphabet / 26 + 1) / 2;
    cy_ = fm.height();
}

DialogUnits dialog_units_of(const std::string& family, int points)
{
    static std::map<std::pair<std::string, int>, DialogUnits> measured;
    const auto key = std::make_pair(family, points);
    auto it = measured.find(key);
    if (it == measured.end())
        it = measured.emplace(key, DialogUnits(form_font(family, points))).first;
    return it->second;
}

int DialogUnits::x(int dlu) const
{
    return mul_div(dlu, cx_, 4);
}

int DialogUnits::y(int dlu) const
{
    return mul_div(dlu, cy_, 8);
}

QRect DialogUnits::rect(int x0, int y0, int w, int h) const
{
    return QRect(x(x0), y(y0), x(w), y(h));
}

} // namespace tqr::fw
