#include "app/setup_dialog.h"
#include "framework/folder_browser.h"
#include "framework/translation.h"
#include "providers/provider_database.h"
#include "resources/email_set_ids.h"
#include "resources/gsm_ids.h"
#include "resources/main_ids.h"
#include "resources/operator_lookup_ids.h"
#include "resources/operator_param_ids.h"
#include "resources/resource_ids.h"
#include "settings/settings_files.h"
#include "settings/value_rules.h"
#include "tables/provider_table.h"
#include "tests/support/loopback_smtp.h"
#include "tests/support/record_fixtures.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/temp_env.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTabBar>
#include <QTextDocumentFragment>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

using namespace tqr;
using namespace tqr::fw;
namespace ids = tqr::gsm_ids;

namespace {

// The source texts lupdate finds in the code now. Their lines end in CR LF,
// which lupdate writes as <byte value="xd"/> and a line feed.
std::set<QString> scanned_sources()
{
    QFile file(QStringLiteral(TQR_SCAN_TS));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    std::set<QString> out;
    QString source;
    for (QXmlStreamReader xml(&file); xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError();) {
        if (xml.isStartElement() && xml.name() == u"source")
            source = xml.readElementText(QXmlStreamReader::IncludeChildElements)
                         .replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
        else if (xml.isEndElement() && xml.name() == u"message")
            out.insert(source);
    }
    return out;
}

// Wraps every source text that lupdate finds in the code: "[!Send Mode!]".
class PseudoLanguage final : public QTranslator {
  public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        const QString s = QString::fromUtf8(source);
        const bool ours = qstrcmp(context, kTextContext) == 0 && sources_.count(s) != 0;
        return ours ? QStringLiteral("[!") + s + QStringLiteral("!]") : QString();
    }

  private:
    std::set<QString> sources_ = scanned_sources();
};

// Letters shown outside the translated pieces (nested ones too).
bool untranslated(QString text)
{
    static const QRegularExpression piece(QStringLiteral(R"(\[!((?!\[!|!\]).)*!\])"),
                                          QRegularExpression::DotMatchesEverythingOption);
    while (text.contains(piece))
        text.remove(piece);
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

// Everything a window shows or names aloud but its data: typed texts,
// folders, and the lists of countries, operators, providers and APNs.
void collect(QWidget* window, std::vector<QString>& texts)
{
    if (!window->windowTitle().startsWith(QStringLiteral("TQR Setup V3.28D"))) // with a card's name
        texts.push_back(window->windowTitle());
    for (QAction* a : window->actions())
        texts.push_back(a->text());
    const std::set<int> data_lists{ids::kCountry,
                                   ids::kOperator,
                                   email_set_ids::kProvider,
                                   operator_lookup_ids::kCountry,
                                   operator_lookup_ids::kOperator,
                                   operator_lookup_ids::kDataApn};
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (qobject_cast<QTabBar*>(w->parentWidget()) != nullptr)
            continue; // the tab row's scroll buttons: Qt's own, in Qt's translations
        texts.push_back(w->accessibleName());
        texts.push_back(QTextDocumentFragment::fromHtml(w->toolTip()).toPlainText());
        if (auto* l = qobject_cast<QLabel*>(w))
            texts.push_back(l->text());
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            texts.push_back(b->text());
        for (int i = 0; qobject_cast<QTabBar*>(w) != nullptr && i < qobject_cast<QTabBar*>(w)->count(); ++i)
            texts.push_back(qobject_cast<QTabBar*>(w)->tabText(i));
        auto* box = qobject_cast<QComboBox*>(w);
        for (int i = 0; box != nullptr && !data_lists.count(w->objectName().mid(3).toInt()) && i < box->count(); ++i)
            texts.push_back(box->itemText(i));
    }
}

// Answers every prompt, looks at every window and plays the user in the
// dialogs it is given.
struct ProbeUi final : UiServices {
    std::vector<QString> texts;
    std::map<int, std::function<void(CDialog&)>> acts;
    std::string folder;
    ScopedUi scope{*this};

