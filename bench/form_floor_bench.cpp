// The same-form floor: the main dialog and the GSM page built from the very
// same form data (controls, texts, list entries, font, positions) with plain
// Qt widgets, shown the same way until the first paint. No dialog
// framework, no settings, no translations: what the form itself costs.
#include "resources/form_template.h"
#include "resources/resource_ids.h"

#include "bench/first_paint.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace {

using tqr::res::ControlKind;

struct Units {
    int cx, cy;
    QRect rect(int x, int y, int w, int h) const { return QRect(x * cx / 4, y * cy / 8, w * cx / 4, h * cy / 8); }
};

Units units_of(const QFont& font)
{
    const QFontMetrics fm(font);
    const int alphabet = fm.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(alphabet / 26 + 1) / 2, fm.height()};
}

// The form's font, and where the system lacks it the one with its metrics.
QFont form_font(const tqr::res::FormTemplate& form)
{
    QFont font;
    font.setFamilies({QString::fromStdString(form.font_family), QStringLiteral("Liberation Serif")});
    font.setPointSize(form.font_points);
    return font;
}

// Builds a form's controls on `w`; returns the one of `wanted_id`, if any.
QWidget* build(const tqr::res::FormTemplate& form, QWidget* w, int wanted_id = -2)
{
    const Units du = units_of(w->font());
    QWidget* wanted = nullptr;
    for (const auto& c : form.controls) {
        const QString text = QString::fromStdString(c.text);
        QWidget* ctl = nullptr;
        switch (c.kind) {
        case ControlKind::PushButton:
        case ControlKind::DefPushButton: ctl = new QPushButton(text, w); break;
        case ControlKind::Edit:
            if (c.style & tqr::res::kMultiLine)
                ctl = new QPlainTextEdit(w);
            else
                ctl = new QLineEdit(w);
            break;
        case ControlKind::GroupBox: ctl = new QGroupBox(text, w); break;
        case ControlKind::CheckBox: ctl = new QCheckBox(text, w); break;
        case ControlKind::RadioButton: ctl = new QRadioButton(text, w); break;
        case ControlKind::DropDownList: {
            auto* box = new QComboBox(w);
            for (const auto& item : c.items)
                box->addItem(QString::fromStdString(item));
            ctl = box;
            break;
        }
        case ControlKind::TabControl: ctl = new QTabWidget(w); break;
        default: ctl = new QLabel(text, w); break;
        }
        QRect r = du.rect(c.x, c.y, c.w, c.h);
        if (c.kind == ControlKind::DropDownList)
            r.setHeight(12 * du.cy / 8);
        ctl->setGeometry(r);
        if (c.style & tqr::res::kHidden)
            ctl->setVisible(false);
        if (c.id == wanted_id)
            wanted = ctl;
    }
    return wanted;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const auto& main_form = tqr::res::form(tqr::res::kMainForm);
    const auto& gsm_form = tqr::res::form(tqr::res::kGsmForm);
    QDialog dialog;
    dialog.setWindowTitle(QString::fromStdString(main_form.caption));
    dialog.setFont(form_font(main_form));
    const Units du = units_of(dialog.font());
    dialog.setFixedSize(main_form.w * du.cx / 4, main_form.h * du.cy / 8);
    int tabs_id = -2;
    for (const auto& c : main_form.controls)
        if (c.kind == ControlKind::TabControl)
            tabs_id = c.id;
    auto* tabs = static_cast<QTabWidget*>(build(main_form, &dialog, tabs_id));
    auto* page = new QWidget;
    page->setFont(form_font(gsm_form));
    build(gsm_form, page);
    tabs->addTab(page, QStringLiteral("GSM"));
    show_until_painted(&dialog);
    return 0;
}
