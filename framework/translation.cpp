#include "framework/translation.h"

#include "framework/text_codec.h"
#include "settings/translatable.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <algorithm>

namespace tqr::fw {

QString translated(std::string_view source)
{
    const std::string key(source);
    return QCoreApplication::translate(kTextContext, key.c_str());
}

QString translated(std::string_view source, const std::vector<std::string>& args)
{
    return QString::fromStdString(translated_utf8(source, args));
}

std::string translated_utf8(std::string_view source, const std::vector<std::string>& args)
{
    // Untranslated texts and the arguments go in byte for byte: a folder's
    // name need not be UTF-8.
    const QString t = translated(source);
    const std::string pattern = t == QString::fromUtf8(source.data(), static_cast<qsizetype>(source.size()))
                                    ? std::string(source)
                                    : t.toStdString();
    return Phrase{pattern.c_str(), args}.english();
}

std::string translated_utf8(const Phrase& phrase)
{
    std::string out = translated_utf8(phrase.text, phrase.args);
    for (const Phrase& next : phrase.then)
        out += translated_utf8(next);
    return out;
}

std::string translated_ansi(std::string_view source, const std::vector<std::string>& args)
{
    return to_ansi(translated(source, args));
}

QString shown_text(std::string_view text)
{
    // Only ASCII texts are source texts; anything else is data to show as it is.
    const bool ascii = std::all_of(text.begin(), text.end(), [](char c) { return (c & 0x80) == 0; });
    return ascii && !text.empty() ? translated(text) : from_ansi(text);
}

namespace {

bool english(const QString& lang)
{
    return lang == u'C' || lang == u"POSIX" || lang.startsWith(u"en");
}

// The desktop's languages in its order of preference; English, where it
// comes first, is the source and ends the search. Each language is tried
// with its territory, then without; Norwegian given as "no" or as Nynorsk
// ("nn") reads the Bokmål translation.
bool load_first(QTranslator& translator, const QLocale& locale)
{
    for (QString lang : locale.uiLanguages()) {
        lang.replace(u'-', u'_');
        if (english(lang))
            return false;
        const QString prefix = QStringLiteral(":/i18n/tqrsetup_");
        const QString base = lang.section(u'_', 0, 0);
        const bool norwegian = base == u"no" || base == u"nn";
        if (translator.load(prefix + lang) || translator.load(prefix + base) ||
            (norwegian && translator.load(prefix + QStringLiteral("nb"))))
            return true;
    }
    return false;
}

// Qt's own texts (a message box's buttons) in `spoken`. Qt ships no Bokmål
// but Nynorsk, whose buttons read the same ("Ja", "Nei", "Avbryt").
bool load_qt_texts(QTranslator& qt, const QLocale& spoken)
{
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const QString name = QStringLiteral("qtbase");
    const QString sep = QStringLiteral("_");
    return qt.load(spoken, name, sep, dir) || (spoken.language() == QLocale::NorwegianBokmal &&
                                               qt.load(QLocale(QLocale::NorwegianNynorsk), name, sep, dir));
}

QLocale wanted(const std::string& language)
{
    return language.empty() ? QLocale::system() : QLocale(QString::fromStdString(language));
}

} // namespace

std::string install_translation(const std::string& language)
{
    // Ours and Qt's own (the standard buttons of a message box), replaced
    // when called again.
    static QTranslator ours;
    static QTranslator qt;
    QCoreApplication::removeTranslator(&ours);
    QCoreApplication::removeTranslator(&qt);
    if (!load_first(ours, wanted(language)))
        return {};
    QCoreApplication::installTranslator(&ours);
    if (load_qt_texts(qt, QLocale(ours.language())))
        QCoreApplication::installTranslator(&qt);
    return ours.language().toStdString();
}

bool has_translation(const std::string& language)
{
    // QLocale turns a language it does not know into C, which would pass
    // for English: the name itself decides that.
    QTranslator translator;
    return english(QString::fromStdString(language)) || load_first(translator, wanted(language));
}

std::string console_text(const std::string& language, const Phrase& phrase)
{
    QTranslator translator;
    const bool loaded = load_first(translator, wanted(language));
    const QString t = loaded ? translator.translate(kTextContext, phrase.text) : QString();
    const std::string pattern = t.isEmpty() ? std::string(phrase.text) : t.toStdString();
    return Phrase{pattern.c_str(), phrase.args}.english();
}

} // namespace tqr::fw
