#include "resources/form_template.h"
#include "resources/resource_ids.h"

#include <string>

namespace tqr::res {

namespace {
std::vector<std::string> video_lengths()
{
    std::vector<std::string> items;
    for (int i = 0; i < 56; ++i)
        items.push_back(std::to_string(i + 5) + " sec");
    return items;
}

std::vector<std::string> intervals()
{
    std::vector<std::string> items;
    for (int i = 0; i < 12; ++i)
        items.push_back(std::to_string(5 * i) + " sec");
    for (int i = 12; i < 72; ++i)
        items.push_back(std::to_string(i - 11) + " min");
    return items;
}

std::vector<std::string> time_lapses()
{
    std::vector<std::string> items{"Off"};
    for (int i = 1; i < 12; ++i)
        items.push_back(std::to_string(5 * i) + " sec");
    for (int i = 12; i < 71; ++i)
        items.push_back(std::to_string(i - 11) + " min");
    for (int i = 71; i < 79; ++i)
        items.push_back(std::to_string(i - 70) + " hour");
    return items;
}

constexpr unsigned kList = kTabStop | kVScroll;
constexpr unsigned kTimeEdit = kTabStop | kBorder | kAutoHScroll;
} // namespace

const FormTemplate& camera_form()
{
    // One control per line reads like the form itself.
    // clang-format off
    static const FormTemplate f{
        kCameraForm,
        "",
        227,
        232,
        "Times New Roman",
        10,
        true,
        false,
        {
            {kNoId, ControlKind::GroupBox, "Photo/Video", 7, 6, 209, 59},
            {kNoId, ControlKind::Static, "Camera Mode", 16, 19, 42, 8},
            {1004, ControlKind::DropDownList, "", 60, 17, 46, 39, kList, {"Photo", "Video"}},
            {kNoId, ControlKind::Static, "Photo Size", 17, 34, 42, 8},
            {1005, ControlKind::DropDownList, "", 60, 33, 46, 39, kList, {"3 MP", "5 MP", "6 MP", "8 MP"}},
            {kNoId, ControlKind::Static, "Photo Burst", 17, 49, 42, 8},
            {1006, ControlKind::DropDownList, "", 60, 48, 46, 39, kList, {"1 Photo", "2 Photos", "3 Photos"}},
            {kNoId, ControlKind::Static, "Video Size", 126, 34, 42, 8},
            {1007, ControlKind::DropDownList, "", 170, 33, 38, 39, kList, {"QVGA", "VGA"}},
            {kNoId, ControlKind::Static, "Video Length", 126, 49, 42, 8},
            {1008, ControlKind::DropDownList, "", 170, 48, 38, 56, kList, video_lengths()},
            {kNoId, ControlKind::GroupBox, "PIR/Timer", 7, 73, 209, 59},
            {kNoId, ControlKind::Static, "Sensitivity", 17, 87, 42, 8},
            {1009, ControlKind::DropDownList, "", 60, 84, 46, 39, kList, {"Off", "Low", "Normal", "High"}},
            {kNoId, ControlKind::Static, "Start-Stop", 17, 102, 42, 8},
            {1011, ControlKind::DropDownList, "", 60, 100, 46, 39, kList, {"Off", "On"}},
            {1013, ControlKind::Edit, "", 21, 118, 17, 12, kTimeEdit},
            {kNoId, ControlKind::Static, ":", 43, 118, 8, 8},
            {1014, ControlKind::Edit, "", 51, 118, 17, 12, kTimeEdit},
            {kNoId, ControlKind::Static, "---", 75, 118, 8, 8},
            {1015, ControlKind::Edit, "", 87, 118, 17, 12, kTimeEdit},
            {kNoId, ControlKind::Static, ":", 109, 118, 8, 8},
            {1016, ControlKind::Edit, "", 117, 118, 17, 12, kTimeEdit},
            {kNoId, ControlKind::Static, "Interval", 126, 87, 42, 8},
            {1010, ControlKind::DropDownList, "", 170, 84, 38, 62, kList, intervals()},
            {kNoId, ControlKind::Static, "Time Lapse", 126, 102, 42, 8},
            {1012, ControlKind::DropDownList, "", 170, 100, 38, 63, kList, time_lapses()},
            {kNoId, ControlKind::GroupBox, "System", 7, 139, 209, 50},
            {kNoId, ControlKind::Static, "Time Stamp", 17, 153, 42, 8},
            {1018, ControlKind::DropDownList, "", 60, 151, 46, 39, kList, {"Off", "On"}},
            {kNoId, ControlKind::Static, "Flash Range", 126, 153, 42, 8},
            {1019, ControlKind::DropDownList, "", 170, 151, 38, 39, kList, {"6m/20ft", "12m/40ft"}},
            {kNoId, ControlKind::Static, "Password", 17, 169, 42, 8},
            {1020, ControlKind::DropDownList, "", 60, 168, 46, 39, kList, {"Off", "On"}},
            {1033, ControlKind::Edit, "", 116, 168, 21, 12, kTabStop | kBorder | kPassword | kDigits},
            {1050, ControlKind::PushButton, "Default", 175, 213, 40, 12, kTabStop},
        },
    };
    // clang-format on
    return f;
}

} // namespace tqr::res
