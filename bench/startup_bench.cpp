// Start-up as the tool does it: load the settings, build the main dialog
// with both pages, show it, process events until its first paint, exit.
#include "app/setup_app.h"
#include "framework/cdialog.h"
#include "framework/ui_services.h"

#include "bench/bench_app.h"
#include "bench/first_paint.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace {

// Shows the main dialog instead of running it, and ends it once painted.
class ShowUntilPaintedUi final : public tqr::fw::UiServices {
  public:
    int message_box(const tqr::fw::MessageBoxRequest&) override { return tqr::fw::IDOK; }
    int run_modal(tqr::fw::CDialog& dialog) override
    {
        show_until_painted(dialog.window());
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
    BenchApp<ShowUntilPaintedUi> app;
    return app.run(argc, argv);
}
