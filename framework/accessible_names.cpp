#include "framework/accessible_names.h"

#include "framework/ip_address_ctrl.h"
#include "framework/translation.h"
#include "resources/form_template.h"
#include "settings/translatable.h"

#include <QLabel>
#include <QLineEdit>

namespace tqr::fw {

namespace {

// A label's text as it is read out: without the mnemonic marker and the
// colon that ends it on screen.
QString spoken(const std::string& text)
{
    QString s = shown_text(text);
    s.remove(QLatin1Char('&'));
    s = s.trimmed();
    if (s.endsWith(QLatin1Char(':')))
        s.chop(1);
    return s.trimmed();
}

// A ":" between the hour and minute edits or a "---" between two times
// stands before a control without naming it.
bool says_something(const QString& text)
{
    for (const QChar c : text)
        if (c.isLetterOrNumber())
            return true;
    return false;
}

bool takes_a_label(res::ControlKind kind)
{
    return kind == res::ControlKind::Edit || kind == res::ControlKind::DropDownList ||
           kind == res::ControlKind::IpAddress;
}

void name_address_fields(IpAddressWidget* ip, const QString& name)
{
    static const char* const fields[] = {
        TQR_TR_NOOP("TQRSetup", "%1, first number"), TQR_TR_NOOP("TQRSetup", "%1, second number"),
        TQR_TR_NOOP("TQRSetup", "%1, third number"), TQR_TR_NOOP("TQRSetup", "%1, fourth number")};
    for (int i = 0; i < 4; ++i)
        ip->field(i)->setAccessibleName(translated(fields[i], {name.toStdString()}));
}

} // namespace

void name_controls(const res::FormTemplate& form, const std::vector<QWidget*>& widgets)
{
    const std::size_t n = std::min(form.controls.size(), widgets.size());
    for (std::size_t i = 0; i < n; ++i) {
        const res::ControlTemplate& c = form.controls[i];
        QWidget* w = widgets[i];
        QString name = spoken(c.name);
        if (name.isEmpty() && takes_a_label(c.kind) && i > 0 && form.controls[i - 1].kind == res::ControlKind::Static) {
            const QString label = spoken(form.controls[i - 1].text);
            if (says_something(label)) {
                name = label;
                if (auto* l = qobject_cast<QLabel*>(widgets[i - 1]))
                    l->setBuddy(w);
            }
        }
        if (name.isEmpty())
            continue;
        // A drop-down list's popup takes the same name when it is built.
        w->setAccessibleName(name);
        if (auto* ip = dynamic_cast<IpAddressWidget*>(w))
            name_address_fields(ip, name);
    }
}

} // namespace tqr::fw
