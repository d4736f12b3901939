#pragma once

// A dialog or page built from a form: controls addressed by numeric id,
// data exchange between controls and members, one handler per control
// notification, and OK/Cancel routed to overridable handlers.

#include "framework/message_box.h"
#include "settings/translatable.h"
#include "settings/value_rules.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tqr::res {
struct FormTemplate;
}

namespace tqr::fw {

class CDataExchange;

class CDialog {
  public:
    explicit CDialog(int form_id);
    virtual ~CDialog();
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    int form_id() const { return form_id_; }

    // Modal run: builds the window (owned by `owner`'s window when given),
    // initialises it and runs it until it ends. Returns IDOK or IDCANCEL.
    int do_modal(QWidget* owner = nullptr);

    // Modeless child: builds the window inside `parent`, shown or hidden as
    // the form says, and initialises it. False when it already exists.
    bool create(QWidget* parent);

    // The dialog's window while it exists.
    QWidget* window() const { return window_; }
    // Destroys the window; the object stays and can be created again.
    void destroy_window();

    // Runs exchange_data in the store (true) or load (false) direction;
    // false at the first failing item, whose message has been shown.
    bool UpdateData(bool save_and_validate = true);

    // Ends a modal run with `result`.
    void end_dialog(int result);
    bool has_ended() const { return ended_; }
    int result() const { return result_; }

    // Controls by id. Unknown ids throw std::out_of_range.
    QWidget* control(int id) const;
    bool has_control(int id) const;
    void enable(int id, bool enabled);
    bool is_enabled(int id) const;
    void show(int id, bool shown);
    bool is_shown(int id) const;
    std::string text(int id) const;
    void set_text(int id, std::string_view text);
    int check_state(int id) const;
    void set_check(int id, int state);
    void reset_list(int id);
    void add_item(int id, std::string_view text);
    int item_count(int id) const;
    std::string item_text(int id, int index) const;
    int selection(int id) const;
    void set_selection(int id, int index);
    void limit_text(int id, int max_chars);
    void set_password_masked(int id, bool masked);
    bool is_password_masked(int id) const;
    // Gives the control the keyboard focus; an edit gets its text selected.
    void focus_control(int id);
    // Whether the edit holds a file-system path rather than record text.
    bool is_path_control(int id) const;

    // The user's own actions, delivered as the window system would: a
    // click on an enabled button, a choice in a list.
    void click(int id);
    void choose(int id, int index);

    // Shows a message box owned by this dialog.
    int message_box(std::string_view text, unsigned style = MB_OK);
    // The same with %1, %2, ... of the translated text filled from `args`.
    int message_box(std::string_view text, const std::vector<std::string>& args, unsigned style = MB_OK);
    int message_box(std::string_view text, const std::vector<std::string>& args, unsigned style, const Phrase& detail);
    // With a second paragraph, `detail`, that says what to fix.
    int message_box_with_detail(std::string_view text, unsigned style, const Phrase& detail);

    // The range a number edit takes, which its refusal names when the
    // edit holds no number at all.
    void set_number_range(int id, rules::Range range) { number_ranges_[id] = range; }
    std::optional<rules::Range> number_range(int id) const;
    // What the user calls an edit: the label in front of it.
    std::string entry_name(int id) const;

    // Runs `action` inside the boundary that every handler runs in: file
    // errors and any other exception end up in a stop box, never in the
    // event loop.
    void dispatch(const std::function<void()>& action);

  protected:
    virtual void exchange_data(CDataExchange& dx);
    // After the controls exist and a load-direction exchange has run.
    // True lets the framework give the focus to the first control.
    virtual bool on_init() { return true; }
    // Button 1, Enter on the default button. The base stores and ends.
    virtual void on_ok();
    // Button 2, Escape, the close box. The base ends with IDCANCEL.
    virtual void on_cancel();

    // The message map: one handler per control notification.
    void on_clicked(int id, std::function<void()> handler);
    void on_selection_changed(int id, std::function<void()> handler);
    void on_text_changed(int id, std::function<void()> handler);

  private:
    enum class Notification { clicked, selection_changed, text_changed };
    struct Handler {
        int id;
        Notification kind;
        std::function<void()> fn;
    };

    void build(QWidget* parent, bool modal);
    void connect_handlers();
    void notify(Notification kind, int id);
    void initialise();

    friend class CDataExchange;
    friend class FormDialogWindow;

    int form_id_;
    // Guarded: a child window goes with its parent, maybe before this object.
    QPointer<QWidget> window_;
    std::map<int, QWidget*> controls_;
    std::map<int, rules::Range> number_ranges_;
    std::vector<std::vector<int>> radio_groups_;
    std::vector<int> path_controls_;
    std::vector<Handler> handlers_;
    int exchanging_ = 0;
    bool ended_ = false;
    int result_ = IDCANCEL;

  public:
    // The radio group that starts with `first_id`, in form order.
    const std::vector<int>& radio_group(int first_id) const;
};

} // namespace tqr::fw
