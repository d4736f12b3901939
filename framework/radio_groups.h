#pragma once

// Radio buttons as a classic dialog groups them: Tab enters a group at its
// checked button (the first enabled one when none is checked or the checked
// one is greyed), and the arrow keys move through the group's enabled
// buttons in form order, wrapping round, checking each as they go.

#include <vector>

class QRadioButton;

namespace tqr::fw {

// `buttons` are one group in form order; `tab_stop` whether the form lets
// Tab reach the group at all.
void make_radio_group(const std::vector<QRadioButton*>& buttons, bool tab_stop);

} // namespace tqr::fw
