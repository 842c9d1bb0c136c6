#pragma once

// What the sheet tests share: a change sink that records the steps it is
// given, a message hook that records the texts, and a way to drive a sheet
// without a person.

#include "app/DocChange.h"
#include "app/MessageBox.h"
#include "document/Archive.h"
#include "document/DrawDoc.h"
#include "objects/DrawRect.h"
#include "properties/PropertySheet.h"
#include "properties/PropertySheetsUI.h"

#include <QtCore/QStringList>

#include <functional>
#include <vector>

struct CRecordedStep {
    QString m_strName;
    std::vector<CDrawObj*> m_objects;
};

// Installed for the life of the object: records every step, runs it and
// marks the document modified, as the designer's history does.
class CSheetTestBench : public CChangeSink {
public:
    CSheetTestBench()
    {
        InstallPropertySheets();
        SetChangeSinkResolver([this](CDrawDoc*) -> CChangeSink* { return this; });
        SetMessageHook([this](const CMessageRequest& r) {
            m_messages << r.m_strText;
            return QMessageBox::Ok;
        });
    }
    ~CSheetTestBench() override
    {
        SetChangeSinkResolver({});
        SetMessageHook({});
        CPropertySheet::SetRunHook({});
    }
    void Commit(CDrawDoc* doc, const CDocChange& change, const std::function<void()>& apply) override
    {
        m_steps.push_back({change.m_strName, change.m_objects});
        apply();
        if (doc) doc->SetModifiedFlag(true);
    }

    // Opens the object's sheet and lets drive act on it as a person would.
    template <class Sheet>
    void Edit(CDrawObj* object, const std::function<void(Sheet&)>& drive)
    {
        m_bSheetSeen = false;
        CPropertySheet::SetRunHook([this, drive](CPropertySheet& sheet) {
            auto* typed = dynamic_cast<Sheet*>(&sheet);
            m_bSheetSeen = typed != nullptr;
            m_strCaption = sheet.windowTitle();
            if (typed) drive(*typed);
        });
        object->EditProperties(nullptr);
        CPropertySheet::SetRunHook({});
    }

    std::vector<CRecordedStep> m_steps;
    QStringList m_messages;
    QString m_strCaption;
    bool m_bSheetSeen = false;
};

// A calendar as the generator makes it, stored right to left.
inline CDrawRect* AddCalendar(CDrawDoc& doc, int month, int year)
{
    auto* cal = new CDrawRect(CRect(379, -492, -377, 0), CDrawRect::kindCalendar);
    cal->SetCalendarMonth(month, year);
    doc.Add(cal);
    return cal;
}

// The object's archived record, to see that nothing at all changed.
inline std::vector<BYTE> RecordOf(CDrawObj* object)
{
    CArchive out;
    out.WriteObject(object);
    return out.Buffer();
}
