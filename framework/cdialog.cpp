#include "framework/cdialog.h"

#include "framework/accessible_names.h"
#include "framework/data_exchange.h"
#include "framework/dialog_units.h"
#include "framework/edit_typing.h"
#include "framework/etched_frame.h"
#include "framework/ip_address_ctrl.h"
#include "framework/radio_groups.h"
#include "framework/tab_ctrl.h"
#include "framework/text_codec.h"
#include "framework/translation.h"
#include "framework/ui_services.h"
#include "resources/app_icon.h"
#include "resources/form_template.h"
#include "settings/file_exception.h"
#include "settings/translatable.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QChildEvent>
#include <QComboBox>
#include <QDialog>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <stdexcept>

namespace tqr::fw {

namespace {
constexpr const char* kUnexpectedError =
    TQR_TR_NOOP("TQRSetup", "The action could not be completed because of an unexpected error. "
                            "Your entries are still there; please try again.");
} // namespace

// The window of a modal dialog: Escape and the close box reach on_cancel.
class FormDialogWindow : public QDialog {
  public:
    FormDialogWindow(CDialog& owner, QWidget* parent) : QDialog(parent), owner_(owner) {}

    void reject() override
    {
        owner_.dispatch([this] { owner_.on_cancel(); });
    }

  private:
    CDialog& owner_;
};

namespace {

// A group box as the classic dialogs draw it: an etched frame whose title
// sits on its top line. Plain lines, so it paints quickly.
class GroupFrame : public QWidget {
  public:
    GroupFrame(const QString& title, QWidget* parent) : QWidget(parent), title_(title)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAccessibleName(title); // as a group box is announced
    }
    QString title() const { return title_; }
    void set_title(const QString& title)
    {
        title_ = title;
        setAccessibleName(title);
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        paint_etched_frame(p, *this, title_);
    }

  private:
    QString title_;
};

// A drop-down list. Qt builds a list's popup the first time anyone asks
// for it (the user opening it, a screen reader walking the form), not with
// the list; the popup's list view, which the reader is in while choosing,
// then takes the list's own name.
class DropDownList : public QComboBox {
  public:
    using QComboBox::QComboBox;

  protected:
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::ChildAdded && static_cast<QChildEvent*>(e)->child()->isWidgetType())
            static_cast<QChildEvent*>(e)->child()->installEventFilter(this);
        return QComboBox::event(e);
    }
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() == QEvent::ChildAdded)
            if (auto* view = qobject_cast<QAbstractItemView*>(static_cast<QChildEvent*>(e)->child()))
                view->setAccessibleName(accessibleName());
        return QComboBox::eventFilter(watched, e);
    }
};

// A list entry in the user's language; a generated one such as "5 sec"
// through its unit's source text "%1 sec".
QString shown_choice(const std::string& item)
{
    const auto space = item.find(' ');
    if (space == std::string::npos || space == 0 || item.find_first_not_of("0123456789") != space)
        return shown_text(item);
    const QString whole = shown_text(item);
    if (whole != from_ansi(item))
        return whole;
    return translated("%1" + item.substr(space), {item.substr(0, space)});
}

// The entry a list showed after the program or the user last chose one.
constexpr const char* kShownEntry = "tqrShownEntry";

void remember_shown_entry(QComboBox* box)
{
    box->setProperty(kShownEntry, box->currentIndex());
}

