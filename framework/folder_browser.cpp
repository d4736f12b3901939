#include "framework/folder_browser.h"

#include "framework/mount_watcher.h"
#include "framework/text_codec.h"
#include "framework/translation.h"
#include "settings/translatable.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSortFilterProxyModel>
#include <QTextDocument>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

namespace tqr::fw {

namespace {

// Two cards of the same make often share a label: then the folder each is
// mounted on tells them apart.
QString volume_text(const RemovableVolume& v, bool label_shared)
{
    QString label = plain_text(v.label);
    if (label_shared)
        label += QStringLiteral(" - ") + plain_text(v.root);
    if (v.size_bytes == 0)
        return label;
    // Cards are sold in decimal gigabytes, so that is what their owners know.
    const QString size =
        QLocale::system().formattedDataSize(static_cast<qint64>(v.size_bytes), 1, QLocale::DataSizeSIFormat);
    return QStringLiteral("%1 (%2)").arg(label, size);
}

// Only the folders' names: hidden columns would still be read out, as a
// date or an empty size after every folder.
class NamesOnly final : public QSortFilterProxyModel {
  public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

  protected:
    bool filterAcceptsColumn(int column, const QModelIndex&) const override { return column == 0; }
};

} // namespace

FolderBrowserDialog::FolderBrowserDialog(QWidget* owner, const std::string& title, std::vector<RemovableVolume> volumes,
                                         const std::string& start)
    : QDialog(owner != nullptr ? owner->window() : nullptr), volumes_(std::move(volumes))
{
    setWindowTitle(translated(TQR_TR_NOOP("TQRSetup", "Folder Browser")));
    resize(360, 420);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(QString::fromStdString(title), this);
    layout->addWidget(label);

    if (!volumes_.empty())
        add_volume_list();

    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model_->setRootPath(QDir::rootPath());
    names_ = new NamesOnly(this);
    names_->setSourceModel(model_);
    tree_ = new QTreeView(this);
    tree_->setModel(names_);
    tree_->setAccessibleName(translated(TQR_TR_NOOP("TQRSetup", "Folders")));
    tree_->header()->hide();
    // The model reads and sorts folders in the background, so the row of the
    // folder selected at the start moves as its siblings arrive: the tree
    // follows it until the user scrolls, opens a folder or picks another.
    const auto follow = [this] {
        if (scroll_to_.isEmpty() || follow_pending_)
            return;
        follow_pending_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                follow_pending_ = false;
                if (!scroll_to_.isEmpty())
                    select_folder(QString(scroll_to_));
            },
            Qt::QueuedConnection);
    };
    QObject::connect(model_, &QFileSystemModel::directoryLoaded, this, follow);
    QObject::connect(names_, &QAbstractItemModel::rowsInserted, this, follow);
    QObject::connect(names_, &QAbstractItemModel::layoutChanged, this, follow);
    QObject::connect(tree_->verticalScrollBar(), &QScrollBar::actionTriggered, this, [this] { scroll_to_.clear(); });
    for (auto signal : {&QTreeView::expanded, &QTreeView::collapsed})
        QObject::connect(tree_, signal, this, [this] {
            if (!picking_)
                scroll_to_.clear();
        });
    QObject::connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
                     [this](const QModelIndex& index) {
                         if (!index.isValid() || picking_)
                             return;
                         scroll_to_.clear();
                         selected_ = model_->filePath(names_->mapToSource(index));
                         if (volumes_list_ != nullptr)
                             volumes_list_->clearSelection();
                     });
    layout->addWidget(tree_, 1);
    label->setBuddy(volumes_list_ != nullptr ? static_cast<QWidget*>(volumes_list_) : tree_);

    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(translated(TQR_TR_NOOP("TQRSetup", "OK")), QDialogButtonBox::AcceptRole);
    cancel_ = buttons->addButton(translated(TQR_TR_NOOP("TQRSetup", "Cancel")), QDialogButtonBox::RejectRole);
    ok_->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    new MountWatcher([this] { follow_mounts(); }, this);

    const int start_card = start.empty() ? -1 : volume_row(start);
    if (start_card >= 0) {
        volumes_list_->setCurrentRow(start_card);
        volumes_list_->setFocus();
    } else if (!start.empty() && QFileInfo(QString::fromStdString(start)).isDir()) {
        select_folder(QString::fromStdString(start));
        tree_->setFocus();
    } else if (volumes_.size() == 1) {
        volumes_list_->setCurrentRow(0);
        volumes_list_->setFocus();
    } else {
        select_folder(QDir::homePath());
        (volumes_list_ != nullptr ? static_cast<QWidget*>(volumes_list_) : tree_)->setFocus();
    }
}

