// Renders every dialog of the tool to PNG files, for looking at them (and
// for the README's picture) without a display:
//   QT_QPA_PLATFORM=offscreen build-test/tests/tqr_snapshots OUTDIR
#include "app/about_dialog.h"
#include "app/setup_dialog.h"
#include "editors/camera_page.h"
#include "editors/email_set_dialog.h"
#include "editors/mail_check_dialog.h"
#include "editors/operator_param_dialog.h"
#include "framework/ui_services.h"
#include "resources/resource_ids.h"
#include "settings/factory_defaults.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPixmap>

#include <functional>
#include <iostream>
#include <thread>

using namespace tqr;

namespace {

// Shows each modal dialog, grabs it and closes it again.
class SnapshotUi final : public fw::UiServices {
  public:
    explicit SnapshotUi(QString dir) : dir_(std::move(dir)) {}
    int message_box(const fw::MessageBoxRequest&) override { return fw::IDOK; }
    int run_modal(fw::CDialog& dialog) override
    {
        QWidget* w = dialog.window();
        w->show();
        QApplication::processEvents();
        const QString file = dir_ + QStringLiteral("/form-%1.png").arg(dialog.form_id());
        w->grab().save(file);
        std::cout << file.toStdString() << "\n";
        dialog.end_dialog(fw::IDCANCEL);
        return fw::IDCANCEL;
    }
    std::optional<std::string> browse_for_folder(QWidget*, const std::string&) override { return std::nullopt; }

  private:
    QString dir_;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(dir);
    SnapshotUi ui(dir);
    fw::ScopedUi scope(ui);

    apply_factory_defaults();
    OperatorEntry custom = CustomOperators[1];
    write_text(custom.mms_url, "http://mms.example.net/servlets/mms");
    write_text(custom.mms_gateway, "10.10.10.10");
    write_text(custom.mms_port, "8080");
    OperatorParamDialog op;
    op.set_target(&custom);
    op.do_modal();

    EmailBlock email =
        make_email_row({"mail.example.org", "587", 0x42, "me@example.org", "pw", "me@example.org", "me"});
    EmailSetDialog es;
    es.set_blocks(&email.server, &email.account);
    es.do_modal();

    // The busy window of "Test...", with a check that waits for Cancel.
    MailCheckDialog busy(
        [](const std::atomic<bool>& cancel) {
            while (!cancel)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            return mail::CheckOutcome{false, true, "the check was cancelled"};
        },
        "Logging in to mail.example.org:587...");
    busy.do_modal();

    AboutDialog about;
    about.do_modal();

    SetupDialog main_dialog;
    main_dialog.do_modal();

    // The camera page is never shown in the tool; a look at it all the same.
    QWidget holder;
    CameraPage camera;
    camera.set_block(&current_profile.camera);
    camera.create(&holder);
    holder.resize(camera.window()->size());
    camera.window()->show();
    holder.show();
    QApplication::processEvents();
    holder.grab().save(dir + "/form-129.png");
    std::cout << (dir + "/form-129.png").toStdString() << "\n";
    return 0;
}
