#pragma once

#include "framework/cdialog.h"
#include "resources/resource_ids.h"

namespace tqr {

// "About TQR Setup": the version and the copyright line, nothing more.
class AboutDialog : public fw::CDialog {
  public:
    AboutDialog() : CDialog(res::kAboutForm) {}
};

} // namespace tqr
