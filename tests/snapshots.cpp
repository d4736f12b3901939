// Renders every dialog of the tool to PNG files, for looking at them (and
// for the README's pictures) without a display:
//   QT_QPA_PLATFORM=offscreen build-test/tests/tqr_snapshots [--scale 1.5] [--dark] [--lang de] OUTDIR
// --scale renders as a desktop scaled by that factor would, --dark under a
// dark palette, --lang in that language. Every text wider than its control
// (hidden controls and every entry of a list included) is named on stderr,
// for translators to shorten.
#include "app/about_dialog.h"
#include "app/setup_dialog.h"
#include "editors/camera_page.h"
#include "editors/email_set_dialog.h"
#include "editors/gsm_page.h"
#include "editors/mail_check_dialog.h"
#include "editors/operator_lookup_dialog.h"
#include "editors/operator_param_dialog.h"
#include "framework/folder_browser.h"
#include "framework/translation.h"
#include "framework/ui_services.h"
#include "resources/email_set_ids.h"
#include "resources/gsm_ids.h"
#include "resources/operator_lookup_ids.h"
#include "resources/resource_ids.h"
#include "settings/factory_defaults.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOption>

#include <functional>
#include <iostream>
#include <set>
#include <thread>

using namespace tqr;

namespace {

// The room a control gives its text, and the text's width in it.
void report_cut_off(const QString& file, const QString& text, int needed, int room)
{
    if (needed > room)
        std::cerr << file.toStdString() << ": \"" << text.toStdString() << "\" needs " << needed << " px, has " << room
                  << "\n";
}

void check_fit(QWidget* window, const QString& file)
{
    // Lists of countries, operators, providers and APNs: data, not texts.
    const std::set<int> data_lists{gsm_ids::kCountry,
                                   gsm_ids::kOperator,
                                   email_set_ids::kProvider,
                                   operator_lookup_ids::kCountry,
                                   operator_lookup_ids::kOperator,
                                   operator_lookup_ids::kDataApn,
                                   operator_lookup_ids::kMmsApn};
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->isHidden())
            continue; // never shown
        const QFontMetrics fm(w->font());
        if (auto* l = qobject_cast<QLabel*>(w); l != nullptr && !l->text().isEmpty()) {
            for (const QString& line : l->text().split(u'\n'))
                report_cut_off(file, line, fm.horizontalAdvance(line), l->contentsRect().width());
        } else if (auto* b = qobject_cast<QPushButton*>(w)) {
            QStyleOptionButton opt;
            opt.initFrom(b);
            const QRect room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b);
            report_cut_off(file, b->text(), fm.horizontalAdvance(b->text()), room.width());
        } else if (auto* c = qobject_cast<QAbstractButton*>(w)) {
            QStyleOptionButton opt;
            opt.initFrom(c);
            const auto contents = qobject_cast<QRadioButton*>(c) != nullptr ? QStyle::SE_RadioButtonContents
                                                                            : QStyle::SE_CheckBoxContents;
            const QRect room = c->style()->subElementRect(contents, &opt, c);
            report_cut_off(file, c->text(), fm.horizontalAdvance(c->text()), room.width());
        } else if (auto* box = qobject_cast<QComboBox*>(w);
                   box != nullptr && data_lists.count(box->objectName().mid(3).toInt()) == 0) {
            QStyleOptionComboBox opt;
            opt.initFrom(box);
            // The style draws the entry a pixel inside the field on each side.
            const int room =
                box->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, box).width() - 2;
            for (int i = 0; i < box->count(); ++i)
                report_cut_off(file, box->itemText(i), fm.horizontalAdvance(box->itemText(i)), room);
        } else if (w->metaObject() == &QWidget::staticMetaObject && !w->accessibleName().isEmpty()) {
            // A group's frame, its title on the top line after an indent.
            const int indent = fm.averageCharWidth();
            report_cut_off(file, w->accessibleName(), fm.horizontalAdvance(w->accessibleName()) + 2 * indent,
                           w->width());
        }
    }
}

// Shows each modal dialog, grabs it and closes it again.
class SnapshotUi final : public fw::UiServices {
  public:
    explicit SnapshotUi(QString dir) : dir_(std::move(dir)) {}
    // The first refusal with its second line, as the desktop shows it.
    int message_box(const fw::MessageBoxRequest& request) override
    {
        if (request.detail.empty() || refusal_shown_)
            return fw::IDOK;
        refusal_shown_ = true;
        const auto box = fw::new_message_box(request);
        box->show();
        QApplication::processEvents();
        const QString file = dir_ + QStringLiteral("/refusal.png");
        box->grab().save(file);
        std::cout << file.toStdString() << "\n";
        return fw::IDOK;
    }
    int run_modal(fw::CDialog& dialog) override
    {
        QWidget* w = dialog.window();
        w->show();
        QApplication::processEvents();
        const QString file = dir_ + QStringLiteral("/form-%1.png").arg(dialog.form_id());
        w->grab().save(file);
        check_fit(w, file);
        std::cout << file.toStdString() << "\n";
        dialog.end_dialog(fw::IDCANCEL);
        return fw::IDCANCEL;
    }
    std::optional<std::string> browse_for_folder(QWidget*, const std::string&, const std::string&) override
    {
        return std::nullopt;
    }

