#include "settings/factory_defaults.h"

#include "settings/record_schema.h"

namespace tqr {

namespace {
constexpr OperatorEntry kInitialCustom[kCustomOperatorCount] = {
    make_operator_row({"Customer1", "", "0.0.0.0", "0", "", "", "", "", "", ""}),
    make_operator_row({"Customer2", "", "0.0.0.0", "0", "", "", "", "", "", ""}),
    make_operator_row({"Customer3", "", "0.0.0.0", "0", "", "", "", "", "", ""}),
};
} // namespace

constinit OperatorEntry CustomOperators[kCustomOperatorCount] = {kInitialCustom[0], kInitialCustom[1],
                                                                 kInitialCustom[2]};

OperatorEntry initial_custom_operator(int index)
{
    return kInitialCustom[index];
}

void apply_factory_defaults()
{
    schema::apply_factory_values(current_profile);
}

} // namespace tqr
