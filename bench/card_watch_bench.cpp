// The time from a card's mount to the main dialog's path showing it: while
// the dialog is open, mounts a small tmpfs N times where desktops mount
// cards, each under a name of its own, and unmounts it again. Runs as root,
// in a mount namespace of its own, so no other program sees the cards.
//   card_watch_bench [N]
#include "app/setup_app.h"
#include "framework/cdialog.h"
#include "framework/ui_services.h"
#include "resources/main_ids.h"

#include "bench/bench_app.h"
#include "bench/first_paint.h"

#include <QApplication>
#include <QWidget>

#include <sched.h>
#include <sys/mount.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
int runs = 50;

void wait_until(const std::function<bool()>& done)
{
    while (!done())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

class MountingUi final : public tqr::fw::UiServices {
  public:
    int message_box(const tqr::fw::MessageBoxRequest&) override { return tqr::fw::IDOK; }
    int run_modal(tqr::fw::CDialog& dialog) override
    {
        show_until_painted(dialog.window());
        QApplication::processEvents(); // the dialog starts watching after its first paint
        std::vector<double> us;
        for (int i = 0; i < runs; ++i) {
            const std::string card = "/media/bench/CARD" + std::to_string(i);
            std::filesystem::create_directories(card);
            const auto start = Clock::now();
            if (::mount("tmpfs", card.c_str(), "tmpfs", 0, "size=64k") != 0) {
                std::cerr << "cannot mount " << card << "\n";
                break;
            }
            wait_until([&] { return dialog.text(tqr::main_ids::kPath) == card; });
            us.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
            ::umount2(card.c_str(), 0);
            wait_until([&] { return !dialog.window()->windowTitle().contains(QStringLiteral(" - ")); });
        }
        std::sort(us.begin(), us.end());
        if (!us.empty())
            std::cout << us.size() << " mounts: path followed after median " << us[us.size() / 2] << " us, 90% within "
                      << us[us.size() * 9 / 10] << " us, max " << us.back() << " us\n";
        dialog.end_dialog(tqr::fw::IDCANCEL);
        return tqr::fw::IDCANCEL;
    }
    std::optional<std::string> browse_for_folder(QWidget*, const std::string&, const std::string&) override
    {
        return std::nullopt;
    }
};

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1)
        runs = std::max(1, std::atoi(argv[1]));
    if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("tmpfs", "/media", "tmpfs", 0, "size=1m") != 0) {
        std::cerr << "card_watch_bench: needs root and a mount namespace of its own\n";
        return 1;
    }
    BenchApp<MountingUi> app;
    return app.run(1, argv); // N is ours, not Qt's
}
