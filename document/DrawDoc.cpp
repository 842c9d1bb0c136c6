#include "document/DrawDoc.h"

#include "objects/DrawObj.h"

#include <algorithm>

CDrawDoc::CDrawDoc() = default;

CDrawDoc::~CDrawDoc()
{
    for (CDrawObj* obj : m_listObjects) delete obj;
    m_listObjects.clear();
}

void CDrawDoc::Add(CDrawObj* object)
{
    m_listObjects.push_back(object);
    object->m_pDocument = this;
    SetModifiedFlag();
}

void CDrawDoc::RemoveObject(CDrawObj* object)
{
    auto it = std::find(m_listObjects.begin(), m_listObjects.end(), object);
    if (it != m_listObjects.end()) {
        m_listObjects.erase(it);
        SetModifiedFlag();
        UpdateAllViews(nullptr, HINT_DELETE_SELECTION, object);
    }
}

void CDrawDoc::AddObserver(CDocObserver* observer)
{
    if (std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end())
        m_observers.push_back(observer);
}

void CDrawDoc::RemoveObserver(CDocObserver* observer)
{
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), observer), m_observers.end());
}

void CDrawDoc::UpdateAllViews(CDocObserver* sender, int hint, CDrawObj* object)
{
    // A view may remove itself while being told; walk a copy.
    std::vector<CDocObserver*> observers = m_observers;
    for (CDocObserver* o : observers)
        if (o != sender) o->OnUpdate(sender, hint, object);
}
