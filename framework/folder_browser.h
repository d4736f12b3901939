#pragma once

#include <optional>
#include <string>

class QWidget;

namespace tqr::fw {

// A modal folder picker: caption "Folder Browser", `title` above a tree of
// folders, "OK" and "Cancel". Returns the chosen folder, or nothing.
std::optional<std::string> run_folder_browser(QWidget* owner, const std::string& title);

} // namespace tqr::fw
