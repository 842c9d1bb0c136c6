#include "document/DrawDoc.h"

#include "document/Archive.h"
#include "document/CompoundFile.h"
#include "document/DocSummary.h"
#include "document/HolidayStream.h"
#include "imageio/PictureHolder.h"
#include "objects/DC.h"
#include "objects/DrawObj.h"
#include "objects/DrawItem.h"
#include "objects/DrawOleObj.h"
#include "objects/Environment.h"

#include <algorithm>
#include <iostream>
#include <unistd.h>

const char* const CDrawDoc::kContentsStream = "Contents";
const char* const CDrawDoc::kItemStream = "Picture";

namespace {

CDrawDoc::PrinterQuery& PrinterQueryHook()
{
    static CDrawDoc::PrinterQuery query;
    return query;
}

// Keeps the process's working directory across a document operation.
class CKeepWorkingDirectory {
public:
    CKeepWorkingDirectory()
    {
        char buf[4096];
        if (::getcwd(buf, sizeof buf)) m_path = buf;
    }
    ~CKeepWorkingDirectory()
    {
        if (!m_path.empty() && ::chdir(m_path.c_str()) != 0) {
            // Nothing sensible can be done; the document itself is fine.
        }
    }
    CKeepWorkingDirectory(const CKeepWorkingDirectory&) = delete;
    CKeepWorkingDirectory& operator=(const CKeepWorkingDirectory&) = delete;

private:
    std::string m_path;
};

}  // namespace

void CDrawDoc::SetPrinterQuery(PrinterQuery query)
{
    PrinterQueryHook() = std::move(query);
}

CDrawDoc::CDrawDoc()
{
    const CEnvironment& env = Environment();
    // The default background comes from the settings at this moment; the
    // "To Color" is the setting minus 5000, wrapping around as a 32-bit
    // integer.
    COLORREF back = static_cast<COLORREF>(env.m_settings->GetProfileInt("Settings", "BackColor", 0xFFFFFF));
    m_crBackFrom = back;
    m_crBackTo = back - 5000u;
    m_strBackImagePath = env.m_strInstallDir + "BckImage.jpg";
    m_strBackImageType = "jpg";
    m_pBackImage = std::make_unique<CPictureHolder>(m_strBackImagePath, IMAGE_FORMAT_JPG);
    UpdatePageSize();
}

CDrawDoc::~CDrawDoc()
{
    DeleteContents();
}

