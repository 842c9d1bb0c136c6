#pragma once

// Stored list choices on the pages. A document may hold a choice the lists
// do not offer (month 13, layout 9, a background style of 5): the list then
// shows no selection, and the value goes back as it came unless the user
// picks one.

class QButtonGroup;
class QComboBox;

// Checks the button of id, or none when no button has that id.
void ShowStoredChoice(QButtonGroup* group, int id);
// Selects the entry at index, or none when there is no such entry.
void ShowStoredChoice(QComboBox* list, int index);
// The checked button's id, or stored when none is checked.
int ReadChoice(const QButtonGroup* group, int stored);
// The selected entry's index, or stored when none is selected.
int ReadChoice(const QComboBox* list, int stored);
