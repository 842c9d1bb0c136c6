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

// Why reading or writing an archive stopped: its own message, or the
// words of whatever else went wrong (such as running out of memory).
CMessage Reason(const std::exception& e)
{
    if (const auto* archive = dynamic_cast<const CArchiveException*>(&e)) return archive->Message();
    return CMessage::Verbatim(e.what());
}

CMessage CannotStoreItem()
{
    return CMessage(MESSAGE_TEXT("CMessage", "Cannot store an embedded object"));
}

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
    m_pages.push_back(CDrawPage::MakeBlank());
    UpdatePageSize();
}

CDrawDoc::~CDrawDoc()
{
    DeleteContents();
}

void CDrawDoc::DeleteContents()
{
    DeleteObjects();
    m_pages.clear();
    m_pages.push_back(CDrawPage::MakeBlank());
    m_nCurrentPage = 0;
}

std::string CDrawDoc::PageStreamName(int number)
{
    return "Page " + std::to_string(number);
}

std::string CDrawDoc::PageHolidayStreamName(int number)
{
    return PageStreamName(number) + " Holidays";
}

CDrawPage* CDrawDoc::GetPage(int index)
{
    if (index < 0 || index >= PageCount()) return nullptr;
    return index == m_nCurrentPage ? this : m_pages[static_cast<std::size_t>(index)].get();
}

const CDrawPage* CDrawDoc::GetPage(int index) const
{
    return const_cast<CDrawDoc*>(this)->GetPage(index);
}

void CDrawDoc::ExchangeCurrentPage()
{
    SwapPage(*m_pages[static_cast<std::size_t>(m_nCurrentPage)]);
}

void CDrawDoc::SwitchPage(int index)
{
    ExchangeCurrentPage();
    m_nCurrentPage = index;
    ExchangeCurrentPage();
}

void CDrawDoc::NotifyPagesRenumbered(const std::vector<int>& newIndexOf)
{
    std::vector<CDocObserver*> observers = m_observers;
    for (CDocObserver* o : observers) o->OnPagesRenumbered(newIndexOf);
}

void CDrawDoc::NotifyPagesChanged()
{
    std::vector<CDocObserver*> observers = m_observers;
    for (CDocObserver* o : observers) o->OnPagesChanged();
}

bool CDrawDoc::SetCurrentPage(int index)
{
    if (index < 0 || index >= PageCount()) return false;
    if (index == m_nCurrentPage) return true;
    SwitchPage(index);
    NotifyPagesChanged();
    return true;
}

CDrawDoc::CPageShown::CPageShown(CDrawDoc& doc, int index) : m_doc(doc), m_nWas(doc.m_nCurrentPage)
{
    if (index < 0 || index >= doc.PageCount() || index == m_nWas) return;
    doc.SwitchPage(index);
}

CDrawDoc::CPageShown::~CPageShown()
{
    if (m_doc.m_nCurrentPage != m_nWas) m_doc.SwitchPage(m_nWas);
}

void CDrawDoc::Adopt(CDrawPage& page)
{
    for (CDrawObj* obj : page.m_listObjects) {
        obj->m_pDocument = this;
        if (auto* ole = dynamic_cast<CDrawOleObj*>(obj); ole && ole->m_pItem) ole->m_pItem->m_pDocument = this;
    }
}

void CDrawDoc::InsertPage(int index, std::unique_ptr<CDrawPage> page)
{
    if (!page || PageCount() >= kMaxPages) return;
    index = std::clamp(index, 0, PageCount());
    Adopt(*page);
    ExchangeCurrentPage();
    m_pages.insert(m_pages.begin() + index, std::move(page));
    if (index <= m_nCurrentPage) ++m_nCurrentPage;
    ExchangeCurrentPage();
    SetModifiedFlag();
    std::vector<int> newIndexOf(static_cast<std::size_t>(PageCount() - 1));
    for (int i = 0; i < PageCount() - 1; ++i) newIndexOf[static_cast<std::size_t>(i)] = i < index ? i : i + 1;
    NotifyPagesRenumbered(newIndexOf);
    NotifyPagesChanged();
}