void CDrawDoc::DeleteContents()
{
    // Objects remove themselves from the list as they are destroyed.
    std::list<CDrawObj*> objects;
    objects.swap(m_listObjects);
    for (CDrawObj* obj : objects) {
        obj->m_pDocument = nullptr;
        delete obj;
    }
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

CDrawObj* CDrawDoc::FindObjectAt(CPoint point)
{
    CRect rect(point.x, point.y, point.x + 1, point.y + 1);
    for (auto it = m_listObjects.rbegin(); it != m_listObjects.rend(); ++it)
        if ((*it)->Intersects(rect)) return *it;
    return nullptr;
}

void CDrawDoc::Draw(CDC* dc, bool viewActive, const std::list<CDrawObj*>* selection)
{
    // A repaint of part of the page draws only the objects that can reach
    // it. An object may draw a little past its rectangle (wide pens, text
    // turned about its centre), so it counts with a margin of half its
    // larger side and a quarter inch.
    CRect clip;
    dc->GetClipBox(&clip);
    clip.NormalizeRect();
    const bool partial = !clip.IsRectEmpty();
    for (CDrawObj* obj : m_listObjects) {
        if (partial) {
            CRect r = obj->m_position.Normalized();
            const long long reach = std::max<long long>(r.Width(), r.Height()) / 2 + 25 +
                                    std::max(obj->m_logpen.lopnWidth.x, obj->m_logpen.lopnWidth.y);
            const int m = static_cast<int>(std::min<long long>(reach, 1 << 28));
            const CRect grown(r.left - m, r.top - m, r.right + m, r.bottom + m);
            CRect meet;
            if (!meet.IntersectRect(grown, clip)) continue;
        }
        obj->Draw(dc);
        if (viewActive && !dc->IsPrinting() && selection &&
            std::find(selection->begin(), selection->end(), obj) != selection->end())
            obj->DrawSelectionHandles(dc, 1);
    }
}

void CDrawDoc::ApplyCalendarSettingsToAll(CDrawObj* source)
{
    for (CDrawObj* obj : m_listObjects) obj->CopyCalendarSettingsFrom(source);
    SetModifiedFlag();
    UpdateAllViews(nullptr, HINT_UPDATE_WINDOW);
}

void CDrawDoc::UpdatePageSize()
{
    CSize size(kDefaultPageWidth, kDefaultPageHeight);
    CSize mm;
    const PrinterQuery& query = PrinterQueryHook();
    if (query && query(&mm) && mm.cx > 0 && mm.cy > 0) {
        // The printable area in millimetres, in 0.01 inch.
        size = CSize(MulDiv(mm.cx, 1000, 254), MulDiv(mm.cy, 1000, 254));
    }
    if (!(size == m_sizePage)) {
        m_sizePage = size;
        std::vector<CDocObserver*> observers = m_observers;
        for (CDocObserver* o : observers) o->OnPageSizeChanged(size);
    }
}

CRect CDrawDoc::PageRect() const
{
    return CRect(-m_sizePage.cx / 2, -m_sizePage.cy / 2, m_sizePage.cx / 2, m_sizePage.cy / 2);
}

int CDrawDoc::BackImageFormat(const std::string& type)
{
    // Exact, case-sensitive comparison: "JPG" is not "jpg".
    static const std::pair<const char*, int> table[] = {
        {"bmp", 0}, {"jpg", 2}, {"jpeg", 2}, {"gif", 1}, {"png", 3},
        {"ico", 4}, {"tiff", 5}, {"tif", 5}, {"tga", 6}, {"pcx", 7},
    };
    for (const auto& [ext, code] : table)
        if (type == ext) return code;
    return 0;
}

void CDrawDoc::RebuildBackImage()
{
    m_pBackImage = std::make_unique<CPictureHolder>(m_strBackImagePath, BackImageFormat(m_strBackImageType));
}

void CDrawDoc::SetBackImage(bool draw, int placement, bool stretch, const std::string& path, const std::string& type)
{
    m_bDrawBackImage = draw ? 1 : 0;
    m_nBackImagePlacement = placement;
    m_bBackImageStretch = stretch ? 1 : 0;
    m_strBackImagePath = path;
    m_strBackImageType = type;
    RebuildBackImage();
    SetModifiedFlag();
    UpdateAllViews(nullptr, HINT_UPDATE_WINDOW);
}

void CDrawDoc::SetBackColors(int style, int direction, COLORREF from, COLORREF to)
{
    m_nBackStyle = style;
    m_nGradientDirection = direction;
    m_crBackFrom = from;
    m_crBackTo = to;
    SetModifiedFlag();
    UpdateAllViews(nullptr, HINT_UPDATE_WINDOW);
}

bool CDrawDoc::OnNewDocument()
{
    DeleteContents();
    m_pSummary = std::make_unique<CDocSummary>();
    m_pSummary->RecordNew();
    SetModifiedFlag(false);
    return true;
}

void CDrawDoc::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteDWord(m_crBackFrom);
        ar.WriteDWord(m_crBackTo);
        ar.WriteDWord(static_cast<DWORD>(m_nBackStyle));
        ar.WriteDWord(static_cast<DWORD>(m_nGradientDirection));
        ar.WriteDWord(static_cast<DWORD>(m_bDrawBackImage));
        ar.WriteDWord(static_cast<DWORD>(m_nBackImagePlacement));
        ar.WriteDWord(static_cast<DWORD>(m_bBackImageStretch));
        ar.WriteString(m_strBackImagePath);
        ar.WriteString(m_strBackImageType);
        ar.WriteObjectList(m_listObjects);
        // The client items of the embedded objects, each already written
        // inside its object's record and so written here as a reference.
        std::vector<CDrawItem*> items = EmbeddedItems();
        ar.WriteDWord(static_cast<DWORD>(items.size()));
        for (CDrawItem* item : items) ar.WriteObject(item);
        return;
    }
    m_crBackFrom = ar.ReadDWord();
    m_crBackTo = ar.ReadDWord();
    m_nBackStyle = static_cast<int>(ar.ReadDWord());
    m_nGradientDirection = static_cast<int>(ar.ReadDWord());
    m_bDrawBackImage = static_cast<BOOL>(ar.ReadDWord());
    m_nBackImagePlacement = static_cast<int>(ar.ReadDWord());
    m_bBackImageStretch = static_cast<BOOL>(ar.ReadDWord());
    m_strBackImagePath = ar.ReadString();
    m_strBackImageType = ar.ReadString();
    std::list<CDrawObj*> objects;
    ar.ReadObjectList(objects);
    for (CDrawObj* obj : objects) obj->m_pDocument = this;
    m_listObjects.splice(m_listObjects.end(), objects);
    DWORD count = ar.ReadDWord();
    // Each reference takes at least two bytes.
    if (count > ar.Remaining() / 2) throw CArchiveException(CArchiveException::endOfFile, "too many client items");
    for (DWORD i = 0; i < count; ++i) {
        CDrawItem* item = ar.ReadObjectOf<CDrawItem>();
        if (!item) throw CArchiveException(CArchiveException::badIndex, "a null client item");
        if (ar.LastReadWasNew()) {
            // An item that no embedded object shows has nowhere to go.
            delete item;
            throw CArchiveException(CArchiveException::badIndex, "a client item without its object");
        }
    }
    m_nLoadedItemCount = count;
}

