#pragma once

// One undoable change of a document as the property sheets, the wizard and
// the options make it. The designer's undo history implements CChangeSink:
// it records what the change touches, runs it, records the result and keeps
// both as one step. Without the designer (tests, batch) the direct sink just
// runs the change and marks the document modified.

#include <QtCore/QString>

#include <functional>
#include <vector>

class CDrawDoc;
class CDrawObj;

struct CDocChange {
    QString m_strName;                  // the step's name in the Edit menu, "Properties"
    std::vector<CDrawObj*> m_objects;   // objects whose records the change rewrites
    bool m_bBackground = false;         // the page background fields change
    bool m_bObjectList = false;         // objects are added or removed (the whole list is kept)
    // The change makes a new document's pages (a wall calendar from the
    // wizard): it marks the document modified but is no step of the
    // history, which keeps the objects of one page only.
    bool m_bNoStep = false;
};

class CChangeSink {
public:
    virtual ~CChangeSink() = default;
    // Runs apply as one undoable step of the document.
    virtual void Commit(CDrawDoc* doc, const CDocChange& change, const std::function<void()>& apply) = 0;
};

// The sink of a document: the designer's history when one is installed,
// otherwise one that applies directly.
CChangeSink* ChangeSinkFor(CDrawDoc* doc);
using ChangeSinkResolver = std::function<CChangeSink*(CDrawDoc*)>;
void SetChangeSinkResolver(ChangeSinkResolver resolver);
