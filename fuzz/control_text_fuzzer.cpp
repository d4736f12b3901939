// Arbitrary control texts -> every data-exchange conversion and every check
// of the GSM page, through the page itself and through the plain rules.
#include "resources/gsm_ids.h"
#include "editors/gsm_page.h"
#include "framework/number_text.h"
#include "fuzz/fuzz_support.h"
#include "settings/factory_defaults.h"
#include "settings/stored_numbers.h"
#include "settings/value_rules.h"

#include <QWidget>

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>

using namespace tqr;
using namespace tqr::gsm_ids;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::fuzz_environment();
    FuzzedDataProvider in(data, size);

    // The conversions on their own.
    const std::string number = in.ConsumeRandomLengthString(64);
    fw::parse_int_text(number);
    fw::parse_uint_text(number);
    leading_int(number);
    parse_gateway(number);
    for (const auto& piece : rules::split_recipients(number)) {
        const std::string cleaned = rules::remove_blanks(piece);
        rules::check_phone_piece(cleaned);
        rules::check_email_piece(cleaned);
    }
    rules::check_rename(number);

    // The page with whatever the user may type.
    fuzz::reset_settings();
    apply_factory_defaults();
    static QWidget holder;
    GsmPage page;
    page.set_block(&current_profile.gsm);
    page.create(&holder);
    for (int id : {kInstantMax, kDailyHour, kDailyMinute, kMaxSize, kRenameText, kPhones, kEmails})
        page.set_text(id, in.ConsumeRandomLengthString(96));
    for (int id : {kInstant, kDailyReport, kSendOff, kMms, kGprs, kToPhone, kToEmail, kToBoth}) {
        if (in.ConsumeBool())
            page.click(id);
    }
    page.choose(kCountry, in.ConsumeIntegralInRange(0, 24));
    page.choose(kOperator, in.ConsumeIntegralInRange(0, 11));
    page.choose(kRename, in.ConsumeIntegralInRange(0, 1));
    page.choose(kSmsSwitch, in.ConsumeIntegralInRange(0, 1));
    page.validate_and_store();
    return 0;
}
