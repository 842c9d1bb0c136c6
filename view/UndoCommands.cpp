#include "view/UndoCommands.h"

#include "document/Archive.h"
#include "document/DrawDoc.h"
#include "document/HolidayStream.h"
#include "objects/ByteReader.h"
#include "imageio/PictureHolder.h"
#include "objects/DrawItem.h"
#include "objects/DrawOleObj.h"
#include "objects/DrawRect.h"
#include "view/DesignDocument.h"

#include <QtCore/QCoreApplication>
#include <QtGui/QUndoStack>

#include <algorithm>
#include <cstring>
#include <iterator>

namespace {

// A calendar's holidays are not part of its archived record; the history
// keeps them after it, followed by their length and this mark, so a step
// restores them with the rest.
constexpr char kHolidayMark[4] = {'H', 'O', 'L', '2'};

// Splits a kept record into the archived part and the holidays after it.
std::size_t ArchivedSize(const std::vector<BYTE>& record, CHolidayList* holidays)
{
    if (record.size() < 8 || std::memcmp(record.data() + record.size() - 4, kHolidayMark, 4) != 0)
        return record.size();
    CByteReader tail(record.data() + record.size() - 8, 4);
    const std::size_t length = tail.U32();
    if (length > record.size() - 8) return record.size();
    const std::size_t start = record.size() - 8 - length;
    // Only a tail that reads as exactly one holiday record is one.
    CByteReader in(record.data() + start, length);
    CHolidayList read;
    if (!CHolidayStream::ReadRecord(in, &read) || !in.AtEnd()) return record.size();
    if (holidays) *holidays = std::move(read);
    return start;
}

}  // namespace

CObjectRecord ArchiveObjectRecord(CDrawObj* object)
{
    CArchive out;
    // An embedded picture's bytes stay with its item, which is handed over
    // on restore; the records stay small.
    out.m_bItemDataInStorage = true;
    out.WriteObject(object);
    std::vector<BYTE> record = out.Buffer();
    auto* rect = dynamic_cast<CDrawRect*>(object);
    if (rect && !rect->m_holidays.IsEmpty()) {
        CByteWriter holidays;
        CHolidayStream::WriteRecord(holidays, rect->m_holidays);
        CByteWriter tail;
        tail.U32(static_cast<DWORD>(holidays.Size()));
        tail.Write(kHolidayMark, sizeof kHolidayMark);
        record.insert(record.end(), holidays.Buffer().begin(), holidays.Buffer().end());
        record.insert(record.end(), tail.Buffer().begin(), tail.Buffer().end());
    }
    return std::make_shared<const std::vector<BYTE>>(std::move(record));
}

int IndexOfObject(const CDrawDoc& doc, const CDrawObj* object)
{
    int index = 0;
    for (const CDrawObj* o : *doc.GetObjects()) {
        if (o == object) return index;
        ++index;
    }
    return -1;
}

CDrawObj* ObjectAt(const CDrawDoc& doc, int index)
{
    const auto* list = doc.GetObjects();
    if (index < 0 || index >= static_cast<int>(list->size())) return nullptr;
    return *std::next(list->begin(), index);
}

