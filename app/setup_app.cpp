#include "app/setup_app.h"

#include "app/setup_dialog.h"
#include "settings/settings_files.h"

namespace tqr {

bool SetupApp::init_instance()
{
    load_settings();
    SetupDialog dialog;
    dialog.do_modal();
    return false;
}

} // namespace tqr
