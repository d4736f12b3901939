#pragma once

// Dialog forms as data: every control with its id, kind, text and rectangle
// in dialog units, in form order (which is also the keyboard order).

#include <string>
#include <vector>

namespace tqr::res {

enum class ControlKind {
    PushButton,
    DefPushButton,
    Edit,
    Static,
    GroupBox,
    CheckBox,
    RadioButton,
    DropDownList,
    TabControl,
    IpAddress,
    Icon,
    BusyBar, // an endless progress bar: work is going on
};

// Styles; only those that make sense for the kind are looked at.
enum Style : unsigned {
    kNone = 0,
    kTabStop = 1u << 0,
    kGroup = 1u << 1, // starts a group (radio buttons)
    kDisabled = 1u << 2,
    kHidden = 1u << 3,
    kPassword = 1u << 4,  // edit: masked
    kDigits = 1u << 5,    // edit: digits only
    kMultiLine = 1u << 6, // edit
    kAutoHScroll = 1u << 7,
    kAutoVScroll = 1u << 8,
    kBorder = 1u << 9,
    kVScroll = 1u << 10, // drop-down list: scroll bar in its list
    kNoPrefix = 1u << 11,
    kAutoCheck = 1u << 12,  // check box toggles itself
    kPathText = 1u << 13,   // edit holding a file-system path: UTF-8, not the 8-bit record text
    kWantReturn = 1u << 14, // multi-line edit: Enter breaks the line instead of pressing the default
};

inline constexpr int kNoId = -1;

struct ControlTemplate {
    ControlTemplate(int id_, ControlKind kind_, std::string text_, int x_, int y_, int w_, int h_,
                    unsigned style_ = kNone, std::vector<std::string> items_ = {}, std::string name_ = {})
        : id(id_), kind(kind_), text(std::move(text_)), x(x_), y(y_), w(w_), h(h_), style(style_),
          items(std::move(items_)), name(std::move(name_))
    {
    }

    int id = kNoId;
    ControlKind kind = ControlKind::Static;
    std::string text;
    int x = 0, y = 0, w = 0, h = 0; // dialog units; a list's h is its open height
    unsigned style = kNone;
    std::vector<std::string> items; // drop-down list entries, in order
    // What a screen reader calls a control that has no label of its own
    // standing before it; empty where the label says it.
    std::string name;
};

struct FormTemplate {
    int id = 0;
    std::string caption;
    int w = 0, h = 0; // dialog units
    std::string font_family;
    int font_points = 8;
    bool child = false;   // borderless child form without caption
    bool visible = false; // shown as soon as it is created
    std::vector<ControlTemplate> controls;
};

// The form with the given id; throws std::out_of_range for an unknown id.
const FormTemplate& form(int id);
// Makes a form of the caller's known by its id (the framework's tests
// bring a form of their own).
void add_form(const FormTemplate& f);

// The forms, each defined in a source file of its own.
const FormTemplate& about_form();
const FormTemplate& main_form();
const FormTemplate& gsm_form();
const FormTemplate& camera_form();
const FormTemplate& operator_param_form();
const FormTemplate& email_set_form();
const FormTemplate& mail_check_form();
const FormTemplate& operator_lookup_form();

} // namespace tqr::res