QWidget* make_control(const res::ControlTemplate& c, QWidget* parent)
{
    using res::ControlKind;
    const QString text = shown_text(c.text);
    switch (c.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefPushButton: {
        auto* b = new QPushButton(text, parent);
        // A push button with the focus is the default one while it has it:
        // Enter presses it. Elsewhere Enter presses the form's default.
        b->setAutoDefault(true);
        b->setDefault(c.kind == ControlKind::DefPushButton);
        return b;
    }
    case ControlKind::Edit: return make_edit(parent, c.style);
    case ControlKind::Static: {
        auto* l = new QLabel(text, parent);
        l->setTextFormat(Qt::PlainText);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return l;
    }
    case ControlKind::GroupBox: return new GroupFrame(text, parent);
    case ControlKind::CheckBox: return new QCheckBox(text, parent);
    case ControlKind::RadioButton: return new QRadioButton(text, parent);
    case ControlKind::DropDownList: {
        auto* box = new DropDownList(parent);
        for (const auto& item : c.items)
            box->addItem(shown_choice(item));
        box->setCurrentIndex(-1);
        remember_shown_entry(box);
        return box;
    }
    case ControlKind::TabControl: return new TabControlWidget(parent);
    case ControlKind::IpAddress: return new IpAddressWidget(parent);
    case ControlKind::Icon: {
        auto* l = new QLabel(parent);
        l->setPixmap(res::app_icon().pixmap(32, 32));
        return l;
    }
    case ControlKind::BusyBar: {
        // No range: the style animates it for as long as it is shown.
        auto* bar = new QProgressBar(parent);
        bar->setRange(0, 0);
        bar->setTextVisible(false);
        return bar;
    }
    }
    return new QWidget(parent);
}

} // namespace

CDialog::CDialog(int form_id) : form_id_(form_id)
{
}

CDialog::~CDialog()
{
    destroy_window();
}

void CDialog::destroy_window()
{
    controls_.clear();
    radio_groups_.clear();
    path_controls_.clear();
    if (window_ == nullptr)
        return;
    QWidget* w = window_;
    window_ = nullptr;
    delete w;
}

void CDialog::build(QWidget* parent, bool modal)
{
    const res::FormTemplate& f = res::form(form_id_);
    QWidget* w = nullptr;
    if (modal) {
        auto* dlg = new FormDialogWindow(*this, parent ? parent->window() : nullptr);
        dlg->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint);
        dlg->setModal(true);
        w = dlg;
    } else {
        w = new QWidget(parent);
    }
    window_ = w;
    w->setWindowTitle(shown_text(f.caption));
    const QFont font = form_font(f.font_family, f.font_points);
    w->setFont(font);
    const DialogUnits du = dialog_units_of(f.font_family, f.font_points);
    // A dialog keeps its form's size; a child page is placed by its owner.
    if (modal)
        w->setFixedSize(du.x(f.w), du.y(f.h));
    else
        w->resize(du.x(f.w), du.y(f.h));

    std::vector<int>* group = nullptr;
    QButtonGroup* buttons = nullptr;
    std::vector<QWidget*> made;
    std::vector<std::pair<std::vector<QRadioButton*>, bool>> keyed_groups;
    for (const auto& c : f.controls) {
        QWidget* ctl = make_control(c, w);
        made.push_back(ctl);
        QRect r = du.rect(c.x, c.y, c.w, c.h);
        if (c.kind == res::ControlKind::DropDownList) {
            // The form gives the height of the open list; the closed box is
            // as tall as an edit of the form's font.
            r.setHeight(du.y(12));
            static_cast<QComboBox*>(ctl)->setMaxVisibleItems(std::max(3, (c.h - 12) / 8));
        }
        ctl->setGeometry(r);
        if (!(c.style & res::kTabStop) && c.kind != res::ControlKind::Static && c.kind != res::ControlKind::GroupBox)
            ctl->setFocusPolicy(Qt::ClickFocus);
        if (c.style & res::kDisabled)
            ctl->setEnabled(false);
        if (c.style & res::kHidden)
            ctl->setVisible(false);
        if (c.kind == res::ControlKind::RadioButton) {
            if (group == nullptr || (c.style & res::kGroup)) {
                radio_groups_.emplace_back();
                group = &radio_groups_.back();
                buttons = new QButtonGroup(w);
                buttons->setExclusive(true);
                keyed_groups.push_back({{}, (c.style & res::kTabStop) != 0});
            }
            group->push_back(c.id);
            buttons->addButton(static_cast<QRadioButton*>(ctl));
            keyed_groups.back().first.push_back(static_cast<QRadioButton*>(ctl));
        } else {
            group = nullptr;
        }
        ctl->setObjectName(QStringLiteral("ctl%1").arg(c.id));
        if (c.id != res::kNoId)
            controls_[c.id] = ctl;
        if (c.style & res::kPathText)
            path_controls_.push_back(c.id);
    }
    for (const auto& [radios, tab_stop] : keyed_groups)
        make_radio_group(radios, tab_stop);
    name_controls(f, made);
    connect_handlers();
}

