#include "resources/form_template.h"

#include "resources/resource_ids.h"

#include <stdexcept>

namespace tqr::res {

const FormTemplate& form(int id)
{
    switch (id) {
    case kAboutForm: return about_form();
    case kMainForm: return main_form();
    case kGsmForm: return gsm_form();
    case kCameraForm: return camera_form();
    case kOperatorParamForm: return operator_param_form();
    case kEmailSetForm: return email_set_form();
    case kSampleForm: return sample_form();
    default: throw std::out_of_range("no form " + std::to_string(id));
    }
}

} // namespace tqr::res