std::unique_ptr<CDrawPage> CDrawDoc::TakePage(int index)
{
    if (PageCount() <= 1 || index < 0 || index >= PageCount()) return nullptr;
    ExchangeCurrentPage();
    std::unique_ptr<CDrawPage> page = std::move(m_pages[static_cast<std::size_t>(index)]);
    m_pages.erase(m_pages.begin() + index);
    if (index < m_nCurrentPage) --m_nCurrentPage;
    m_nCurrentPage = std::min(m_nCurrentPage, PageCount() - 1);
    ExchangeCurrentPage();
    SetModifiedFlag();
    std::vector<int> newIndexOf(static_cast<std::size_t>(PageCount() + 1));
    for (int i = 0; i <= PageCount(); ++i)
        newIndexOf[static_cast<std::size_t>(i)] = i < index ? i : i == index ? -1 : i - 1;
    NotifyPagesRenumbered(newIndexOf);
    NotifyPagesChanged();
    return page;
}

bool CDrawDoc::MovePage(int from, int to)
{
    if (from < 0 || from >= PageCount() || to < 0 || to >= PageCount()) return false;
    if (from == to) return true;
    ExchangeCurrentPage();
    std::vector<const CDrawPage*> before;
    for (const auto& page : m_pages) before.push_back(page.get());
    const CDrawPage* current = m_pages[static_cast<std::size_t>(m_nCurrentPage)].get();
    std::unique_ptr<CDrawPage> moving = std::move(m_pages[static_cast<std::size_t>(from)]);
    m_pages.erase(m_pages.begin() + from);
    m_pages.insert(m_pages.begin() + to, std::move(moving));
    for (int i = 0; i < PageCount(); ++i)
        if (m_pages[static_cast<std::size_t>(i)].get() == current) m_nCurrentPage = i;
    ExchangeCurrentPage();
    SetModifiedFlag();
    std::vector<int> newIndexOf(before.size());
    for (std::size_t i = 0; i < before.size(); ++i)
        newIndexOf[i] = static_cast<int>(
            std::find_if(m_pages.begin(), m_pages.end(), [&](const auto& page) { return page.get() == before[i]; }) -
            m_pages.begin());
    NotifyPagesRenumbered(newIndexOf);
    NotifyPagesChanged();
    return true;
}

