#include "app/setup_app.h"

#include "app/setup_dialog.h"
#include "framework/translation.h"
#include "settings/settings_files.h"

#include <QCoreApplication>

namespace tqr {

namespace {

// "--lang de" or "--lang=de" picks the dialog's language over the desktop's.
std::string language_option()
{
    const QStringList args = QCoreApplication::arguments();
    for (qsizetype i = 1; i < args.size(); ++i) {
        if (args[i].startsWith(QStringLiteral("--lang=")))
            return args[i].mid(7).toStdString();
        if (args[i] == QStringLiteral("--lang") && i + 1 < args.size())
            return args[i + 1].toStdString();
    }
    return {};
}

} // namespace

bool SetupApp::init_instance()
{
    fw::install_translation(language_option());
    load_settings();
    SetupDialog dialog;
    dialog.do_modal();
    return false;
}

} // namespace tqr
