#pragma once

#include "framework/removable_volumes.h"

#include <QDialog>
#include <QModelIndex>

#include <optional>
#include <string>
#include <vector>

class QFileSystemModel;
class QListWidget;
class QSortFilterProxyModel;
class QTreeView;

namespace tqr::fw {

// The folder picker: caption "Folder Browser", a title above the mounted
// removable volumes (one click picks a card's root) and a tree of folders,
// "OK" (the default button) and "Cancel".
class FolderBrowserDialog : public QDialog {
  public:
    // Opens at `start` when that is a folder (a card's row selected when it
    // is that card's root); otherwise at the only card, or at home.
    FolderBrowserDialog(QWidget* owner, const std::string& title, std::vector<RemovableVolume> volumes,
                        const std::string& start = {});

    // The folder picked so far; nothing while none is.
    std::optional<std::string> selected_folder() const;

    // The tree's row of `folder`.
    QModelIndex tree_index(const std::string& folder) const;

    QListWidget* volume_list() const { return volumes_list_; }
    QTreeView* tree() const { return tree_; }
    QPushButton* ok_button() const { return ok_; }
    QPushButton* cancel_button() const { return cancel_; }

  private:
    void add_volume_list();
    void fill_volume_list();
    void follow_mounts();
    void select_folder(const QString& path);
    void pick_volume(int row);
    // The row of the card whose root is `folder`; -1 for none.
    int volume_row(const std::string& folder) const;

    std::vector<RemovableVolume> volumes_;
    QListWidget* volumes_list_ = nullptr;
    QFileSystemModel* model_ = nullptr;
    QSortFilterProxyModel* names_ = nullptr;
    QTreeView* tree_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QString selected_;
    bool picking_ = false; // the tree follows a pick, it is not the user's choice
    QString scroll_to_;    // the folder the tree keeps in view until the user moves
    bool follow_pending_ = false;
};

// Runs the browser modally over the removable volumes now mounted, opening
// at `start`. Returns the chosen folder, or nothing.
std::optional<std::string> run_folder_browser(QWidget* owner, const std::string& title, const std::string& start);

} // namespace tqr::fw
