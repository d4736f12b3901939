#include "app/setup_dialog.h"
#include "framework/folder_browser.h"
#include "framework/translation.h"
#include "framework/ui_services.h"
#include "resources/email_set_ids.h"
#include "resources/gsm_ids.h"
#include "resources/main_ids.h"
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
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTabBar>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <spawn.h>
#include <sys/wait.h>

using namespace tqr;
using namespace tqr::fw;
namespace ids = tqr::gsm_ids;

extern char** environ;

namespace {

struct TsMessage {
    QString source, translation;
    bool finished = false;
};

// The messages of a .ts file; a carriage return is stored as <byte value="xd"/>.
std::vector<TsMessage> read_ts(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    std::vector<TsMessage> out;
    QString* into = nullptr;
    for (QXmlStreamReader xml(&file); !xml.atEnd();) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"message")
            out.emplace_back();
        else if (xml.isStartElement() && (xml.name() == u"source" || xml.name() == u"translation")) {
            into = xml.name() == u"source" ? &out.back().source : &out.back().translation;
            out.back().finished |=
                xml.name() == u"translation" && xml.attributes().value(QStringLiteral("type")).isEmpty();
        } else if (xml.isStartElement() && xml.name() == u"byte" && into != nullptr) {
            const QString v = xml.attributes().value(QStringLiteral("value")).toString(); // "xd" or "13"
            *into += QChar(v.startsWith(u'x') ? v.mid(1).toInt(nullptr, 16) : v.toInt());
        } else if (xml.isCharacters() && into != nullptr)
            *into += xml.text();
        else if (xml.isEndElement() && xml.name() != u"byte")
            into = nullptr;
    }
    return out;
}

// Wraps every source text that lupdate finds in the code: "[!Send Mode!]".
class PseudoLanguage final : public QTranslator {
  public:
    PseudoLanguage()
    {
        for (const auto& m : read_ts(QStringLiteral(TQR_SCAN_TS)))
            sources_.insert(m.source);
    }
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        const QString s = QString::fromUtf8(source);
        const bool ours = qstrcmp(context, kTextContext) == 0 && sources_.count(s) != 0;
        return ours ? QStringLiteral("[!") + s + QStringLiteral("!]") : QString();
    }

  private:
    std::set<QString> sources_;
};

// What a text shows outside its translated pieces (nested ones too).
QString untranslated(QString text)
{
    static const QRegularExpression piece(QStringLiteral(R"(\[!((?!\[!|!\]).)*!\])"),
                                          QRegularExpression::DotMatchesEverythingOption);
    for (QString before; before != text;) {
        before = text;
        text.remove(piece);
    }
    return text;
}

// Everything a window shows or names aloud, but the data in it: typed
// texts, folder names, and the lists of countries, operators and providers.
void collect(QWidget* window, std::vector<QString>& texts)
{
    if (window->windowTitle() != QStringLiteral("TQR Setup V3.28D"))
        texts.push_back(window->windowTitle());
    for (QAction* a : window->actions())
        texts.push_back(a->text());
    const QStringList data_lists{QStringLiteral("ctl%1").arg(ids::kCountry),
                                 QStringLiteral("ctl%1").arg(ids::kOperator),
                                 QStringLiteral("ctl%1").arg(email_set_ids::kProvider)};
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (qobject_cast<QTabBar*>(w->parentWidget()) != nullptr)
            continue; // the tab row's scroll buttons: Qt's own, in Qt's translations
        texts.push_back(w->accessibleName());
        if (auto* l = qobject_cast<QLabel*>(w))
            texts.push_back(l->text());
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            texts.push_back(b->text());
        if (auto* bar = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < bar->count(); ++i)
                texts.push_back(bar->tabText(i));
        if (auto* box = qobject_cast<QComboBox*>(w); box != nullptr && !data_lists.contains(box->objectName()))
            for (int i = 0; i < box->count(); ++i)
                texts.push_back(box->itemText(i));
    }
}

// Answers every prompt, looks at every window first and plays the user in
// the dialogs it is given.
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
        if (const auto act = acts.find(d.form_id()); act != acts.end())
            act->second(d);
        while (d.form_id() == res::kMailCheckForm && !d.has_ended())
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        if (!d.has_ended())
            d.end_dialog(IDCANCEL);
        return d.result();
    }
    std::optional<std::string> browse_for_folder(QWidget* owner, const std::string& title) override
    {
        FolderBrowserDialog browser(owner, title, {});
        collect(&browser, texts);
        return folder;
    }
};

struct Session {
    std::string profile, store;
    std::vector<QString> texts;
};