std::vector<CDrawItem*> CDrawDoc::EmbeddedItems() const
{
    std::vector<CDrawItem*> items;
    for (CDrawObj* obj : m_listObjects)
        if (auto* ole = dynamic_cast<CDrawOleObj*>(obj); ole && ole->m_pItem && !ole->m_pItem->IsBlank())
            items.push_back(ole->m_pItem);
    return items;
}

std::string CDrawDoc::ItemStorageName(DWORD number)
{
    return "Embedding " + std::to_string(number);
}

bool CDrawDoc::SaveToStorage(CStorage* root, std::string* error)
{
    // Items are numbered in page order; the number names the item's storage.
    std::vector<CDrawItem*> items = EmbeddedItems();
    for (std::size_t i = 0; i < items.size(); ++i) items[i]->m_dwItemNumber = static_cast<DWORD>(i + 1);
    CArchive ar;
    ar.m_pDocument = this;
    ar.m_bItemDataInStorage = true;
    try {
        Serialize(ar);
    } catch (const std::exception& e) {
        if (error) *error = e.what();
        return false;
    }
    if (!root->CreateStream(kContentsStream, ar.Buffer())) {
        if (error) *error = "Cannot create the document stream";
        return false;
    }
    if (m_pSummary) m_pSummary->WriteTo(root);
    // The holidays live beside the archive; a document without any writes
    // no stream, exactly as before.
    std::vector<BYTE> holidays;
    if (CHolidayStream::Write(*this, &holidays) && !root->CreateStream(CHolidayStream::kStreamName, holidays)) {
        if (error) *error = "Cannot create the holiday stream";
        return false;
    }
    for (CDrawItem* item : items) {
        CStorage* sub = root->CreateStorage(ItemStorageName(item->m_dwItemNumber));
        if (!sub || !sub->CreateStream(kItemStream, item->Data())) {
            if (error) *error = "Cannot store an embedded object";
            return false;
        }
    }
    return true;
}

