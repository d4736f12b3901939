#pragma once

#include "framework/cdialog.h"
#include "mail/mail_check.h"

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace tqr {

// "Email Test": a busy window with Cancel while a mail check runs on a
// worker thread, so the window stays responsive however long the server
// takes. Ends with IDOK when the check has ended by itself, IDCANCEL when
// the user cancelled it.
class MailCheckDialog : public fw::CDialog {
  public:
    using Job = std::function<mail::CheckOutcome(const std::atomic<bool>& cancel)>;

    MailCheckDialog(Job job, std::string status);
    ~MailCheckDialog() override;

    const mail::CheckOutcome& outcome() const { return outcome_; }

  protected:
    bool on_init() override;
    void on_ok() override {}
    void on_cancel() override;

  private:
    void finish();
    void stop_worker();

    Job job_;
    std::string status_;
    mail::CheckOutcome outcome_;
    std::atomic<bool> cancel_{false};
    // Receives the worker's "done" in the window's thread; it outlives the
    // worker, so a late message never reaches a destroyed object.
    std::unique_ptr<QObject> relay_;
    std::thread worker_;
};

} // namespace tqr
