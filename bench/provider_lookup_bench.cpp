// Figures of the operator look-up: how many of the database's MMS access
// points fill "Operator Param" completely and why the others need a note,
// and the time from "Look up..." to the picker on screen, the first time
// (the database is read) and later (it is kept).
//   provider_lookup_bench [database]
#include "editors/operator_lookup_dialog.h"
#include "providers/operator_fill.h"
#include "providers/provider_database.h"

#include <QApplication>

#include <chrono>
#include <iostream>
#include <map>

using namespace tqr;
using Clock = std::chrono::steady_clock;

int main(int argc, char** argv)
{
    QApplication qapp(argc, argv);
    const std::string path = argc > 1 ? argv[1] : providers::database_path();

    std::optional<providers::Database> db;
    for (int run = 0; run < 6; ++run) {
        const auto start = Clock::now();
        if (!db) {
            auto loaded = providers::load_database(path);
            if (!loaded.database) {
                std::cerr << loaded.error.english() << "\n";
                return 1;
            }
            db = std::move(loaded.database);
        }
        OperatorLookupDialog picker(*db);
        picker.create(nullptr);
        picker.window()->show();
        QApplication::processEvents();
        const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        std::cout << (run == 0 ? "picker open, first: " : "picker open, later: ") << ms << " ms\n";
        picker.destroy_window();
    }

    int total = 0, complete = 0;
    std::map<std::string, int> reasons;
    for (const auto& c : db->countries)
        for (const auto& op : c.operators)
            for (const auto& mms : op.mms_apns) {
                ++total;
                // Only the MMS part counts here; the data APN is filled apart.
                const auto fill = providers::plan_fill(op, &mms, &mms);
                if (fill.notes.empty())
                    ++complete;
                for (const auto& phrase : fill.notes) {
                    const std::string note = phrase.english();
                    std::string reason = note;
                    for (const char* key : {"host name", "gives no port", "no MMS proxy", "longer than",
                                            "characters the camera", "port of the MMS proxy"})
                        if (note.find(key) != std::string::npos)
                            reason = std::string(key) + (note.find("URL") != std::string::npos ? " (URL)" : "");
                    ++reasons[reason];
                }
            }
    std::cout << "MMS APNs: " << total << ", fill completely: " << complete << "\n";
    for (const auto& [reason, count] : reasons)
        std::cout << "  note \"" << reason << "\": " << count << "\n";
    return 0;
}