    int message_box(const MessageBoxRequest& r) override
    {
        texts.push_back(QString::fromStdString(r.text));
        return (r.style & kButtonMask) == MB_YESNO ? IDYES : IDOK;
    }
    int run_modal(CDialog& d) override
    {
        collect(d.window(), texts);
        if (acts.count(d.form_id()) != 0)
            acts[d.form_id()](d);
        while (d.form_id() == res::kMailCheckForm && !d.has_ended())
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        if (!d.has_ended())
            d.end_dialog(IDCANCEL);
        return d.result();
    }
    std::optional<std::string> browse_for_folder(QWidget* owner, const std::string& title, const std::string&) override
    {
        FolderBrowserDialog browser(owner, title, {});
        collect(&browser, texts);
        return folder;
    }
};

// One run through the dialog: every refusal of OK, the About box, the
// operator dialog, Email Set with its refusals and the outcomes of Test...,
// the folder browser, a failed save and a save.
// Returns the card file, the store file and every text seen.
std::tuple<std::string, std::string, std::vector<QString>> run_session()
{
    test::TempEnv env;
    test::FreshSettings fresh;
    test::LoopbackSmtp server(test::SmtpMode::plain, "tester", "secret");
    ProbeUi ui;
    ui.folder = env.work().string();
    // The look-up, on an operator without MMS data whose APN is too long;
    // its MMS list shows only what the dialog says about that.
    const std::string apn(40, 'a');
    test::write_file(env.work() / "providers.xml",
                     "<serviceproviders><country code='zz'><name>Testland</name><provider>"
                     "<name>Datafone</name><gsm><apn value='" +
                         apn + "'/></gsm></provider></country></serviceproviders>");
    setenv(providers::kDatabaseEnvironment, (env.work() / "providers.xml").c_str(), 1);
    ui.acts[res::kOperatorParamForm] = [](CDialog& d) { d.click(operator_param_ids::kLookUp); };
    ui.acts[res::kOperatorLookupForm] = [](CDialog& d) { d.click(IDOK); };
    ui.acts[res::kEmailSetForm] = [&](CDialog& d) {
        using namespace email_set_ids;
        d.choose(kProvider, kProviderCount - 1);
        d.click(IDOK);
        // Each step meets the next refusal of OK or Test...; the tests reach
        // nothing on port 1, then the server with a wrong and a right login.
        // clang-format off
        for (const auto& [id, text, button] : std::vector<std::tuple<int, std::string, int>>{
                 {kServer, "127.0.0.1", IDOK}, {kPort, "0", IDOK}, {kEmail, "a", kTest}, {kSecureType, "", IDOK},
                 {kPort, "1", IDOK}, {kPassword, "secret", IDOK}, {kEmail, "tester@example.org", kTest},
                 {kPort, server.port(), kTest}, {kAccount, "tester", kTest}}) {
            // clang-format on
            id == kSecureType ? d.choose(id, 0) : d.set_text(id, text);
            d.click(button);
        }
    };
    ui.acts[res::kMainForm] = [&](CDialog& d) {
        auto& page = static_cast<SetupDialog&>(d).page_host().gsm_page();
        static_cast<SetupDialog&>(d).on_system_command(0x10);
        const std::string card = env.work().string();
        // A card that cannot be opened, opened from the context menu.
        const std::string short_card = card + "/short";
        std::filesystem::create_directories(short_card);
        test::write_file(short_card + "/PROFILE.BIN", "short");
        d.set_text(main_ids::kPath, short_card);
        for (QAction* action : d.window()->actions())
            if (action->text().contains(QStringLiteral("Open settings")))
                action->trigger();
        d.set_text(main_ids::kPath, card);
        // clang-format off
        for (const auto& [on, id, bad, good] : std::vector<std::tuple<CDialog*, int, std::string, std::string>>{
                 {&page, ids::kInstantMax, "100", "99"}, {&page, ids::kInstantMax, "x", "99"},
                 {&page, ids::kDailyMinute, "-1", "0"}, {&page, ids::kEmails, "@x", "a@b.c"},
                 {&page, ids::kEmails, std::string(48, 'a'), "a@b.c"}, {&page, ids::kEmails, ";;", "a@b.c"},
                 {&page, ids::kEmails, "a@b;c@d;e@f;g@h;i@j", "a@b.c"}, {&page, ids::kMaxSize, "121", "40"},
                 {&page, ids::kMaxSize, "", "40"}, {&page, ids::kRenameText, "ab-c", "cam1"},
                 {&page, ids::kPhones, "49+170", ""}, {&page, ids::kPhones, std::string(24, '1'), ""},
                 {&page, ids::kPhones, "1;2;3;4;5", ""}, {&page, ids::kPhones, "", "0170"},
                 {&d, main_ids::kPath, "", card}, {&d, main_ids::kPath, std::string(129, 'a'), card},
                 {&d, main_ids::kPath, card + "/gone", card}}) {
            // clang-format on
            if (id == ids::kPhones && page.is_enabled(ids::kEmailSet)) {
                page.click(ids::kEmailSet); // with the addresses now typed
                page.click(ids::kMms);
                page.click(ids::kToPhone);
            }
            if (id == ids::kRenameText)
                page.choose(ids::kRename, 1);
            on->set_text(id, bad);
            d.click(IDOK);
            on->set_text(id, good);
        }
        page.choose(ids::kCountry, page.item_count(ids::kCountry) - 1); // "Customer"
        for (int id : {ids::kCustom, ids::kGprs, ids::kDefault})
            page.click(id);
        page.set_text(ids::kPhones, "0170"); // the defaults want a phone for SMS
        d.click(main_ids::kBrowse);
        d.click(IDOK);
        collect(d.window(), ui.texts);
    };
    load_settings();
    SetupDialog dialog;
    dialog.do_modal();
    unsetenv(providers::kDatabaseEnvironment);
    return {test::read_file(env.work() / "PROFILE.BIN"), test::read_file(env.store_file()), ui.texts};
}

} // namespace

