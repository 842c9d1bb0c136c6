#pragma once

// The calendar document: the list of drawing objects (back to front) and the
// page. Views watch it through CDocObserver.

#include "objects/Types.h"

#include <list>
#include <vector>

class CDrawObj;

// Update hints sent to the views.
constexpr int HINT_UPDATE_WINDOW = 0;
constexpr int HINT_UPDATE_DRAWOBJ = 1;
constexpr int HINT_UPDATE_SELECTION = 2;
constexpr int HINT_DELETE_SELECTION = 3;
constexpr int HINT_UPDATE_OLE_ITEMS = 4;

class CDocObserver {
public:
    virtual ~CDocObserver() = default;
    virtual void OnUpdate(CDocObserver* sender, int hint, CDrawObj* object) = 0;
};

class CDrawDoc {
public:
    CDrawDoc();
    virtual ~CDrawDoc();
    CDrawDoc(const CDrawDoc&) = delete;
    CDrawDoc& operator=(const CDrawDoc&) = delete;

    std::list<CDrawObj*>* GetObjects() { return &m_listObjects; }
    // Appends the object (the document owns it from now on).
    void Add(CDrawObj* object);
    // Takes the object out of the list; the caller destroys it.
    void RemoveObject(CDrawObj* object);

    void SetModifiedFlag(bool modified = true) { m_bModified = modified; }
    bool IsModified() const { return m_bModified; }

    void AddObserver(CDocObserver* observer);
    void RemoveObserver(CDocObserver* observer);
    void UpdateAllViews(CDocObserver* sender, int hint = HINT_UPDATE_WINDOW, CDrawObj* object = nullptr);

    std::list<CDrawObj*> m_listObjects;

private:
    bool m_bModified = false;
    std::vector<CDocObserver*> m_observers;
};
