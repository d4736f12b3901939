#include "framework/dialog_units.h"

#include <QFontDatabase>
#include <QFontMetrics>

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
    QString name = QString::fromStdString(family);
    if (!QFontDatabase::hasFamily(name)) {
        if (name == "Times New Roman")
            name = "Liberation Serif";
        else if (name == "MS Sans Serif" || name == "Arial")
            name = "Liberation Sans";
    }
    QFont font(name, points);
    font.setStyleHint(name.contains("Serif") && !name.contains("Sans") ? QFont::Serif : QFont::SansSerif);
    return font;
}

DialogUnits::DialogUnits(const QFont& font)
{
    const QFontMetrics fm(font);
    const int alphabet = fm.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    cx_ = (alphabet / 26 + 1) / 2;
    cy_ = fm.height();
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