void CDialog::connect_handlers()
{
    // Buttons 1 and 2 are OK and Cancel unless the dialog says otherwise.
    if (has_control(IDOK))
        if (auto* b = qobject_cast<QAbstractButton*>(control(IDOK)))
            QObject::connect(b, &QAbstractButton::clicked, window_, [this] { dispatch([this] { on_ok(); }); });
    if (has_control(IDCANCEL))
        if (auto* b = qobject_cast<QAbstractButton*>(control(IDCANCEL)))
            QObject::connect(b, &QAbstractButton::clicked, window_, [this] { dispatch([this] { on_cancel(); }); });

    std::map<std::pair<int, Notification>, bool> connected;
    for (const auto& h : handlers_) {
        if (!has_control(h.id) || connected[{h.id, h.kind}])
            continue;
        connected[{h.id, h.kind}] = true;
        QWidget* ctl = control(h.id);
        const int id = h.id;
        switch (h.kind) {
        case Notification::clicked:
            if (auto* b = qobject_cast<QAbstractButton*>(ctl))
                QObject::connect(b, &QAbstractButton::clicked, window_,
                                 [this, id] { notify(Notification::clicked, id); });
            break;
        case Notification::selection_changed:
            // As in a classic list, choosing the entry it already shows
            // changes nothing and notifies no one.
            if (auto* box = qobject_cast<QComboBox*>(ctl))
                QObject::connect(box, &QComboBox::activated, window_, [this, id, box](int index) {
                    if (box->property(kShownEntry).toInt() == index)
                        return;
                    box->setProperty(kShownEntry, index);
                    notify(Notification::selection_changed, id);
                });
            break;
        case Notification::text_changed:
            if (auto* e = qobject_cast<QLineEdit*>(ctl))
                QObject::connect(e, &QLineEdit::textChanged, window_,
                                 [this, id] { notify(Notification::text_changed, id); });
            else if (auto* pe = qobject_cast<QPlainTextEdit*>(ctl))
                QObject::connect(pe, &QPlainTextEdit::textChanged, window_,
                                 [this, id] { notify(Notification::text_changed, id); });
            break;
        }
    }
}

void CDialog::notify(Notification kind, int id)
{
    // While the dialog itself writes into its controls, their change
    // notifications are not the user's doing and reach no handler.
    if (exchanging_ > 0 && kind != Notification::clicked)
        return;
    for (const auto& h : handlers_)
        if (h.id == id && h.kind == kind)
            dispatch(h.fn);
}

void CDialog::on_clicked(int id, std::function<void()> handler)
{
    handlers_.push_back({id, Notification::clicked, std::move(handler)});
}

void CDialog::on_selection_changed(int id, std::function<void()> handler)
{
    handlers_.push_back({id, Notification::selection_changed, std::move(handler)});
}

void CDialog::on_text_changed(int id, std::function<void()> handler)
{
    handlers_.push_back({id, Notification::text_changed, std::move(handler)});
}

void CDialog::initialise()
{
    UpdateData(false);
    if (on_init()) {
        const res::FormTemplate& f = res::form(form_id_);
        for (const auto& c : f.controls) {
            if (c.id == res::kNoId || !(c.style & res::kTabStop))
                continue;
            QWidget* ctl = control(c.id);
            if (ctl->isEnabled() && !(c.style & res::kHidden) && ctl->isVisibleTo(window_)) {
                focus_control(c.id);
                break;
            }
        }
    }
}

int CDialog::do_modal(QWidget* owner)
{
    destroy_window();
    ended_ = false;
    result_ = IDCANCEL;
    build(owner, true);
    dispatch([this] { initialise(); });
    const int result = current_ui().run_modal(*this);
    destroy_window();
    return result;
}

bool CDialog::create(QWidget* parent)
{
    if (window_ != nullptr)
        return false;
    build(parent, false);
    const res::FormTemplate& f = res::form(form_id_);
    window_->setVisible(f.visible);
    dispatch([this] { initialise(); });
    return true;
}

void CDialog::end_dialog(int result)
{
    ended_ = true;
    result_ = result;
    if (auto* dlg = qobject_cast<QDialog*>(window_))
        dlg->done(result);
}