TEST(Translation, UnderAPseudoLanguageEveryTextIsTranslatedAndTheFilesStayTheSame)
{
    const auto [profile, store, unused] = run_session();
    PseudoLanguage pseudo;
    QCoreApplication::installTranslator(&pseudo);
    const auto [pseudo_profile, pseudo_store, texts] = run_session();
    QCoreApplication::removeTranslator(&pseudo);

    EXPECT_EQ(pseudo_profile, profile);
    EXPECT_EQ(pseudo_store, store);
    EXPECT_EQ(profile.size(), 860u) << "the run ends with a save";
    for (const QString& text : texts)
        EXPECT_FALSE(untranslated(text)) << text.toStdString();
    // Some of what the run must have met: refusals, outcomes, windows.
    for (const char* sample : {rules::kPhoneTooMany, rules::kEmailTooLong, rules::kSenderInvalid, "nothing answers at",
                               "the server refused the login", "the test e-mail from", "contains an invalid path",
                               "PROFILE.BIN has been saved in", "Operator Param", "About TQR Setup", "Folder Browser",
                               "Datafone has no MMS data", "GPRS APN", "(none in the database)",
                               "Fill in the parameters", "The card's settings cannot be opened", "wrong size, 5 bytes"})
        EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [&](const QString& t) {
            return t.startsWith(QStringLiteral("[!")) && t.contains(QString::fromUtf8(sample));
        })) << sample;
    // The reason a card cannot be opened is a sentence of its own, not data.
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(),
                            [](const QString& t) { return t.contains(QStringLiteral("opened: [!")); }));
}

