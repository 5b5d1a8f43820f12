#include "platform/button_groups.h"

#include <QAbstractButton>
#include <QButtonGroup>

namespace qv {

void checkOnly(QButtonGroup* group, int id) {
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons()) button->setChecked(group->id(button) == id);
    group->setExclusive(true);
}

}  // namespace qv