namespace {

struct CKeepPicturesUndecoded {
    CKeepPicturesUndecoded() { CDrawRect::s_bKeepPicturesUndecoded = true; }
    ~CKeepPicturesUndecoded() { CDrawRect::s_bKeepPicturesUndecoded = false; }
};

// Reads a record back into the object at index: the object keeps its
// identity (other steps, views and selections point at it) and its decoded
// pictures when the record names the same ones.
void RestoreObject(CDesignDocument* design, int index, const CObjectRecord& record)
{
    CDrawDoc* doc = design->Doc();
    CDrawObj* obj = ObjectAt(*doc, index);
    if (!obj || !record) return;
    CHolidayList holidays;
    const std::size_t archived = ArchivedSize(*record, &holidays);
    auto* rect = dynamic_cast<CDrawRect*>(obj);
    const std::string imagePath = rect ? rect->m_strImagePath : std::string();
    const std::string imageType = rect ? rect->m_strImageType : std::string();
    // An embedded object's item is read anew; the picture of the item it
    // replaces goes over to it.
    auto* ole = dynamic_cast<CDrawOleObj*>(obj);
    std::unique_ptr<CDrawItem> oldItem(ole ? ole->m_pItem : nullptr);
    if (ole) ole->m_pItem = nullptr;
    try {
        CKeepPicturesUndecoded keep;
        CArchive in(record->data(), archived);
        in.m_pDocument = doc;
        in.ReadObjectInto(obj);
    } catch (const CArchiveException&) {
        // The history's own records always read back; should one not, the
        // object keeps what was read and its picture.
        if (ole && !ole->m_pItem) ole->m_pItem = oldItem.release();
        return;
    }
    obj->m_pDocument = doc;
    if (rect) {
        rect->m_holidays = std::move(holidays);
        if (rect->m_strImagePath != imagePath || rect->m_strImageType != imageType) rect->RebuildImage();
    }
    if (ole && ole->m_pItem && oldItem) ole->m_pItem->TakePictureFrom(*oldItem);
}

void ApplyBackground(CDrawDoc* doc, const CBackgroundState& state)
{
    doc->m_nBackStyle = state.m_nBackStyle;
    doc->m_nGradientDirection = state.m_nGradientDirection;
    doc->m_crBackFrom = state.m_crBackFrom;
    doc->m_crBackTo = state.m_crBackTo;
    doc->m_bDrawBackImage = state.m_bDrawBackImage;
    doc->m_nBackImagePlacement = state.m_nBackImagePlacement;
    doc->m_bBackImageStretch = state.m_bBackImageStretch;
    doc->m_strBackImagePath = state.m_strBackImagePath;
    doc->m_strBackImageType = state.m_strBackImageType;
}

bool SameBackImage(const CBackgroundState& a, const CBackgroundState& b)
{
    return a.m_strBackImagePath == b.m_strBackImagePath && a.m_strBackImageType == b.m_strBackImageType &&
           a.m_bDrawBackImage == b.m_bDrawBackImage;
}

}  // namespace

CBackgroundState CBackgroundState::Of(const CDrawDoc& doc)
{
    CBackgroundState s;
    s.m_nBackStyle = doc.m_nBackStyle;
    s.m_nGradientDirection = doc.m_nGradientDirection;
    s.m_crBackFrom = doc.m_crBackFrom;
    s.m_crBackTo = doc.m_crBackTo;
    s.m_bDrawBackImage = doc.m_bDrawBackImage;
    s.m_nBackImagePlacement = doc.m_nBackImagePlacement;
    s.m_bBackImageStretch = doc.m_bBackImageStretch;
    s.m_strBackImagePath = doc.m_strBackImagePath;
    s.m_strBackImageType = doc.m_strBackImageType;
    return s;
}

bool CBackgroundState::operator==(const CBackgroundState& o) const
{
    return m_nBackStyle == o.m_nBackStyle && m_nGradientDirection == o.m_nGradientDirection &&
           m_crBackFrom == o.m_crBackFrom && m_crBackTo == o.m_crBackTo && m_bDrawBackImage == o.m_bDrawBackImage &&
           m_nBackImagePlacement == o.m_nBackImagePlacement && m_bBackImageStretch == o.m_bBackImageStretch &&
           m_strBackImagePath == o.m_strBackImagePath && m_strBackImageType == o.m_strBackImageType;
}

// --- CDocCommand ------------------------------------------------------------------

CDocCommand::CDocCommand(CDesignDocument* doc, const QString& name)
    : QUndoCommand(name), m_pDesign(doc), m_nPage(doc->Doc()->CurrentPage())
{
}

void CDocCommand::ShowItsPage()
{
    Doc()->SetCurrentPage(m_nPage);
}

CDrawDoc* CDocCommand::Doc() const
{
    return m_pDesign->Doc();
}

void CDocCommand::Changed()
{
    Doc()->UpdateAllViews(nullptr, HINT_UPDATE_WINDOW);
}

// --- CModifyCommand ---------------------------------------------------------------

CModifyCommand::CModifyCommand(CDesignDocument* doc, const QString& name, const std::vector<CDrawObj*>& objects,
                               bool background)
    : CDocCommand(doc, name), m_bBackground(background)
{
    for (CDrawObj* obj : objects) {
        const int index = IndexOfObject(*Doc(), obj);
        if (index < 0) continue;
        if (std::any_of(m_entries.begin(), m_entries.end(), [index](const Entry& e) { return e.index == index; }))
            continue;
        m_entries.push_back({index, ArchiveObjectRecord(obj), nullptr});
    }
    if (m_bBackground) m_backBefore = CBackgroundState::Of(*Doc());
}

CModifyCommand::~CModifyCommand() = default;

