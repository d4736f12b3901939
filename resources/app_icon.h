#pragma once

#include <QIcon>

namespace tqr::res {

// Icon resource 128, the tool's icon.
QIcon app_icon();

} // namespace tqr::res
