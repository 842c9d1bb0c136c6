#pragma once
// What tests ask of a page: its objects of one kind, how many calendars mark
// a day, and the bytes of its file.

#include "document/CompoundFile.h"
#include "document/DrawDoc.h"
#include "objects/DrawRect.h"

#include <string>
#include <vector>

// The page's objects of one kind, back to front.
inline std::vector<CDrawRect*> ObjectsOfKind(CDrawDoc& doc, int kind)
{
    std::vector<CDrawRect*> found;
    for (CDrawObj* obj : *doc.GetObjects()) {
        auto* rect = dynamic_cast<CDrawRect*>(obj);
        if (rect && rect->m_nKind == kind) found.push_back(rect);
    }
    return found;
}

inline std::vector<CDrawRect*> Calendars(CDrawDoc& doc) { return ObjectsOfKind(doc, CDrawRect::kindCalendar); }

// How many of the page's calendars mark the day as special.
inline int CalendarsMarking(CDrawDoc& doc, int year, int month, int day)
{
    int marked = 0;
    for (CDrawRect* cal : Calendars(doc)) marked += cal->IsSpecialDay(year, month, day) ? 1 : 0;
    return marked;
}

// The document as its file holds it; empty when it cannot be written, with
// the reason in error.
inline std::vector<BYTE> FileBytesOf(CDrawDoc& doc, std::string* error)
{
    CStorage root;
    std::vector<BYTE> bytes;
    if (!doc.SaveToStorage(&root, error) || !CCompoundFile::Write(root, &bytes, error)) bytes.clear();
    return bytes;
}
