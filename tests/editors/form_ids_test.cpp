// Each form's id header and the form itself name the same controls, so an
// editor that uses a name from its header finds that control in its form.

#include "resources/camera_ids.h"
#include "resources/email_set_ids.h"
#include "resources/form_template.h"
#include "resources/gsm_ids.h"
#include "resources/mail_check_ids.h"
#include "resources/operator_lookup_ids.h"
#include "resources/main_ids.h"
#include "resources/operator_param_ids.h"
#include "resources/resource_ids.h"

#include <gtest/gtest.h>

#include <set>
#include <span>

using namespace tqr;

TEST(FormIds, EveryNamedIdIsAControlOfItsFormAndEveryControlIsNamed)
{
    struct Case {
        const char* header;
        int form;
        std::span<const int> names;
    };
    const Case cases[] = {
        {"main_ids", res::kMainForm, main_ids::kAll},
        {"gsm_ids", res::kGsmForm, gsm_ids::kAll},
        {"camera_ids", res::kCameraForm, camera_ids::kAll},
        {"operator_param_ids", res::kOperatorParamForm, operator_param_ids::kAll},
        {"email_set_ids", res::kEmailSetForm, email_set_ids::kAll},
        {"mail_check_ids", res::kMailCheckForm, mail_check_ids::kAll},
        {"operator_lookup_ids", res::kOperatorLookupForm, operator_lookup_ids::kAll},
        {"(About)", res::kAboutForm, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.header);
        std::multiset<int> in_form;
        for (const auto& control : res::form(c.form).controls)
            if (control.id != res::kNoId && control.id != res::kIdOk && control.id != res::kIdCancel)
                in_form.insert(control.id);
        const std::multiset<int> named(c.names.begin(), c.names.end());
        EXPECT_EQ(in_form, named);
        for (const int id : in_form)
            EXPECT_EQ(in_form.count(id), 1u) << "id " << id << " twice in the form";
    }
}
