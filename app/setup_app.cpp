#include "app/setup_app.h"

#include "app/setup_dialog.h"
#include "settings/settings_files.h"

#include <QApplication>
#include <QIcon>

namespace tqr {

bool SetupApp::init_instance()
{
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/tqr/app_icon.svg")));
    load_settings();
    SetupDialog dialog;
    dialog.do_modal();
    return false;
}

} // namespace tqr
