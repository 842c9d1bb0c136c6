#pragma once

// Every command of the designer in one table: its name, the menu text as
// the program shows it (a tab separates the key shown in the menu), the
// keys, the status-bar prompt and tooltip (separated by a newline) and its
// icon. Menus, toolbar, context menu and prompts are all made from it.

#include <QtCore/QList>
#include <QtGui/QKeySequence>

#include <vector>

struct CActionSpec {
    const char* m_id;
    const char* m_text;
    const char* m_prompt;
    QList<QKeySequence> m_keys;
    bool m_bCheckable = false;
    const char* m_icon = nullptr;  // the icon's id; null for none
};

const std::vector<CActionSpec>& ActionTable();
const CActionSpec* FindActionSpec(const char* id);

// The menus: a title and the ids of its entries ("-" a separator,
// "*recent" the recent files, "*windows" the open windows).
struct CMenuSpec {
    const char* m_title;
    std::vector<const char*> m_items;
};
const std::vector<CMenuSpec>& MenuTable();
// The toolbar's buttons ("-" a separator).
const std::vector<const char*>& ToolbarTable();