// One run through the dialog: every refusal of OK, the About box, the
// operator dialog, Email Set with its refusals and both outcomes of Test...,
// the folder browser, a failed save and a save.
Session run_session()
{
    test::TempEnv env;
    test::FreshSettings fresh;
    test::LoopbackSmtp server(test::SmtpMode::plain, "tester", "secret");
    ProbeUi ui;
    ui.folder = env.work().string();
    ui.acts[res::kEmailSetForm] = [&](CDialog& d) {
        using namespace email_set_ids;
        d.choose(kProvider, kProviderCount - 1);
        // Each step meets the next refusal of OK or Test...; the last two
        // tries reach nothing on port 1 and then the server.
        const std::vector<std::tuple<int, std::string, int>> steps{{kServer, "127.0.0.1", IDOK},
                                                                   {kPort, "0", IDOK},
                                                                   {kEmail, "a", kTest},
                                                                   {kSecureType, "0", IDOK},
                                                                   {kPort, "1", IDOK},
                                                                   {kPassword, "secret", IDOK},
                                                                   {kEmail, "tester@example.org", kTest},
                                                                   {kPort, server.port(), kTest},
                                                                   {kAccount, "tester", kTest}};
        d.click(IDOK);
        for (const auto& [id, text, button] : steps) {
            if (id == kSecureType)
                d.choose(id, std::stoi(text));
            else
                d.set_text(id, text);
            d.click(button);
        }
        d.click(IDCANCEL);
    };
    ui.acts[res::kMainForm] = [&](CDialog& d) {
        auto& page = static_cast<SetupDialog&>(d).page_host().gsm_page();
        static_cast<SetupDialog&>(d).on_system_command(0x10);
        const std::string long_email(48, 'a');
        const std::vector<std::tuple<int, std::string, std::string>> refusals{
            {ids::kInstantMax, "100", "99"},
            {ids::kInstantMax, "x", "99"},
            {ids::kDailyMinute, "-1", "0"},
            {ids::kEmails, "@x", "a@b.c"},
            {ids::kEmails, long_email, "a@b.c"},
            {ids::kEmails, ";;", "a@b.c"},
            {ids::kEmails, "a@b;c@d;e@f;g@h;i@j", "a@b.c"},
            {ids::kMaxSize, "121", "40"},
            {ids::kMaxSize, "", "40"},
            {ids::kRenameText, "ab-c", "cam1"},
            {ids::kPhones, "49+170", ""},
            {ids::kPhones, std::string(24, '1'), ""},
            {ids::kPhones, "1;2;3;4;5", ""},
            {ids::kPhones, "", "0170"}};
        for (const auto& [id, bad, good] : refusals) {
            if (id == ids::kPhones && page.is_enabled(ids::kEmailSet)) {
                page.click(ids::kEmailSet); // with the addresses now typed
                page.click(ids::kMms);
                page.click(ids::kToPhone);
            }
            if (id == ids::kRenameText)
                page.choose(ids::kRename, 1);
            page.set_text(id, bad);
            d.click(IDOK);
            page.set_text(id, good);
        }
        for (int i = 0; i < page.item_count(ids::kCountry); ++i)
            if (page.item_text(ids::kCountry, i) == "Customer")
                page.choose(ids::kCountry, i);
        page.click(ids::kCustom);
        page.click(ids::kGprs);
        page.click(ids::kDefault);
        page.set_text(ids::kPhones, "0170");
        d.set_text(main_ids::kPath, "");
        d.click(IDOK);
        d.set_text(main_ids::kPath, std::string(129, 'a'));
        d.click(IDOK);
        d.set_text(main_ids::kPath, (env.work() / "gone").string());
        d.click(IDOK);
        d.click(main_ids::kBrowse);
        d.click(IDOK);
        collect(d.window(), ui.texts);
        d.click(IDCANCEL);
    };
    load_settings();
    SetupDialog dialog;
    dialog.do_modal();
    return {test::read_file(env.work() / "PROFILE.BIN"), test::read_file(env.store_file()), ui.texts};
}

} // namespace

TEST(Translation, UnderAPseudoLanguageEveryTextIsTranslatedAndTheFilesStayTheSame)
{
    const Session english = run_session();
    PseudoLanguage pseudo;
    QCoreApplication::installTranslator(&pseudo);
    const Session translated = run_session();
    QCoreApplication::removeTranslator(&pseudo);

    EXPECT_EQ(translated.profile, english.profile);
    EXPECT_EQ(translated.store, english.store);
    ASSERT_EQ(translated.profile.size(), 860u) << "the run ends with a save";
    std::set<QString> seen;
    for (const QString& text : translated.texts) {
        seen.insert(text);
        const QString rest = untranslated(text);
        EXPECT_FALSE(std::any_of(rest.begin(), rest.end(), [](QChar c) { return c.isLetter(); }))
            << "untranslated: " << text.toStdString();
    }
    // Each refusal, the outcomes of Test..., the failed and the good save.
    for (const char* sample : {rules::kPhoneTooMany, rules::kEmailTooLong, rules::kSenderInvalid, "nothing answers at",
                               "the test e-mail from", "contains an invalid path", "PROFILE.BIN has been saved in"})
        EXPECT_TRUE(std::any_of(seen.begin(), seen.end(), [&](const QString& t) {
            return t.startsWith(QStringLiteral("[!")) && t.contains(QString::fromUtf8(sample));
        })) << sample;
}

