#pragma once

// Marks an English text that the dialog shows in the user's language. The
// marker leaves the text as it is, so code without Qt (tqrprofile) keeps the
// English; lupdate is told to read it as QT_TRANSLATE_NOOP, which makes the
// text a source text of the translations. The context is always "TQRSetup".
#define TQR_TR_NOOP(context, text) text
