#include "editors/mail_check_dialog.h"

#include "resources/mail_check_ids.h"
#include "resources/resource_ids.h"
#include "settings/translatable.h"

#include <QMetaObject>

namespace tqr {

using namespace mail_check_ids;

MailCheckDialog::MailCheckDialog(Job job, std::string status)
    : CDialog(res::kMailCheckForm), job_(std::move(job)), status_(std::move(status))
{
}

MailCheckDialog::~MailCheckDialog()
{
    stop_worker();
}

void MailCheckDialog::stop_worker()
{
    if (!worker_.joinable())
        return;
    cancel_ = true;
    worker_.join();
}

bool MailCheckDialog::on_init()
{
    stop_worker();
    cancel_ = false;
    outcome_ = {};
    set_text(kStatus, status_);
    relay_ = std::make_unique<QObject>();
    QObject* relay = relay_.get();
    worker_ = std::thread([this, relay] {
        mail::CheckOutcome out = job_(cancel_);
        QMetaObject::invokeMethod(
            relay,
            [this, out = std::move(out)]() mutable {
                outcome_ = std::move(out);
                finish();
            },
            Qt::QueuedConnection);
    });
    return true;
}

void MailCheckDialog::finish()
{
    if (worker_.joinable())
        worker_.join();
    end_dialog(outcome_.cancelled ? fw::IDCANCEL : fw::IDOK);
}

void MailCheckDialog::on_cancel()
{
    // The transfer notices within a moment; the window closes when the
    // worker has ended, so nothing is left running behind it.
    if (!worker_.joinable()) {
        end_dialog(fw::IDCANCEL);
        return;
    }
    cancel_ = true;
    set_text(kStatus, TQR_TR_NOOP("TQRSetup", "Cancelling..."));
    enable(fw::IDCANCEL, false);
}

} // namespace tqr
