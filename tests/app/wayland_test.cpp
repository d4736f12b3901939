// The tool on Wayland: run under a headless Weston, the main dialog, a
// message box and a sub-dialog open as modal windows and close again. Its
// own program, because the platform is chosen once, when the application
// object starts.
#include "app/setup_dialog.h"
#include "resources/gsm_ids.h"
#include "settings/factory_defaults.h"
#include "tests/support/record_fixtures.h"
#include "tests/support/temp_env.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

using namespace tqr;
namespace fs = std::filesystem;

namespace {

// A headless Weston of our own, on a socket in the test's folder.
class HeadlessWeston {
  public:
    explicit HeadlessWeston(const fs::path& runtime_dir) : socket_(runtime_dir / "tqr-wayland")
    {
        fs::create_directories(runtime_dir);
        fs::permissions(runtime_dir, fs::perms::owner_all, fs::perm_options::replace);
        ::setenv("XDG_RUNTIME_DIR", runtime_dir.c_str(), 1);
        pid_ = ::fork();
        if (pid_ == 0) {
            const std::string log = (runtime_dir / "weston.log").string();
            ::execlp("weston", "weston", "--backend=headless-backend.so", "--socket=tqr-wayland", "--idle-time=0",
                     ("--log=" + log).c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        // Weston makes its socket once it can take clients; a Weston that
        // cannot start exits instead.
        for (int i = 0; i < 200 && pid_ > 0; ++i) {
            if (fs::exists(socket_))
                return;
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                break;
            }
            ::usleep(50'000);
        }
        reason_ = "weston --backend=headless-backend.so did not start here (see " +
                  (runtime_dir / "weston.log").string() + "), so there is no Wayland compositor to run under";
    }
    ~HeadlessWeston()
    {
        if (pid_ > 0) {
            ::kill(pid_, SIGTERM);
            ::waitpid(pid_, nullptr, 0);
        }
    }
    bool running() const { return reason_.empty(); }
    const std::string& reason() const { return reason_; }

  private:
    fs::path socket_;
    pid_t pid_ = -1;
    std::string reason_;
};

// The window in front is modal, shown by the compositor, and is `expected`.
void expect_modal_in_front(QWidget* expected)
{
    ASSERT_NE(expected, nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), expected);
    EXPECT_NE(expected->windowModality(), Qt::NonModal);
    ASSERT_NE(expected->windowHandle(), nullptr);
    EXPECT_NE(expected->windowHandle()->modality(), Qt::NonModal);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(expected)) << "the compositor never showed it";
}

} // namespace

TEST(Wayland, MainDialogMessageBoxAndSubDialogOpenModalAndClose)
{
    test::TempEnv env;
    test::FreshSettings fresh;
    HeadlessWeston weston(env.root() / "runtime");
    if (!weston.running())
        GTEST_SKIP() << weston.reason();
    ::setenv("WAYLAND_DISPLAY", "tqr-wayland", 1);
    ::setenv("QT_QPA_PLATFORM", "wayland", 1);
    // The dialogs paint into shared memory; without this Qt also sets up
    // EGL, whose software driver is unloaded at exit with its allocations.
    ::setenv("QT_WAYLAND_CLIENT_BUFFER_INTEGRATION", "none", 1);
    int argc = 1;
    char name[] = "wayland_tests";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    if (QGuiApplication::platformName() != QLatin1String("wayland"))
        GTEST_SKIP() << "Qt's Wayland platform plugin (qt6-wayland) is not installed";

    apply_factory_defaults();
    SetupDialog main;
    bool box_seen = false, sub_dialog_seen = false, main_seen = false;
    QTimer::singleShot(0, [&] {
        main_seen = true;
        expect_modal_in_front(main.window());

        // OK without a phone number: the GSM page's message box.
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            box_seen = true;
            expect_modal_in_front(box);
            EXPECT_EQ(box->text().toStdString(), "The phone must not be null!");
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        QTest::mouseClick(static_cast<QPushButton*>(main.control(fw::IDOK)), Qt::LeftButton);
        EXPECT_EQ(QApplication::activeModalWidget(), main.window()) << "the box has closed";

        // "Email Set" opens its dialog over the main one.
        QTimer::singleShot(0, [&] {
            QWidget* sub = QApplication::activeModalWidget();
            ASSERT_NE(sub, nullptr);
            sub_dialog_seen = true;
            EXPECT_NE(sub, main.window());
            EXPECT_EQ(sub->windowTitle().toStdString(), "Email Set");
            expect_modal_in_front(sub);
            QTest::mouseClick(sub->findChild<QPushButton*>(QStringLiteral("ctl2")), Qt::LeftButton);
        });
        auto& gsm = main.page_host().gsm_page();
        QTest::mouseClick(static_cast<QPushButton*>(gsm.control(gsm_ids::kEmailSet)), Qt::LeftButton);
        EXPECT_EQ(QApplication::activeModalWidget(), main.window()) << "the sub-dialog has closed";

        QTest::mouseClick(static_cast<QPushButton*>(main.control(fw::IDCANCEL)), Qt::LeftButton);
    });
    EXPECT_EQ(main.do_modal(), fw::IDCANCEL);
    EXPECT_TRUE(main_seen);
    EXPECT_TRUE(box_seen);
    EXPECT_TRUE(sub_dialog_seen);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "every window has closed";
}
