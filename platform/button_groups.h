// Helpers for the exclusive radio button groups of the dialogs.
#pragma once

class QButtonGroup;

namespace qv {

// Checks the button of `id` in an exclusive group; -1 (or an id not in the group) checks none,
// which an exclusive group does not allow by itself.
void checkOnly(QButtonGroup* group, int id);

}  // namespace qv
