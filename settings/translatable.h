#pragma once

// Marks an English text that the dialog shows in the user's language. The
// marker leaves the text as it is, so code without Qt (tqrprofile) keeps the
// English; lupdate is told to read it as QT_TRANSLATE_NOOP, which makes the
// text a source text of the translations. The context is always "TQRSetup".
#define TQR_TR_NOOP(context, text) text

#include <string>
#include <vector>

namespace tqr {

// A sentence put together from parts: its source text with %1, %2, ... and
// what fills them (names, numbers, a server's reply), so that the dialog can
// translate the sentence and the command line print the English.
struct Phrase {
    Phrase() = default;
    explicit Phrase(const char* text_, std::vector<std::string> args_ = {}) : text(text_), args(std::move(args_)) {}

    const char* text = "";
    std::vector<std::string> args;
    // What follows it, each with a source text of its own.
    std::vector<Phrase> then;

    // The English with the arguments filled in, in one pass.
    std::string english() const;
};

} // namespace tqr