std::vector<CDrawObj*> CDrawDoc::AllObjects() const
{
    std::vector<CDrawObj*> objects;
    for (int i = 0; i < PageCount(); ++i) {
        const std::list<CDrawObj*>& list = GetPage(i)->m_listObjects;
        objects.insert(objects.end(), list.begin(), list.end());
    }
    return objects;
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

void CDrawDoc::Draw(CDC* dc, bool viewActive, const std::list<CDrawObj*>* selection, const std::vector<CDrawObj*>* skip)
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
        if (skip && std::find(skip->begin(), skip->end(), obj) != skip->end()) continue;
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

std::vector<CDrawItem*> CDrawDoc::EmbeddedItems() const
{
    std::vector<CDrawItem*> items;
    for (int i = 0; i < PageCount(); ++i) {
        std::vector<CDrawItem*> page = GetPage(i)->EmbeddedItems();
        items.insert(items.end(), page.begin(), page.end());
    }
    return items;
}

std::string CDrawDoc::ItemStorageName(DWORD number)
{
    return "Embedding " + std::to_string(number);
}

bool CDrawDoc::SaveToStorage(CStorage* root, CMessageOut error)
{
    // Items are numbered in page order; the number names the item's storage.
    std::vector<CDrawItem*> items = EmbeddedItems();
    for (std::size_t i = 0; i < items.size(); ++i) items[i]->m_dwItemNumber = static_cast<DWORD>(i + 1);
    // Page 1 is written exactly as a document of one page always was:
    // "Contents", the summary, "Holidays", then the items' storages; the
    // streams of the further pages follow, so a reader that knows only
    // one page sees page 1.
    for (int p = 0; p < PageCount(); ++p) {
        const CDrawPage& page = *GetPage(p);
        CArchive ar;
        ar.m_pDocument = this;
        ar.m_bItemDataInStorage = true;
        try {
            const_cast<CDrawPage&>(page).Serialize(ar);
        } catch (const std::exception& e) {
            error.Set(Reason(e));
            return false;
        }
        if (!root->CreateStream(p == 0 ? std::string(kContentsStream) : PageStreamName(p + 1), ar.Buffer())) {
            error.Set(CMessage(MESSAGE_TEXT("CMessage", "Cannot create the document stream")));
            return false;
        }
        if (p == 0 && m_pSummary) {
            m_pSummary->SetNumPages(static_cast<DWORD>(PageCount()));
            m_pSummary->WriteTo(root);
        }
        // The holidays live beside the archive; a page without any writes
        // no stream.
        std::vector<BYTE> holidays;
        if (CHolidayStream::Write(page.m_listObjects, &holidays) &&
            !root->CreateStream(p == 0 ? std::string(CHolidayStream::kStreamName) : PageHolidayStreamName(p + 1),
                                holidays)) {
            error.Set(CMessage(MESSAGE_TEXT("CMessage", "Cannot create the holiday stream")));
            return false;
        }
        if (p > 0) continue;
        for (CDrawItem* item : page.EmbeddedItems()) {
            CStorage* sub = root->CreateStorage(ItemStorageName(item->m_dwItemNumber));
            if (!sub || !sub->CreateStream(kItemStream, item->Data())) {
                error.Set(CannotStoreItem());
                return false;
            }
        }
    }
    for (std::size_t i = GetPage(0)->EmbeddedItems().size(); i < items.size(); ++i) {
        CStorage* sub = root->CreateStorage(ItemStorageName(items[i]->m_dwItemNumber));
        if (!sub || !sub->CreateStream(kItemStream, items[i]->Data())) {
            error.Set(CannotStoreItem());
            return false;
        }
    }
    return true;
}

bool CDrawDoc::AttachItems(const CStorage& root, CDrawPage& page, CMessage* why)
{
    // The pictures of embedded items live in their own storages; every
    // item the record counts must find its picture.
    DWORD found = 0;
    for (CDrawObj* obj : page.m_listObjects) {
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
    if (found != page.LoadedItemCount()) {
        if (why) *why = CMessage(MESSAGE_TEXT("CMessage", "An embedded object of the file is missing or damaged"));
        return false;
    }
    return true;
}

namespace {

// The number of a page stream's name ("Page 7" gives 7): its decimal
// digits without leading zeros, at most as many as the largest page number
// has. 0 for any other name; holiday streams are not page streams.
int PageNumberOf(const std::string& name, bool* isPageName)
{
    static const std::string prefix = "Page ";
    static const std::string holidays = " Holidays";
    *isPageName = name.compare(0, prefix.size(), prefix) == 0;
    if (!*isPageName) return 0;
    std::string digits = name.substr(prefix.size());
    if (digits.size() > holidays.size() &&
        digits.compare(digits.size() - holidays.size(), holidays.size(), holidays) == 0) {
        *isPageName = false;
        return 0;
    }
    const std::size_t maxDigits = std::to_string(CDrawDoc::kMaxPages).size();
    if (digits.empty() || digits.size() > maxDigits || digits[0] == '0' ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return 0;
    const int number = std::stoi(digits);
    return number >= 2 && number <= CDrawDoc::kMaxPages ? number : 0;
}

}  // namespace

void CDrawDoc::LoadMorePages(const CStorage& root, DWORD summaryPages)
{
    // Which pages the file has: the numbers of its page streams, and the
    // summary's count, which tells of pages missing at the end. Streams
    // named like pages that cannot be one are left out by name.
    std::vector<bool> present(static_cast<std::size_t>(kMaxPages) + 1, false);
    int last = 1;
    std::vector<CMessage> problems;
    std::size_t strayNames = 0;
    for (const auto& [name, bytes] : root.Streams()) {
        bool isPageName = false;
        const int number = PageNumberOf(name, &isPageName);
        if (number > 0) {
            present[static_cast<std::size_t>(number)] = true;
            last = std::max(last, number);
        } else if (isPageName && ++strayNames <= 5) {
            problems.push_back(CMessage(MESSAGE_TEXT("CMessage", "the stream \"%1\" is out of order")).Arg(name));
        }
    }
    if (strayNames > 5)
        problems.push_back(CMessage(MESSAGE_TEXT("CMessage", "%1 more streams are out of order")).Arg(strayNames - 5));
    if (summaryPages > static_cast<DWORD>(last) && summaryPages <= static_cast<DWORD>(kMaxPages))
        last = static_cast<int>(summaryPages);

    for (int number = 2; number <= last; ++number) {
        const std::vector<BYTE>* bytes = present[static_cast<std::size_t>(number)]
                                             ? root.OpenStream(PageStreamName(number))
                                             : nullptr;
        if (!bytes) {
            problems.push_back(CMessage(MESSAGE_TEXT("CMessage", "page %1 is missing")).Arg(number));
            continue;
        }
        std::unique_ptr<CDrawPage> page = CDrawPage::MakeBlank();
        CArchive ar(*bytes);
        ar.m_pDocument = this;
        ar.m_bItemDataInStorage = true;
        CMessage why;
        try {
            page->Serialize(ar);
        } catch (const std::exception& e) {
            why = Reason(e);
        }
        if (why.IsEmpty()) AttachItems(root, *page, &why);
        if (!why.IsEmpty()) {
            problems.push_back(CMessage(MESSAGE_TEXT("CMessage", "page %1 is damaged (%2)")).Arg(number).Arg(why));
            continue;
        }
        if (const std::vector<BYTE>* holidays = root.OpenStream(PageHolidayStreamName(number))) {
            CMessage holidayProblem;
            if (!CHolidayStream::Read(*holidays, page->m_listObjects, &holidayProblem) &&
                m_msgHolidayProblem.IsEmpty())
                m_msgHolidayProblem = holidayProblem;
        }
        page->RebuildBackImage();
        Adopt(*page);
        m_pages.push_back(std::move(page));
    }
    m_msgPageProblem = CMessage();
    if (!problems.empty())
        m_msgPageProblem =
            CMessage(MESSAGE_TEXT("CMessage", "Some pages of the file were left out: %1.")).Arg(std::move(problems), "; ");
}

bool CDrawDoc::LoadFromStorage(const CStorage& root, CMessageOut error)
{
    const std::vector<BYTE>* contents = root.OpenStream(kContentsStream);
    if (!contents) {
        error.Set(CMessage(MESSAGE_TEXT("CMessage", "The file holds no calendar document")));
        return false;
    }
    // Everything is read into a fresh document, which replaces this one's
    // contents only when the whole file was understood. Page 1 is the
    // document: when it cannot be read, nothing opens.
    CDrawDoc fresh;
    CArchive ar(*contents);
    ar.m_pDocument = &fresh;
    ar.m_bItemDataInStorage = true;
    try {
        fresh.Serialize(ar);
    } catch (const std::exception& e) {
        error.Set(CMessage(MESSAGE_TEXT("CMessage", "The file is not a valid calendar document (%1)")).Arg(Reason(e)));
        return false;
    }
    CMessage why;
    if (!AttachItems(root, fresh, &why)) {
        error.Set(why);
        return false;
    }
    // Damaged holiday data is dropped whole; the design itself is sound and
    // opens, its calendars without holidays.
    if (const std::vector<BYTE>* holidays = root.OpenStream(CHolidayStream::kStreamName)) {
        CHolidayStream::Read(*holidays, &fresh, &fresh.m_msgHolidayProblem);
    }
    auto summary = std::make_unique<CDocSummary>();
    summary->RecordOpen();
    // A missing or damaged summary leaves the initial values.
    summary->ReadFrom(&root);
    // The further pages: those that are whole open, the rest are named in
    // the page problem.
    fresh.LoadMorePages(root, summary->GetNumPagesValue());
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
    SwapPage(other);
    m_pages.swap(other.m_pages);
    m_nCurrentPage = other.m_nCurrentPage;
    for (int i = 0; i < PageCount(); ++i) Adopt(*GetPage(i));
    m_msgHolidayProblem = other.m_msgHolidayProblem;
    m_msgPageProblem = other.m_msgPageProblem;
    SetModifiedFlag(false);
    UpdateAllViews(nullptr, HINT_UPDATE_WINDOW);
    NotifyPagesChanged();
}

bool CDrawDoc::LoadFromBytes(const BYTE* data, std::size_t size, CMessageOut error)
{
    CStorage root;
    if (!CCompoundFile::Read(data, size, &root, error)) return false;
    return LoadFromStorage(root, error);
}

bool CDrawDoc::OnOpenDocument(const std::string& path, CMessageOut error)
{
    CKeepWorkingDirectory keep;
    CStorage root;
    CMessage why;
    if (!CCompoundFile::Load(path, &root, &why) || !LoadFromStorage(root, &why)) {
        error.Set(CMessage(MESSAGE_TEXT("CMessage", "Cannot open %1: %2")).Arg(path).Arg(why));
        return false;
    }
    return true;
}

bool CDrawDoc::OnSaveDocument(const std::string& path, CMessageOut error)
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
    CMessage why;
    if (!SaveToStorage(&root, &why) || !CCompoundFile::Save(root, path, &why)) {
        *m_pSummary = before;
        error.Set(CMessage(MESSAGE_TEXT("CMessage", "Cannot save %1: %2")).Arg(path).Arg(why));
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