namespace {

// A translator's file as handed in: nothing unfinished, nothing left over
// from texts the code no longer has, every placeholder of a source kept.
void expect_finished(const std::string& lang)
{
    QFile file(QStringLiteral(TQR_TRANSLATIONS_DIR "/tqrsetup_") + QString::fromStdString(lang) +
               QStringLiteral(".ts"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << lang;
    static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
    QString source;
    for (QXmlStreamReader xml(&file); xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError();) {
        if (xml.isStartElement() && xml.name() == u"source") {
            source = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        } else if (xml.isStartElement() && xml.name() == u"translation") {
            EXPECT_EQ(xml.attributes().value(QLatin1String("type")).toString().toStdString(), "")
                << lang << ": " << source.toStdString();
            const QString t = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            for (auto it = placeholder.globalMatch(source); it.hasNext();)
                EXPECT_TRUE(t.contains(it.next().captured())) << lang << ": " << t.toStdString();
        }
    }
}

} // namespace

TEST(Translation, EachLanguageIsCompleteKeepsThePlaceholdersAndLoads)
{
    const auto sources = scanned_sources();
    ASSERT_GT(sources.size(), 150u);
    test::QuietUi ui;
    const std::map<std::string, std::string> phone_missing{{"de", "Bitte geben Sie eine Telefonnummer ein!"},
                                                           {"fr", "Veuillez saisir un numéro de téléphone !"},
                                                           {"es", "¡Escriba un número de teléfono!"},
                                                           {"da", "Indtast et telefonnummer!"},
                                                           {"fi", "Anna puhelinnumero!"},
                                                           {"sv", "Ange ett telefonnummer!"},
                                                           {"nb", "Skriv inn et telefonnummer!"},
                                                           {"nl", "Vul een telefoonnummer in!"},
                                                           {"it", "Inserire un numero di telefono!"}};
    // A language added to the build is added here too.
    EXPECT_EQ(QDir(QStringLiteral(TQR_TRANSLATIONS_DIR)).entryList({QStringLiteral("tqrsetup_*.ts")}).size(),
              static_cast<qsizetype>(phone_missing.size()));
    for (const auto& [lang, phone] : phone_missing) {
        expect_finished(lang);
        QTranslator built;
        ASSERT_TRUE(built.load(QStringLiteral(":/i18n/tqrsetup_") + QString::fromStdString(lang)));
        for (const QString& source : sources) {
            const QString t = built.translate(kTextContext, source.toUtf8().constData());
            EXPECT_FALSE(t.isEmpty()) << lang << " lacks " << source.toStdString();
            for (const char16_t* n : {u"%1", u"%2", u"%3"})
                EXPECT_EQ(t.contains(n), source.contains(n)) << lang << ": " << source.toStdString();
        }
        EXPECT_EQ(install_translation(lang), lang);
        message_box(nullptr, rules::kPhoneMissing);
        EXPECT_EQ(ui.boxes.back().text, phone);
    }
    // --lang with a territory, and Norwegian however it is named.
    for (const auto& [asked, spoken] : std::map<std::string, std::string>{
             {"da_DK", "da"}, {"sv_FI", "sv"}, {"no", "nb"}, {"nn", "nb"}, {"nn_NO", "nb"}, {"pl", ""}})
        EXPECT_EQ(install_translation(asked), spoken) << asked;
    // Qt has a message box's buttons in Nynorsk only, which reads the same.
    EXPECT_EQ(install_translation("nb"), "nb");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&No"), QStringLiteral("&Nei"));
    EXPECT_EQ(install_translation("C"), "");
}

// Starts this test again as a program of its own with the desktop's
// language in its environment; there it checks what the dialog speaks,
// and that in English every text is exactly the source.
TEST(Translation, FollowsTheDesktopsLanguage)
{
    if (const char* expected = std::getenv("TQR_EXPECT_LANGUAGE")) {
        EXPECT_EQ(install_translation(), expected);
        for (const QString& source : scanned_sources())
            EXPECT_TRUE(*expected != '\0' || translated(source.toStdString()) == source) << source.toStdString();
        return;
    }
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    // clang-format off
    for (const auto& [vars, lang] : std::map<std::string, std::string>{
             {"LANG=de_DE.UTF-8", "de"}, {"LC_ALL=C LANG=de_DE.UTF-8", ""}, {"LC_MESSAGES=es_ES.UTF-8 LANG=C", "es"},
             {"LANGUAGE=fr:de LANG=de_DE.UTF-8", "fr"}, {"LANGUAGE=en_GB:de LANG=de_DE.UTF-8", ""}, {"LANG=it_IT.UTF-8", "it"},
             {"LANG=da_DK", "da"}, {"LANG=sv_FI.UTF-8", "sv"}, {"LANGUAGE=nn_NO:de LANG=de_DE.UTF-8", "nb"},
             {"LANG=no_NO.UTF-8", "nb"}, {"LANG=pl_PL.UTF-8", ""}, {"", ""}}) {
        // clang-format on
        const std::string command = "env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG " + vars +
                                    " TQR_EXPECT_LANGUAGE=" + lang + " '" + self +
                                    "' --gtest_filter=Translation.FollowsTheDesktopsLanguage >/dev/null";
        EXPECT_EQ(std::system(command.c_str()), 0) << vars;
    }
}
