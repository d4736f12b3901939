#include "app/setup_dialog.h"

#include "app/about_dialog.h"
#include "app/card_settings.h"
#include "app/save_message.h"
#include "framework/data_exchange.h"
#include "framework/text_codec.h"
#include "framework/translation.h"
#include "framework/ui_services.h"
#include "resources/app_icon.h"
#include "resources/main_ids.h"
#include "resources/resource_ids.h"
#include "settings/factory_defaults.h"
#include "settings/file_exception.h"
#include "settings/profile_record.h"
#include "settings/settings_files.h"
#include "settings/translatable.h"
#include "settings/value_rules.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QShortcut>
#include <QTimer>

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <utility>

namespace tqr {

namespace {
using namespace main_ids;
constexpr int kPathLimit = 128;
constexpr int kAboutCommand = 0x10;
constexpr const char* kOpenCardMenuText = TQR_TR_NOOP("TQRSetup", "Open settings from card...");

// Watches the dialog's window and its path edit for what the framework
// does not report: the first show, the first paint, the window becoming
// the active one again and the edit losing the focus.
class DialogEvents final : public QObject {
  public:
    struct Handlers {
        std::function<void()> shown, painted, activated, path_left;
    };
    DialogEvents(QWidget* window, QWidget* path_edit, Handlers handlers)
        : window_(window), path_edit_(path_edit), on_(std::move(handlers))
    {
        window->installEventFilter(this);
        path_edit->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Once each, after the window is on screen, never inside its show
        // or its paint.
        if (watched == window_ && event->type() == QEvent::Show && on_.shown) {
            QTimer::singleShot(0, window_, std::exchange(on_.shown, nullptr));
        } else if (watched == window_ && event->type() == QEvent::Paint && on_.painted) {
            QTimer::singleShot(0, window_, std::exchange(on_.painted, nullptr));
        } else if (watched == window_ && event->type() == QEvent::WindowActivate) {
            QTimer::singleShot(0, window_, on_.activated);
        } else if (watched == path_edit_ && event->type() == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            // A box or menu over the dialog, or the user switching windows,
            // is no leaving of the edit.
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                QTimer::singleShot(0, window_, on_.path_left);
        }
        return false;
    }