bool CDrawDoc::LoadFromStorage(const CStorage& root, std::string* error)
{
    const std::vector<BYTE>* contents = root.OpenStream(kContentsStream);
    if (!contents) {
        if (error) *error = "The file holds no calendar document";
        return false;
    }
    // Everything is read into a fresh document, which replaces this one's
    // contents only when the whole file was understood.
    CDrawDoc fresh;
    CArchive ar(*contents);
    ar.m_pDocument = &fresh;
    ar.m_bItemDataInStorage = true;
    try {
        fresh.Serialize(ar);
    } catch (const std::exception& e) {
        if (error) *error = std::string("The file is not a valid calendar document (") + e.what() + ")";
        return false;
    }
    // The pictures of embedded items live in their own storages; every
    // item the record counts must find its picture.
    DWORD found = 0;
    for (CDrawObj* obj : fresh.m_listObjects) {
        auto* ole = dynamic_cast<CDrawOleObj*>(obj);
        if (!ole || !ole->m_pItem) continue;
        CDrawItem* item = ole->m_pItem;
        if (item->IsBlank()) {
            const CStorage* sub = root.OpenStorage(ItemStorageName(item->m_dwItemNumber));
            const std::vector<BYTE>* bytes = sub ? sub->OpenStream(kItemStream) : nullptr;
            if (bytes && !bytes->empty()) item->SetData(*bytes, item->Format());
        }
        if (!item->IsBlank()) ++found;
    }
    if (found != fresh.m_nLoadedItemCount) {
        if (error) *error = "An embedded object of the file is missing or damaged";
        return false;
    }
    // Damaged holiday data is dropped whole; the design itself is sound and
    // opens, its calendars without holidays.
    m_strHolidayProblem.clear();
    if (const std::vector<BYTE>* holidays = root.OpenStream(CHolidayStream::kStreamName)) {
        CHolidayStream::Read(*holidays, &fresh, &m_strHolidayProblem);
    }
    auto summary = std::make_unique<CDocSummary>();
    summary->RecordOpen();
    // A missing or damaged summary leaves the initial values.
    summary->ReadFrom(&root);
    fresh.m_pSummary = std::move(summary);
    // The loaded picture path is shown again after reopening.
    fresh.RebuildBackImage();
    TakeContentsFrom(fresh);
    return true;
}

void CDrawDoc::TakeContentsFrom(CDrawDoc& other)
{
    DeleteContents();
    m_pSummary = std::move(other.m_pSummary);
    m_bDrawBackImage = other.m_bDrawBackImage;
    m_nBackImagePlacement = other.m_nBackImagePlacement;
    m_bBackImageStretch = other.m_bBackImageStretch;
    m_strBackImagePath = other.m_strBackImagePath;
    m_strBackImageType = other.m_strBackImageType;
    m_pBackImage = std::move(other.m_pBackImage);
    m_crBackFrom = other.m_crBackFrom;
    m_crBackTo = other.m_crBackTo;
    m_nBackStyle = other.m_nBackStyle;
    m_nGradientDirection = other.m_nGradientDirection;
    m_listObjects.swap(other.m_listObjects);
    for (CDrawObj* obj : m_listObjects) obj->m_pDocument = this;
    SetModifiedFlag(false);
    UpdateAllViews(nullptr, HINT_UPDATE_WINDOW);
}

bool CDrawDoc::LoadFromBytes(const BYTE* data, std::size_t size, std::string* error)
{
    CStorage root;
    if (!CCompoundFile::Read(data, size, &root, error)) return false;
    return LoadFromStorage(root, error);
}

bool CDrawDoc::OnOpenDocument(const std::string& path, std::string* error)
{
    CKeepWorkingDirectory keep;
    CStorage root;
    std::string why;
    if (!CCompoundFile::Load(path, &root, &why) || !LoadFromStorage(root, &why)) {
        if (error) *error = "Cannot open " + path + ": " + why;
        return false;
    }
    return true;
}

bool CDrawDoc::OnSaveDocument(const std::string& path, std::string* error)
{
    CKeepWorkingDirectory keep;
    if (!m_pSummary) {
        m_pSummary = std::make_unique<CDocSummary>();
        m_pSummary->RecordNew();
    }
    // The summary is stamped for this save; a failed save takes it back.
    CDocSummary before = *m_pSummary;
    m_pSummary->RecordSave();
    CStorage root;
    std::string why;
    if (!SaveToStorage(&root, &why) || !CCompoundFile::Save(root, path, &why)) {
        *m_pSummary = before;
        if (error) *error = "Cannot save " + path + ": " + why;
        return false;
    }
    SetModifiedFlag(false);
    return true;
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