void FolderBrowserDialog::add_volume_list()
{
    volumes_list_ = new QListWidget(this);
    volumes_list_->setAccessibleName(translated(TQR_TR_NOOP("TQRSetup", "Removable volumes")));
    fill_volume_list();
    // Selection, not the current row: focus alone makes a row current,
    // and that must not pick a card for the user. A click on the row
    // already selected comes back to the card after the tree moved away.
    QObject::connect(volumes_list_, &QListWidget::itemSelectionChanged, this, [this] {
        const auto items = volumes_list_->selectedItems();
        if (!items.isEmpty())
            pick_volume(volumes_list_->row(items.front()));
    });
    QObject::connect(volumes_list_, &QListWidget::itemClicked, this,
                     [this](QListWidgetItem* item) { pick_volume(volumes_list_->row(item)); });
    QObject::connect(volumes_list_, &QListWidget::itemDoubleClicked, this, [this] { accept(); });
    static_cast<QVBoxLayout*>(layout())->insertWidget(1, volumes_list_);
}

void FolderBrowserDialog::fill_volume_list()
{
    volumes_list_->clear();
    for (const auto& v : volumes_) {
        const bool shared = std::count_if(volumes_.begin(), volumes_.end(),
                                          [&](const RemovableVolume& o) { return o.label == v.label; }) > 1;
        auto* item = new QListWidgetItem(QIcon::fromTheme(QStringLiteral("media-flash")), volume_text(v, shared));
        // A tooltip that looks like markup would be shown as rich text.
        item->setToolTip(Qt::convertFromPlainText(plain_text(v.root)));
        volumes_list_->addItem(item);
    }
    const int rows = static_cast<int>(std::clamp<std::size_t>(volumes_.size(), 1, 4));
    volumes_list_->setFixedHeight(volumes_list_->sizeHintForRow(0) * rows + 2 * volumes_list_->frameWidth() + 2);
    volumes_list_->setVisible(!volumes_.empty());
}

// A card put in or taken out while the browser is open: the list follows,
// and the row picked stays picked while its card is there.
void FolderBrowserDialog::follow_mounts()
{
    auto now = removable_volumes(current_mount_table());
    if (now == volumes_)
        return;
    const auto picked = volumes_list_ != nullptr ? volumes_list_->selectedItems() : QList<QListWidgetItem*>();
    const std::string picked_root =
        picked.isEmpty() ? std::string() : volumes_[static_cast<std::size_t>(volumes_list_->row(picked.front()))].root;
    volumes_ = std::move(now);
    if (volumes_list_ == nullptr) {
        add_volume_list();
        return;
    }
    const QSignalBlocker quiet(volumes_list_);
    fill_volume_list();
    if (const int row = picked_root.empty() ? -1 : volume_row(picked_root); row >= 0)
        volumes_list_->setCurrentRow(row);
}

void FolderBrowserDialog::select_folder(const QString& path)
{
    selected_ = path;
    scroll_to_ = path;
    const QModelIndex index = tree_index(path.toStdString());
    if (!index.isValid())
        return;
    picking_ = true;
    tree_->setCurrentIndex(index);
    tree_->scrollTo(index, QAbstractItemView::PositionAtCenter);
    picking_ = false;
}

int FolderBrowserDialog::volume_row(const std::string& folder) const
{
    const QString wanted = QDir::cleanPath(QString::fromStdString(folder));
    for (std::size_t i = 0; i < volumes_.size(); ++i)
        if (QDir::cleanPath(QString::fromStdString(volumes_[i].root)) == wanted)
            return static_cast<int>(i);
    return -1;
}

void FolderBrowserDialog::pick_volume(int row)
{
    if (row < 0 || row >= static_cast<int>(volumes_.size()))
        return;
    select_folder(QString::fromStdString(volumes_[static_cast<std::size_t>(row)].root));
}

QModelIndex FolderBrowserDialog::tree_index(const std::string& folder) const
{
    return names_->mapFromSource(model_->index(QString::fromStdString(folder)));
}

std::optional<std::string> FolderBrowserDialog::selected_folder() const
{
    if (selected_.isEmpty())
        return std::nullopt;
    return selected_.toStdString();
}

std::optional<std::string> run_folder_browser(QWidget* owner, const std::string& title, const std::string& start)
{
    FolderBrowserDialog dialog(owner, title, removable_volumes(current_mount_table()), start);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selected_folder();
}

} // namespace tqr::fw