  private:
    QWidget* window_;
    QWidget* path_edit_;
    Handlers on_;
};

// Deciding whether a card differs runs the page's OK, whose messages no
// one must see then.
class SilentUi final : public fw::UiServices {
  public:
    int message_box(const fw::MessageBoxRequest& r) override
    {
        return (r.style & fw::kButtonMask) == fw::MB_YESNO ? fw::IDNO : fw::IDOK;
    }
    int run_modal(fw::CDialog& dialog) override
    {
        dialog.end_dialog(fw::IDCANCEL);
        return fw::IDCANCEL;
    }
    std::optional<std::string> browse_for_folder(QWidget*, const std::string&, const std::string&) override
    {
        return std::nullopt;
    }
};

// The same folder, by device and inode, whatever path names it.
bool is_home(const std::filesystem::path& folder)
{
    const char* home = std::getenv("HOME");
    struct stat here {};
    struct stat there {};
    return home != nullptr && *home != '\0' && ::stat(folder.c_str(), &here) == 0 && ::stat(home, &there) == 0 &&
           here.st_dev == there.st_dev && here.st_ino == there.st_ino;
}
} // namespace

SetupDialog::SetupDialog() : CDialog(res::kMainForm), icon_(res::app_icon())
{
    on_clicked(kBrowse, [this] { on_browse(); });
}

SetupDialog::~SetupDialog() = default;

void SetupDialog::exchange_data(fw::CDataExchange& dx)
{
    fw::DDX_Text(dx, kPath, path_);
    fw::DDV_MaxChars(dx, path_, kPathLimit);
    fw::DDX_Control(dx, kTabs, page_host_);
}

bool SetupDialog::on_init()
{
    add_about_entry();
    title_ = std::string(kMagicText) + "D";
    std::error_code ec;
    const std::filesystem::path cwd = std::filesystem::current_path(ec);
    path_ = ec ? std::string() : cwd.string();
    if (!ec && is_home(cwd))
        start_at_the_only_card();
    show_title({});
    current_profile.model_index = kGsmModel;
    model_ = kGsmModel;
    page_host_.InsertItem(0, TQR_TR_NOOP("TQRSetup", "GSM"));
    page_host_.create_pages(current_profile);
    UpdateData(false);
    examined_path_ = path_;
    DialogEvents::Handlers on;
    on.shown = [this] {
        if (offer_at_show_)
            dispatch([this] { folder_picked(path_); });
    };
    // What the first paint does not need comes right after it: drawing the
    // icon at every size the window system asks for, the hidden page, the
    // watch on the mount table.
    on.painted = [this] {
        window()->setWindowIcon(icon_);
        page_host_.create_remaining_pages();
        watch_cards();
    };
    on.activated = [this] {
        if (cards_changed_)
            on_mounts_changed();
    };
    on.path_left = [this] { dispatch([this] { on_path_left(); }); };
    events_ = std::make_unique<DialogEvents>(window(), control(kPath), std::move(on));
    return true;
}

// Started once the window is painted: start-up does not pay for it.
void SetupDialog::watch_cards()
{
    known_cards_ = fw::unlabelled_removable_volumes(fw::current_mount_table());
    mount_watcher_ = std::make_unique<fw::MountWatcher>([this] { on_mounts_changed(); });
}

void SetupDialog::on_mounts_changed()
{
    cards_changed_ = true;
    // Under a box, a sub-dialog or the folder browser the change waits
    // until the dialog is the user's again.
    const QWidget* modal = QApplication::activeModalWidget();
    if (following_cards_ || (modal != nullptr && modal != window()) || window() == nullptr || window()->isHidden())
        return;
    following_cards_ = true;
    while (std::exchange(cards_changed_, false))
        dispatch([this] { follow_cards(); });
    following_cards_ = false;
}

// A card put in while the path shows none (empty, the home folder, or a
// folder on no card) becomes the path, as if picked. A card put in while
// the path shows one changes nothing here. The card the path shows going
// away takes its name from the title; the path stays, so OK tells that the
// card is gone.
void SetupDialog::follow_cards()
{
    const auto now = fw::unlabelled_removable_volumes(fw::current_mount_table());
    const auto before = std::exchange(known_cards_, now);
    const auto in = [](const std::vector<fw::RemovableVolume>& cards, const fw::RemovableVolume& card) {
        return std::find(cards.begin(), cards.end(), card) != cards.end();
    };
    const std::string shown = text(kPath);
    const fw::RemovableVolume* shown_card = nullptr;
    for (const auto& card : before)
        if (!shown.empty() && fw::within_volume(card, shown) &&
            (shown_card == nullptr || card.root.size() > shown_card->root.size()))
            shown_card = &card;
    if (shown_card != nullptr && !in(now, *shown_card)) {
        loaded_folder_.clear();
        show_title({});
        shown_card = nullptr;
    }
    if (shown_card != nullptr && !is_home(shown))
        return;
    for (const auto& card : now) {
        if (in(before, card))
            continue;
        path_ = card.root;
        picked_volume_ = card;
        UpdateData(false);
        folder_picked(path_);
        show_title(card_label(path_));
        return;
    }
}

// Started from the application menu, the current folder is the home
// folder, where no card's settings belong; with one card in the machine
// that card is where the user means to write.
void SetupDialog::start_at_the_only_card()
{
    const auto cards = fw::unlabelled_removable_volumes(fw::current_mount_table());
    if (cards.size() != 1)
        return;
    path_ = cards.front().root;
    // As if picked: a save notices the card going away.
    picked_volume_ = cards.front();
    offer_at_show_ = true;
}

void SetupDialog::show_title(const std::string& card_label)
{
    const QString title = QString::fromUtf8(title_.c_str());
    window()->setWindowTitle(card_label.empty() ? title : title + QStringLiteral(" - ") + fw::plain_text(card_label));
}

// The window system owns the title-bar menu here, so the About entry lives
// in the dialog's context menu and on F1.
void SetupDialog::add_about_entry()
{
    auto* about = new QAction(fw::translated(res::kAboutMenuText), window());
    QObject::connect(about, &QAction::triggered, window(),
                     [this] { dispatch([this] { on_system_command(kAboutCommand); }); });
    window()->addAction(about);
    auto* open = new QAction(fw::translated(kOpenCardMenuText), window());
    QObject::connect(open, &QAction::triggered, window(), [this] { dispatch([this] { on_open_card(); }); });
    window()->addAction(open);
    window()->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), window());
    QObject::connect(help, &QShortcut::activated, window(),
                     [this] { dispatch([this] { on_system_command(kAboutCommand); }); });
}

void SetupDialog::on_system_command(int command)
{
    if ((command & ~0xF) != kAboutCommand)
        return;
    AboutDialog about;
    about.do_modal(window());
}

void SetupDialog::on_browse()
{
    const auto folder = fw::current_ui().browse_for_folder(
        window(), fw::translated_utf8(TQR_TR_NOOP("TQRSetup", "Please Select the Path")), text(kPath));
    if (!folder) {
        if (cards_changed_)
            on_mounts_changed();
        return;
    }
    path_ = *folder;
    picked_volume_ = fw::removable_volume_of(fw::current_mount_table(), path_);
    // The browser listed the cards put in while it was open: the folder
    // picked there is the user's choice, not a path showing no card.
    if (mount_watcher_) {
        known_cards_ = fw::unlabelled_removable_volumes(fw::current_mount_table());
        cards_changed_ = false;
    }
    UpdateData(false);
    folder_picked(path_);
}