void CDialog::on_ok()
{
    if (UpdateData(true))
        end_dialog(IDOK);
}

void CDialog::on_cancel()
{
    end_dialog(IDCANCEL);
}

void CDialog::exchange_data(CDataExchange&)
{
}

bool CDialog::UpdateData(bool save_and_validate)
{
    CDataExchange dx(*this, save_and_validate);
    ++exchanging_;
    bool ok = true;
    try {
        exchange_data(dx);
    } catch (const ExchangeFailure&) {
        ok = false;
    } catch (...) {
        --exchanging_;
        throw;
    }
    --exchanging_;
    return ok;
}

void CDialog::dispatch(const std::function<void()>& action)
{
    try {
        action();
    } catch (const CFileException& e) {
        message_box(e.cause_text(),
                    {e.file_name().empty() ? translated_utf8(CFileException::kUnnamedFile) : e.file_name()},
                    MB_ICONHAND | MB_OK);
    } catch (const std::exception&) {
        message_box(kUnexpectedError, MB_ICONHAND | MB_OK);
    } catch (...) {
        message_box(kUnexpectedError, MB_ICONHAND | MB_OK);
    }
}

int CDialog::message_box(std::string_view text, unsigned style)
{
    return fw::message_box(window_, text, style);
}

int CDialog::message_box(std::string_view text, const std::vector<std::string>& args, unsigned style)
{
    return fw::message_box(window_, text, args, style);
}

int CDialog::message_box(std::string_view text, const std::vector<std::string>& args, unsigned style,
                         const Phrase& detail)
{
    return fw::message_box(window_, text, args, style, detail);
}

int CDialog::message_box_with_detail(std::string_view text, unsigned style, const Phrase& detail)
{
    return fw::message_box(window_, text, {}, style, detail);
}

std::optional<rules::Range> CDialog::number_range(int id) const
{
    const auto it = number_ranges_.find(id);
    return it == number_ranges_.end() ? std::nullopt : std::optional<rules::Range>(it->second);
}

std::string CDialog::entry_name(int id) const
{
    return control(id)->accessibleName().toStdString();
}

QWidget* CDialog::control(int id) const
{
    const auto it = controls_.find(id);
    if (it == controls_.end() || window_ == nullptr)
        throw std::out_of_range("no control " + std::to_string(id) + " in form " + std::to_string(form_id_));
    return it->second;
}

bool CDialog::has_control(int id) const
{
    return window_ != nullptr && controls_.count(id) != 0;
}

void CDialog::enable(int id, bool enabled)
{
    control(id)->setEnabled(enabled);
}

bool CDialog::is_enabled(int id) const
{
    return control(id)->isEnabled();
}

void CDialog::show(int id, bool shown)
{
    control(id)->setVisible(shown);
}

bool CDialog::is_shown(int id) const
{
    return control(id)->isVisibleTo(window_);
}

bool CDialog::is_path_control(int id) const
{
    return std::find(path_controls_.begin(), path_controls_.end(), id) != path_controls_.end();
}

std::string CDialog::text(int id) const
{
    QWidget* c = control(id);
    const bool path = is_path_control(id);
    if (auto* e = qobject_cast<QLineEdit*>(c))
        return path ? to_path_bytes(e->text()) : to_ansi(e->text());
    if (auto* pe = qobject_cast<QPlainTextEdit*>(c))
        return multi_line_text(pe);
    if (auto* b = qobject_cast<QAbstractButton*>(c))
        return to_ansi(b->text());
    if (auto* l = qobject_cast<QLabel*>(c))
        return to_ansi(l->text());
    if (auto* g = dynamic_cast<GroupFrame*>(c))
        return to_ansi(g->title());
    if (auto* box = qobject_cast<QComboBox*>(c))
        return to_ansi(box->currentText());
    return {};
}

void CDialog::set_text(int id, std::string_view text)
{
    QWidget* c = control(id);
    const bool path = is_path_control(id);
    if (auto* e = qobject_cast<QLineEdit*>(c))
        set_edit_text(e, path ? from_path_bytes(text) : from_ansi(text));
    else if (auto* pe = qobject_cast<QPlainTextEdit*>(c))
        set_multi_line_text(pe, text);
    else if (auto* b = qobject_cast<QAbstractButton*>(c))
        b->setText(shown_text(text));
    else if (auto* l = qobject_cast<QLabel*>(c))
        l->setText(shown_text(text));
    else if (auto* g = dynamic_cast<GroupFrame*>(c))
        g->set_title(shown_text(text));
}