  private:
    QString dir_;
    bool refusal_shown_ = false;
};

} // namespace

// A dark desktop theme's colours, as the Breeze Dark and Adwaita-dark
// themes hand them to Qt.
QPalette dark_palette()
{
    QPalette p;
    const QColor window(0x31, 0x36, 0x3b), base(0x23, 0x26, 0x29), text(0xef, 0xf0, 0xf1);
    const QColor disabled(0x7f, 0x81, 0x83);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window.lighter(110));
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, Qt::white);
    p.setColor(QPalette::Light, window.lighter(150));
    p.setColor(QPalette::Midlight, window.lighter(125));
    p.setColor(QPalette::Mid, window.darker(130));
    p.setColor(QPalette::Dark, window.darker(150));
    p.setColor(QPalette::Shadow, Qt::black);
    p.setColor(QPalette::Highlight, QColor(0x3d, 0xae, 0xe9));
    p.setColor(QPalette::HighlightedText, text);
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, disabled);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, disabled);
    return p;
}

int main(int argc, char** argv)
{
    QString dir = QStringLiteral(".");
    bool dark = false;
    std::string lang;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--scale" && i + 1 < argc)
            qputenv("QT_SCALE_FACTOR", argv[++i]); // read once, when the application starts
        else if (arg == "--dark")
            dark = true;
        else if (arg == "--lang" && i + 1 < argc)
            lang = argv[++i];
        else
            dir = QString::fromLocal8Bit(argv[i]);
    }
    QApplication app(argc, argv);
    if (dark) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(dark_palette());
    }
    fw::install_translation(lang.empty() ? "en" : lang);
    QDir().mkpath(dir);
    SnapshotUi ui(dir);
    fw::ScopedUi scope(ui);

    apply_factory_defaults();
    OperatorEntry custom = CustomOperators[1];
    write_text(custom.mms_url, "http://mms.example.net/servlets/mms");
    write_text(custom.mms_gateway, "10.10.10.10");
    write_text(custom.mms_port, "8080");
    OperatorParamDialog op;
    op.set_target(&custom);
    op.do_modal();
    if (auto loaded = providers::load_database(providers::database_path()); loaded.database) {
        OperatorLookupDialog picker(*loaded.database);
        picker.do_modal();
    }

    EmailBlock email =
        make_email_row({"mail.example.org", "587", 0x42, "me@example.org", "pw", "me@example.org", "me"});
    EmailSetDialog es;
    es.set_blocks(&email.server, &email.account);
    es.do_modal();

    // The busy window of "Test...", with a check that waits for Cancel.
    MailCheckDialog busy(
        [](const std::atomic<bool>& cancel) {
            while (!cancel)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            return mail::CheckOutcome{false, true, "the check was cancelled", {}};
        },
        fw::translated_ansi("Logging in to %1...", {"mail.example.org:587"}));
    busy.do_modal();

    AboutDialog about;
    about.do_modal();

    SetupDialog main_dialog;
    main_dialog.do_modal();

    // A phone number with a dash, refused by the GSM page's OK.
    {
        QWidget page_holder;
        GsmPage gsm;
        gsm.set_block(&current_profile.gsm);
        gsm.create(&page_holder);
        gsm.set_text(gsm_ids::kPhones, "0170-1234567");
        gsm.validate_and_store();
    }

    // The camera page is never shown in the tool; a look at it all the same.
    QWidget holder;
    CameraPage camera;
    camera.set_block(&current_profile.camera);
    camera.create(&holder);
    holder.resize(camera.window()->size());
    camera.window()->show();
    holder.show();
    QApplication::processEvents();
    holder.grab().save(dir + "/form-129.png");
    check_fit(&holder, dir + "/form-129.png");
    std::cout << (dir + "/form-129.png").toStdString() << "\n";

    fw::FolderBrowserDialog browser(nullptr, fw::translated_utf8("Please Select the Path"), {});
    browser.show();
    QApplication::processEvents();
    browser.grab().save(dir + "/folder-browser.png");
    check_fit(&browser, dir + "/folder-browser.png");
    std::cout << (dir + "/folder-browser.png").toStdString() << "\n";
    return 0;
}