bool CModifyCommand::Finish()
{
    bool changed = false;
    for (Entry& e : m_entries) {
        CDrawObj* obj = ObjectAt(*Doc(), e.index);
        e.after = obj ? ArchiveObjectRecord(obj) : e.before;
        if (*e.after == *e.before) e.after = e.before;  // share the unchanged record
        else changed = true;
    }
    if (m_bBackground) {
        m_backAfter = CBackgroundState::Of(*Doc());
        if (!(m_backAfter == m_backBefore)) changed = true;
        if (SameBackImage(m_backBefore, m_backAfter)) m_pOtherBackImage.reset();
    }
    return changed;
}

void CModifyCommand::Apply(bool after)
{
    ShowItsPage();
    for (const Entry& e : m_entries) {
        const CObjectRecord& record = after ? e.after : e.before;
        CDrawObj* current = ObjectAt(*Doc(), e.index);
        const CObjectRecord& other = after ? e.before : e.after;
        // An object whose record did not change in this step stays as it is.
        if (current && record != other) RestoreObject(m_pDesign, e.index, record);
    }
    if (m_bBackground) {
        const CBackgroundState& target = after ? m_backAfter : m_backBefore;
        const CBackgroundState& from = after ? m_backBefore : m_backAfter;
        ApplyBackground(Doc(), target);
        if (!SameBackImage(target, from)) {
            // The picture of the state shown before is kept for the way back.
            std::unique_ptr<CPictureHolder> showing = std::move(Doc()->m_pBackImage);
            if (m_pOtherBackImage) Doc()->m_pBackImage = std::move(m_pOtherBackImage);
            else Doc()->RebuildBackImage();
            m_pOtherBackImage = std::move(showing);
        }
    }
    Changed();
}

void CModifyCommand::undo()
{
    Apply(false);
}

void CModifyCommand::redo()
{
    if (m_bDone) {
        m_bDone = false;
        return;
    }
    Apply(true);
}

bool CModifyCommand::mergeWith(const QUndoCommand* other)
{
    const auto* next = dynamic_cast<const CModifyCommand*>(other);
    if (!next || next->id() != id() || id() < 0 || next->m_bBackground || m_bBackground) return false;
    // The same places on another page are other objects.
    if (next->m_nPage != m_nPage) return false;
    if (next->m_entries.size() != m_entries.size()) return false;
    for (std::size_t i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].index != next->m_entries[i].index) return false;
    for (std::size_t i = 0; i < m_entries.size(); ++i) m_entries[i].after = next->m_entries[i].after;
    return true;
}

// --- CInsertCommand ---------------------------------------------------------------

CInsertCommand::CInsertCommand(CDesignDocument* doc, const QString& name, const std::vector<CDrawObj*>& objects,
                               bool remove)
    : CDocCommand(doc, name), m_bRemove(remove)
{
    for (CDrawObj* obj : objects) {
        const int index = IndexOfObject(*Doc(), obj);
        if (index >= 0) m_entries.push_back({index, obj});
    }
    std::sort(m_entries.begin(), m_entries.end(), [](const Entry& a, const Entry& b) { return a.index < b.index; });
    m_entries.erase(std::unique(m_entries.begin(), m_entries.end(),
                                [](const Entry& a, const Entry& b) { return a.index == b.index; }),
                    m_entries.end());
    // A removal is carried out by its first redo; an insertion was made already.
    m_bDone = !remove;
}

CInsertCommand::~CInsertCommand()
{
    if (!m_bOwned) return;
    for (Entry& e : m_entries) {
        e.object->m_pDocument = nullptr;
        e.object->Remove();
    }
}

void CInsertCommand::PutBack()
{
    if (!m_bOwned) return;
    auto* list = Doc()->GetObjects();
    for (const Entry& e : m_entries) {
        auto it = list->begin();
        std::advance(it, std::min<std::size_t>(static_cast<std::size_t>(e.index), list->size()));
        list->insert(it, e.object);
        e.object->m_pDocument = Doc();
    }
    m_bOwned = false;
}

void CInsertCommand::TakeOut()
{
    if (m_bOwned) return;
    auto* list = Doc()->GetObjects();
    // Every view forgets the objects before they leave the list, so no
    // selection ever points at an object that is not on the page.
    for (const Entry& e : m_entries) m_pDesign->ForgetInSelections(e.object);
    for (auto e = m_entries.rbegin(); e != m_entries.rend(); ++e) {
        auto it = std::find(list->begin(), list->end(), e->object);
        if (it != list->end()) list->erase(it);
    }
    m_bOwned = true;
}

void CInsertCommand::undo()
{
    ShowItsPage();
    if (m_bRemove) PutBack();
    else TakeOut();
    Changed();
}