int CDialog::check_state(int id) const
{
    auto* b = qobject_cast<QAbstractButton*>(control(id));
    if (auto* cb = qobject_cast<QCheckBox*>(b))
        return cb->checkState() == Qt::Checked ? 1 : cb->checkState() == Qt::PartiallyChecked ? 2 : 0;
    return b != nullptr && b->isChecked() ? 1 : 0;
}

void CDialog::set_check(int id, int state)
{
    auto* b = qobject_cast<QAbstractButton*>(control(id));
    if (auto* cb = qobject_cast<QCheckBox*>(b)) {
        if (state == 2)
            cb->setTristate(true);
        cb->setCheckState(state == 1 ? Qt::Checked : state == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
        return;
    }
    if (auto* rb = qobject_cast<QRadioButton*>(b)) {
        // An exclusive group refuses to uncheck its checked button.
        QButtonGroup* g = rb->group();
        if (g != nullptr && state == 0 && rb->isChecked()) {
            g->setExclusive(false);
            rb->setChecked(false);
            g->setExclusive(true);
            return;
        }
        rb->setChecked(state != 0);
    }
}

void CDialog::reset_list(int id)
{
    auto* box = qobject_cast<QComboBox*>(control(id));
    box->clear();
    remember_shown_entry(box);
}

void CDialog::add_item(int id, std::string_view text)
{
    auto* box = qobject_cast<QComboBox*>(control(id));
    const int current = box->currentIndex();
    box->addItem(from_ansi(text));
    // Adding to an empty list selects nothing.
    box->setCurrentIndex(current);
    remember_shown_entry(box);
}

int CDialog::item_count(int id) const
{
    return qobject_cast<QComboBox*>(control(id))->count();
}

std::string CDialog::item_text(int id, int index) const
{
    return to_ansi(qobject_cast<QComboBox*>(control(id))->itemText(index));
}

int CDialog::selection(int id) const
{
    return qobject_cast<QComboBox*>(control(id))->currentIndex();
}

void CDialog::set_selection(int id, int index)
{
    auto* box = qobject_cast<QComboBox*>(control(id));
    box->setCurrentIndex(index >= 0 && index < box->count() ? index : -1);
    remember_shown_entry(box);
}

void CDialog::limit_text(int id, int max_chars)
{
    if (auto* e = qobject_cast<QLineEdit*>(control(id)))
        set_edit_limit(e, max_chars);
}

void CDialog::set_password_masked(int id, bool masked)
{
    qobject_cast<QLineEdit*>(control(id))->setEchoMode(masked ? QLineEdit::Password : QLineEdit::Normal);
}

bool CDialog::is_password_masked(int id) const
{
    return qobject_cast<QLineEdit*>(control(id))->echoMode() == QLineEdit::Password;
}

void CDialog::focus_control(int id)
{
    QWidget* c = control(id);
    if (auto* ip = dynamic_cast<IpAddressWidget*>(c))
        c = ip->field(0);
    c->setFocus(Qt::OtherFocusReason);
    if (auto* e = qobject_cast<QLineEdit*>(c))
        e->selectAll();
    else if (auto* pe = qobject_cast<QPlainTextEdit*>(c))
        pe->selectAll();
}

void CDialog::click(int id)
{
    if (auto* b = qobject_cast<QAbstractButton*>(control(id)))
        b->click();
}

void CDialog::choose(int id, int index)
{
    auto* box = qobject_cast<QComboBox*>(control(id));
    if (!box->isEnabled() || index < 0 || index >= box->count())
        return;
    box->setCurrentIndex(index);
    emit box->activated(index);
}

const std::vector<int>& CDialog::radio_group(int first_id) const
{
    for (const auto& g : radio_groups_)
        if (!g.empty() && g.front() == first_id)
            return g;
    throw std::out_of_range("no radio group starting at " + std::to_string(first_id));
}

} // namespace tqr::fw
