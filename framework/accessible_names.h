#pragma once

#include <vector>

class QWidget;

namespace tqr::res {
struct FormTemplate;
}

namespace tqr::fw {

// Gives every control of a form the name a screen reader announces: the
// name the form data gives it, else the text of the label standing right
// before it in the form (the classic dialog manager's rule), which also
// becomes the label's buddy. `widgets` are the form's controls, in form
// order. Buttons and boxes with a text of their own are named by it.
void name_controls(const res::FormTemplate& form, const std::vector<QWidget*>& widgets);

} // namespace tqr::fw