TEST(Translation, EachLanguageIsCompleteKeepsThePlaceholdersAndLoads)
{
    static const QRegularExpression placeholder(QStringLiteral("%[1-9]"));
    const auto placeholders = [](const QString& s) {
        QStringList found;
        for (const auto& m : placeholder.globalMatch(s))
            found << m.captured();
        found.sort();
        return found;
    };
    const std::vector<TsMessage> sources = read_ts(QStringLiteral(TQR_SCAN_TS));
    ASSERT_GT(sources.size(), 150u);
    test::QuietUi ui;
    for (const auto& [lang, phone_missing] :
         std::map<std::string, std::string>{{"de", "Bitte geben Sie eine Telefonnummer ein!"},
                                            {"fr", "Veuillez saisir un numéro de téléphone !"},
                                            {"es", "¡Escriba un número de teléfono!"}}) {
        std::map<QString, TsMessage> done;
        for (const auto& m : read_ts(QStringLiteral(TQR_TS_DIR "/tqrsetup_%1.ts").arg(QString::fromStdString(lang))))
            done[m.source] = m;
        for (const auto& s : sources) {
            const TsMessage& t = done[s.source];
            EXPECT_TRUE(t.finished && !t.translation.isEmpty()) << lang << " lacks " << s.source.toStdString();
            EXPECT_EQ(placeholders(t.translation), placeholders(s.source)) << lang << ": " << s.source.toStdString();
        }
        EXPECT_EQ(install_translation(lang), lang);
        message_box(nullptr, rules::kPhoneMissing);
        EXPECT_EQ(ui.boxes.back().text, phone_missing);
    }
    EXPECT_EQ(install_translation("C"), "");
}

// Run as a program of its own by the test below, with the desktop's
// language in its environment.
TEST(Translation, ChildSpeaksTheDesktopsLanguage)
{
    const char* expected = std::getenv("TQR_EXPECT_LANGUAGE");
    if (expected == nullptr)
        GTEST_SKIP() << "started by FollowsTheDesktopsLanguage";
    EXPECT_EQ(install_translation(), expected);
    if (*expected != '\0')
        return;
    for (const auto& m : read_ts(QStringLiteral(TQR_SCAN_TS)))
        EXPECT_EQ(translated(m.source.toStdString()), m.source) << "English stays exact";
}

TEST(Translation, FollowsTheDesktopsLanguage)
{
    const std::vector<std::pair<std::vector<std::string>, std::string>> desktops{
        {{"LANG=de_DE.UTF-8"}, "de"},
        {{"LC_ALL=C", "LANG=de_DE.UTF-8"}, ""},
        {{"LC_MESSAGES=es_ES.UTF-8", "LANG=C"}, "es"},
        {{"LANGUAGE=fr:de", "LANG=de_DE.UTF-8"}, "fr"},
        {{"LANGUAGE=en_GB:de", "LANG=de_DE.UTF-8"}, ""},
        {{"LANG=it_IT.UTF-8"}, ""},
        {{}, ""}};
    for (const auto& [vars, lang] : desktops) {
        std::vector<std::string> env{"TQR_EXPECT_LANGUAGE=" + lang};
        for (char** e = environ; *e != nullptr; ++e)
            if (!std::regex_search(*e, std::regex("^(LANG|LANGUAGE|LC_[A-Z]+)=")))
                env.emplace_back(*e);
        env.insert(env.end(), vars.begin(), vars.end());
        std::vector<char*> envp;
        for (auto& e : env)
            envp.push_back(e.data());
        envp.push_back(nullptr);
        std::string self = "/proc/self/exe", filter = "--gtest_filter=Translation.ChildSpeaksTheDesktopsLanguage";
        char* argv[] = {self.data(), filter.data(), nullptr};
        pid_t pid = 0;
        ASSERT_EQ(posix_spawn(&pid, self.c_str(), nullptr, nullptr, argv, envp.data()), 0);
        int status = 0;
        waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << (vars.empty() ? "(nothing set)" : vars[0]);
    }
}
