#include "properties/StoredChoice.h"

#include <QtWidgets/QAbstractButton>
#include <QtWidgets/QButtonGroup>
#include <QtWidgets/QComboBox>

void ShowStoredChoice(QButtonGroup* group, int id)
{
    if (QAbstractButton* button = group->button(id)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group keeps one button checked; it lets go only while
    // it is not exclusive.
    const bool exclusive = group->exclusive();
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons()) button->setChecked(false);
    group->setExclusive(exclusive);
}

void ShowStoredChoice(QComboBox* list, int index)
{
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

int ReadChoice(const QButtonGroup* group, int stored)
{
    const int id = group->checkedId();
    return id >= 0 ? id : stored;
}

int ReadChoice(const QComboBox* list, int stored)
{
    const int index = list->currentIndex();
    return index >= 0 ? index : stored;
}
