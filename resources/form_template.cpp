#include "resources/form_template.h"

#include "resources/resource_ids.h"

#include <map>
#include <stdexcept>

namespace tqr::res {

namespace {
std::map<int, const FormTemplate*>& added_forms()
{
    static std::map<int, const FormTemplate*> forms;
    return forms;
}
} // namespace

void add_form(const FormTemplate& f)
{
    added_forms()[f.id] = &f;
}

const FormTemplate& form(int id)
{
    if (const auto it = added_forms().find(id); it != added_forms().end())
        return *it->second;
    switch (id) {
    case kAboutForm: return about_form();
    case kMainForm: return main_form();
    case kGsmForm: return gsm_form();
    case kCameraForm: return camera_form();
    case kOperatorParamForm: return operator_param_form();
    case kEmailSetForm: return email_set_form();
    case kMailCheckForm: return mail_check_form();
    case kOperatorLookupForm: return operator_lookup_form();
    default: throw std::out_of_range("no form " + std::to_string(id));
    }
}

} // namespace tqr::res
