#include "framework/edit_typing.h"

#include "framework/text_codec.h"
#include "resources/form_template.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QValidator>

#include <algorithm>

namespace tqr::fw {

namespace {

// Whether every character of `text` can go into a record text; line breaks
// can, in a multi-line edit.
bool record_chars(const QString& text, bool line_breaks)
{
    return std::all_of(text.begin(), text.end(), [&](QChar c) { return is_ansi(c) || (line_breaks && c == u'\n'); });
}

QString record_chars_only(const QString& text, bool line_breaks)
{
    QString out;
    for (const QChar c : text)
        if (is_ansi(c) || (line_breaks && c == u'\n'))
            out += c;
    return out;
}

// Digits only where the form says so, only characters the record can hold
// (a paste keeps those that are), and no more characters than the limit:
// a paste keeps its first characters that fit, a typed character beyond it
// is refused. A longer text that the program put into the edit is not cut.
class EditInputValidator : public QValidator {
  public:
    EditInputValidator(QLineEdit* edit, bool digits_only, bool record_text)
        : QValidator(edit), digits_(digits_only), record_text_(record_text)
    {
        QObject::connect(edit, &QLineEdit::textChanged, this, [this](const QString& t) { shown_ = t.size(); });
    }

    void set_limit(int limit) { limit_ = limit; }
    // While the program puts its text into the edit, nothing is checked.
    bool program_text = false;

    State validate(QString& input, int& pos) const override
    {
        if (program_text)
            return Acceptable;
        if (digits_ && !std::all_of(input.begin(), input.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
            return Invalid;
        if (record_text_)
            for (qsizetype i = input.size(); i-- > 0;)
                if (!is_ansi(input[i])) {
                    input.remove(i, 1);
                    if (i < pos)
                        --pos;
                }
        const qsizetype room = std::max<qsizetype>(limit_, shown_);
        if (limit_ >= 0 && input.size() > room) {
            // What was inserted ends at the cursor: cut its tail.
            const qsizetype excess = std::min<qsizetype>(input.size() - room, pos);
            input.remove(pos - excess, excess);
            pos -= static_cast<int>(excess);
            if (input.size() > room)
                return Invalid;
        }
        return Acceptable;
    }

  private:
    bool digits_;
    bool record_text_;
    int limit_ = -1;
    qsizetype shown_ = 0; // length of the text the edit shows now
};

// A multi-line edit as the classic one without the want-return style:
// Enter is the dialog's (its default button), Ctrl+Enter breaks the line.
// It takes only characters the record can hold.
class MultiLineEdit : public QPlainTextEdit {
  public:
    MultiLineEdit(QWidget* parent, bool want_return) : QPlainTextEdit(parent), want_return_(want_return)
    {
        setTabChangesFocus(true);
        setLineWrapMode(QPlainTextEdit::WidgetWidth);
    }

  protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
        const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
        if (enter && !want_return_) {
            if (mods == Qt::ControlModifier) {
                insertPlainText(QStringLiteral("\n"));
                e->accept();
            } else {
                e->ignore(); // on to the dialog
            }
            return;
        }
        // A typed character the record cannot hold (an emoji's two halves
        // included) is refused, as a digits-only edit refuses a letter.
        const QString typed = e->text();
        const bool control = typed.size() == 1 && typed.at(0).category() == QChar::Other_Control;
        if (!typed.isEmpty() && !control && !record_chars(typed, false)) {
            e->accept();
            return;
        }
        QPlainTextEdit::keyPressEvent(e);
    }

    void insertFromMimeData(const QMimeData* source) override
    {
        if (source->hasText())
            insertPlainText(record_chars_only(source->text(), true));
    }

    void inputMethodEvent(QInputMethodEvent* e) override
    {
        const QString commit = record_chars_only(e->commitString(), true);
        if (commit == e->commitString()) {
            QPlainTextEdit::inputMethodEvent(e);
            return;
        }
        QInputMethodEvent filtered(e->preeditString(), e->attributes());
        filtered.setCommitString(commit, e->replacementStart(), e->replacementLength());
        QPlainTextEdit::inputMethodEvent(&filtered);
    }

  private:
    bool want_return_;
};

// A lone CR or LF cannot be a line of its own in the edit: it is shown as
// an arrow and given back as the byte. The arrows are in the form's fonts
// (the control pictures are in none of them, and showed as a blank), and
// not in the record's code page, so the user cannot type one.
constexpr char16_t kLoneCr = 0x2190; // leftwards arrow, where the carriage goes
constexpr char16_t kLoneLf = 0x2193; // downwards arrow, a line down

} // namespace

QWidget* make_edit(QWidget* parent, unsigned style)
{
    if (style & res::kMultiLine)
        return new MultiLineEdit(parent, (style & res::kWantReturn) != 0);
    auto* e = new QLineEdit(parent);
    e->setValidator(new EditInputValidator(e, (style & res::kDigits) != 0, (style & res::kPathText) == 0));
    if (style & res::kPassword)
        e->setEchoMode(QLineEdit::Password);
    return e;
}

namespace {
EditInputValidator* input_validator(QLineEdit* edit)
{
    return const_cast<EditInputValidator*>(dynamic_cast<const EditInputValidator*>(edit->validator()));
}
} // namespace

void set_edit_limit(QLineEdit* edit, int max_chars)
{
    if (auto* v = input_validator(edit))
        v->set_limit(max_chars);
}

void set_edit_text(QLineEdit* edit, const QString& text)
{
    auto* v = input_validator(edit);
    if (v != nullptr)
        v->program_text = true;
    edit->setText(text);
    if (v != nullptr)
        v->program_text = false;
}

std::string multi_line_text(const QPlainTextEdit* edit)
{
    // The raw text keeps no-break spaces; its paragraph separators are the
    // line breaks the user typed.
    const QString raw = edit->document()->toRawText();
    std::string out;
    for (const QChar c : raw) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator || c == u'\n')
            out += "\r\n";
        else if (c == kLoneCr)
            out += '\r';
        else if (c == kLoneLf)
            out += '\n';
        else
            out += to_ansi(QString(c));
    }
    return out;
}

void set_multi_line_text(QPlainTextEdit* edit, std::string_view text)
{
    QString shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            shown += u'\n';
            ++i;
        } else if (text[i] == '\r') {
            shown += QChar(kLoneCr);
        } else if (text[i] == '\n') {
            shown += QChar(kLoneLf);
        } else {
            shown += from_ansi(text.substr(i, 1));
        }
    }
    edit->setPlainText(shown);
}

} // namespace tqr::fw