void SetupDialog::on_path_left()
{
    // Leaving the edit for OK or Cancel is no picking of a folder: OK
    // writes, and never offers to open the card first.
    const QWidget* to = QApplication::focusWidget();
    if (to == control(fw::IDOK) || to == control(fw::IDCANCEL) || window()->isHidden())
        return;
    const std::string folder = text(kPath);
    if (folder != examined_path_ && !folder.empty())
        folder_picked(folder);
}

void SetupDialog::folder_picked(const std::string& folder)
{
    examined_path_ = folder;
    offer_at_show_ = false;
    if (folder != loaded_folder_) {
        loaded_folder_.clear();
        show_title({});
    }
    const CardFile card = read_card(folder);
    if (card.state == CardFile::State::refused) {
        message_box(card.refusal, fw::MB_ICONEXCLAMATION | fw::MB_OK);
        return;
    }
    if (card.state != CardFile::State::readable)
        return;
    const auto ours = record_ok_would_write();
    if (ours && same_card_file(*ours, card.record))
        return;
    if (message_box(TQR_TR_NOOP("TQRSetup", "PROFILE.BIN in %1 holds other settings than the dialog shows. Open them?"),
                    {folder}, fw::MB_ICONQUESTION | fw::MB_YESNO) != fw::IDYES)
        return;
    open_card(folder, card.record);
}

void SetupDialog::refuse_empty_path()
{
    message_box_with_detail(TQR_TR_NOOP("TQRSetup", "Please choose path to SD card Drive."), fw::MB_OK,
                            Phrase(TQR_TR_NOOP("TQRSetup", "\"Path\" is empty: pick the SD card's folder with \"...\" "
                                                           "or type it, for example /media/anna/CAMERA.")));
}

void SetupDialog::on_open_card()
{
    const std::string folder = text(kPath);
    if (folder.empty()) {
        refuse_empty_path();
        return;
    }
    examined_path_ = folder;
    const CardFile card = read_card(folder);
    if (card.state == CardFile::State::none)
        message_box(TQR_TR_NOOP("TQRSetup", "There is no PROFILE.BIN in %1."), {folder});
    else if (card.state == CardFile::State::refused)
        message_box(card.refusal, fw::MB_ICONEXCLAMATION | fw::MB_OK);
    else
        open_card(folder, card.record);
}

void SetupDialog::open_card(const std::string& folder, const ProfileRecord& card)
{
    const std::string notes = take_card(card, window());
    page_host_.reload_pages();
    loaded_folder_ = folder;
    show_title(card_label(folder));
    if (!notes.empty())
        message_box(notes);
}

// What OK would write now, found by running the page's OK on a copy of
// the settings; nothing when the page would refuse.
std::optional<ProfileRecord> SetupDialog::record_ok_would_write()
{
    const ProfileRecord record = current_profile;
    OperatorEntry custom[kCustomOperatorCount];
    std::copy(std::begin(CustomOperators), std::end(CustomOperators), custom);
    QWidget* focus = QApplication::focusWidget();
    std::optional<ProfileRecord> result;
    {
        SilentUi silent;
        fw::ScopedUi scope(silent);
        current_profile.model_index = static_cast<std::uint16_t>(model_ & 0xFFFF);
        if (page_host_.validate_and_store() == 0)
            result = current_profile;
    }
    current_profile = record;
    std::copy(std::begin(custom), std::end(custom), CustomOperators);
    if (focus != nullptr)
        focus->setFocus(Qt::OtherFocusReason);
    return result;
}

void SetupDialog::on_ok()
{
    current_profile.model_index = static_cast<std::uint16_t>(model_ & 0xFFFF);
    if (page_host_.validate_and_store() == 1)
        return;
    if (!UpdateData(true))
        return;
    if (path_.empty()) {
        refuse_empty_path();
        return;
    }
    check_card_still_there();
    save_profile(path_);
    // The card now holds what the dialog shows, wherever the path led.
    loaded_folder_ = examined_path_ = path_;
    show_title(card_label(path_));
    Phrase saved(TQR_TR_NOOP("TQRSetup", "PROFILE.BIN has been saved in %1"), {path_});
    if (const auto gap = rules::sending_gap(current_profile.gsm))
        saved.then = {Phrase("\r\n"), Phrase(gap->data())};
    show_saved(window(), fw::translated_utf8(saved), path_, card_label(path_));
}

// A card unmounted while the dialog is open can leave its mount folder
// behind (fstab, a manual mount); a save would then land on the internal
// disk and claim success. A path typed elsewhere since is not the card's.
void SetupDialog::check_card_still_there() const
{
    if (!picked_volume_ || !fw::within_volume(*picked_volume_, path_))
        return;
    if (!fw::still_on_volume(fw::current_mount_table(), *picked_volume_, path_))
        throw CFileException(CFileException::bad_path, path_ + "/" + kProfileFileName);
}

} // namespace tqr
