#include "app/setup_app.h"

#include "app/setup_dialog.h"
#include "framework/translation.h"
#include "settings/settings_files.h"

namespace tqr {

bool SetupApp::init_instance()
{
    fw::install_translation(language_);
    load_settings();
    SetupDialog dialog;
    dialog.do_modal();
    return false;
}

} // namespace tqr
