#include "app/setup_dialog.h"

#include "app/about_dialog.h"
#include "framework/data_exchange.h"
#include "framework/translation.h"
#include "framework/ui_services.h"
#include "resources/app_icon.h"
#include "resources/main_ids.h"
#include "resources/resource_ids.h"
#include "settings/file_exception.h"
#include "settings/profile_record.h"
#include "settings/settings_files.h"
#include "settings/translatable.h"

#include <QAction>
#include <QShortcut>

#include <filesystem>

namespace tqr {

namespace {
using namespace main_ids;
constexpr int kPathLimit = 128;
constexpr int kAboutCommand = 0x10;
} // namespace

SetupDialog::SetupDialog() : CDialog(res::kMainForm), icon_(res::app_icon())
{
    on_clicked(kBrowse, [this] { on_browse(); });
}

void SetupDialog::exchange_data(fw::CDataExchange& dx)
{
    fw::DDX_Text(dx, kPath, path_);
    fw::DDV_MaxChars(dx, path_, kPathLimit);
    fw::DDX_Control(dx, kTabs, page_host_);
}

bool SetupDialog::on_init()
{
    add_about_entry();
    window()->setWindowIcon(icon_);
    const std::string title = std::string(kMagicText) + "D";
    std::error_code ec;
    const std::filesystem::path cwd = std::filesystem::current_path(ec);
    path_ = ec ? std::string() : cwd.string();
    window()->setWindowTitle(QString::fromLatin1(title.c_str()));
    current_profile.model_index = kGsmModel;
    model_ = kGsmModel;
    page_host_.InsertItem(0, TQR_TR_NOOP("TQRSetup", "GSM"));
    page_host_.create_pages(current_profile);
    UpdateData(false);
    return true;
}

// The window system owns the title-bar menu here, so the About entry lives
// in the dialog's context menu and on F1.
void SetupDialog::add_about_entry()
{
    auto* about = new QAction(fw::translated(res::kAboutMenuText), window());
    QObject::connect(about, &QAction::triggered, window(),
                     [this] { dispatch([this] { on_system_command(kAboutCommand); }); });
    window()->addAction(about);
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
        window(), fw::translated_utf8(TQR_TR_NOOP("TQRSetup", "Please Select the Path")));
    if (!folder)
        return;
    path_ = *folder;
    picked_volume_ = fw::removable_volume_of(fw::current_mount_table(), path_);
    UpdateData(false);
}

void SetupDialog::on_ok()
{
    current_profile.model_index = static_cast<std::uint16_t>(model_ & 0xFFFF);
    if (page_host_.validate_and_store() == 1)
        return;
    if (!UpdateData(true))
        return;
    if (path_.empty()) {
        message_box(TQR_TR_NOOP("TQRSetup", "Please choose path to SD card Drive."));
        return;
    }
    check_card_still_there();
    save_profile(path_);
    message_box(TQR_TR_NOOP("TQRSetup", "PROFILE.BIN has been saved in %1"), {path_});
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