void CInsertCommand::redo()
{
    if (m_bDone) {
        m_bDone = false;
        return;
    }
    ShowItsPage();
    if (m_bRemove) TakeOut();
    else PutBack();
    Changed();
}

// --- CReorderCommand --------------------------------------------------------------

CReorderCommand::CReorderCommand(CDesignDocument* doc, const QString& name, int from, int to)
    : CDocCommand(doc, name), m_nFrom(from), m_nTo(to)
{
    m_bDone = false;
}

void CReorderCommand::Move(int from, int to)
{
    ShowItsPage();
    auto* list = Doc()->GetObjects();
    const int size = static_cast<int>(list->size());
    if (from < 0 || from >= size || to < 0 || to >= size || from == to) return;
    auto it = std::next(list->begin(), from);
    CDrawObj* obj = *it;
    list->erase(it);
    list->insert(std::next(list->begin(), to), obj);
    Doc()->UpdateAllViews(nullptr, HINT_UPDATE_DRAWOBJ, obj);
}

void CReorderCommand::undo()
{
    Move(m_nTo, m_nFrom);
}

void CReorderCommand::redo()
{
    Move(m_nFrom, m_nTo);
}

// --- CListCommand -----------------------------------------------------------------

CListCommand::CListCommand(CDesignDocument* doc, const QString& name)
    : CDocCommand(doc, name), m_before(*doc->Doc()->GetObjects()), m_backBefore(CBackgroundState::Of(*doc->Doc()))
{
}

CListCommand::~CListCommand()
{
    // The objects of the list that is not showing belong to this step.
    const std::list<CDrawObj*>& hidden = m_bShowingAfter ? m_before : m_after;
    const std::list<CDrawObj*>& shown = m_bShowingAfter ? m_after : m_before;
    for (CDrawObj* obj : hidden) {
        if (std::find(shown.begin(), shown.end(), obj) != shown.end()) continue;
        obj->m_pDocument = nullptr;
        obj->Remove();
    }
}

void CListCommand::Finish()
{
    m_after = *Doc()->GetObjects();
    m_backAfter = CBackgroundState::Of(*Doc());
}

void CListCommand::Show(bool after)
{
    if (after == m_bShowingAfter) return;
    ShowItsPage();
    const std::list<CDrawObj*>& target = after ? m_after : m_before;
    for (CDrawObj* obj : *Doc()->GetObjects())
        if (std::find(target.begin(), target.end(), obj) == target.end()) m_pDesign->ForgetInSelections(obj);
    *Doc()->GetObjects() = target;
    for (CDrawObj* obj : target) obj->m_pDocument = Doc();
    const CBackgroundState& back = after ? m_backAfter : m_backBefore;
    const CBackgroundState& from = after ? m_backBefore : m_backAfter;
    ApplyBackground(Doc(), back);
    if (!SameBackImage(back, from)) {
        std::unique_ptr<CPictureHolder> showing = std::move(Doc()->m_pBackImage);
        if (m_pOtherBackImage) Doc()->m_pBackImage = std::move(m_pOtherBackImage);
        else Doc()->RebuildBackImage();
        m_pOtherBackImage = std::move(showing);
    }
    m_bShowingAfter = after;
    Changed();
}

void CListCommand::undo()
{
    Show(false);
}

void CListCommand::redo()
{
    Show(true);
}

// --- CHistorySink -----------------------------------------------------------------

void CHistorySink::Commit(CDrawDoc* doc, const CDocChange& change, const std::function<void()>& apply)
{
    CDesignDocument* design = CDesignDocument::From(doc);
    if (!design) {
        apply();
        if (doc) doc->SetModifiedFlag(true);
        return;
    }
    if (change.m_bNoStep) {
        apply();
        design->SetModified();
        return;
    }
    const QString name = change.m_strName.isEmpty() ? QCoreApplication::translate("CHistorySink", "Change") : change.m_strName;
    if (change.m_bObjectList) {
        auto* step = new CListCommand(design, name);
        apply();
        step->Finish();
        design->UndoStack()->push(step);
        return;
    }
    auto* step = new CModifyCommand(design, name, change.m_objects, change.m_bBackground);
    apply();
    if (step->Finish()) design->UndoStack()->push(step);
    else delete step;
}

void CHistorySink::Install()
{
    static CHistorySink sink;
    SetChangeSinkResolver([](CDrawDoc* doc) -> CChangeSink* {
        return CDesignDocument::From(doc) ? &sink : nullptr;
    });
}
