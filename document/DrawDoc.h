#pragma once

// The calendar document: an ordered list of pages, each with its drawing
// objects (back to front) and its background (a solid colour, a linear or
// radial gradient, and optionally a picture), and the page size and the
// summary information that all pages share. Views watch it through
// CDocObserver. Documents are kept in compound files: page 1 in the archive
// stream "Contents", page k in the stream "Page k" in the same format, and
// the summary property set.
//
// The document's own page fields (those it has as a CDrawPage) are the
// fields of its current page, so that everything that edits, draws or
// arranges works on the page being shown; the other pages wait in the page
// list. Making another page current exchanges the two pages' contents,
// which keeps every object's identity.

#include "document/DrawPage.h"
#include "objects/Message.h"
#include "objects/Types.h"

#include <functional>
#include <list>
#include <memory>
#include <string>
#include <vector>

class CArchive;
class CDC;
class CDocSummary;
class CDrawItem;
class CDrawObj;
class CPictureHolder;
class CStorage;

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
    // The document's page size changed (the printer's paper).
    virtual void OnPageSizeChanged(CSize size) { (void)size; }
    // Another page became current, or pages were added, taken away or
    // moved.
    virtual void OnPagesChanged() {}
    // Pages were added, taken away or moved (told before OnPagesChanged):
    // newIndexOf[i] is where the page that stood at index i stands now, or
    // -1 for the page taken away.
    virtual void OnPagesRenumbered(const std::vector<int>& newIndexOf) { (void)newIndexOf; }
};

class CDrawDoc : public CDrawPage {
public:
    // The name of the archive stream of page 1 in the root storage.
    static const char* const kContentsStream;
    // No document holds more pages than this; page numbers in a file are
    // checked against it before anything is read.
    static constexpr int kMaxPages = 999;
    // The streams of page k (k >= 2): its archive record and its holidays.
    static std::string PageStreamName(int number);
    static std::string PageHolidayStreamName(int number);
    // The stream of an embedded item's picture inside the item's storage.
    static const char* const kItemStream;
    static constexpr int kDefaultPageWidth = 850;
    static constexpr int kDefaultPageHeight = 1100;

    // The platform's default printer: its printable area in millimetres, or
    // false when there is none. Without a query the page keeps its default.
    using PrinterQuery = std::function<bool(CSize* printableMillimetres)>;
    static void SetPrinterQuery(PrinterQuery query);

    CDrawDoc();
    ~CDrawDoc() override;
    CDrawDoc(const CDrawDoc&) = delete;
    CDrawDoc& operator=(const CDrawDoc&) = delete;

    // Pages, counted from 0 here (the user counts from 1).
    int PageCount() const { return static_cast<int>(m_pages.size()); }
    int CurrentPage() const { return m_nCurrentPage; }
    // A page by index (the current page is the document itself), or null.
    CDrawPage* GetPage(int index);
    const CDrawPage* GetPage(int index) const;
    // Makes a page current and tells the views; false for an index outside.
    bool SetCurrentPage(int index);
    // Puts a page in before index (0 to PageCount()); the document owns it
    // and its objects from now on. The current page stays current.
    void InsertPage(int index, std::unique_ptr<CDrawPage> page);
    // Takes a page out and gives it to the caller, its objects with it; the
    // last page left is never taken (null). When the current page goes, the
    // page after it (or before it, at the end) becomes current.
    std::unique_ptr<CDrawPage> TakePage(int index);
    // Moves a page to another place in the order; the current page stays
    // current.
    bool MovePage(int from, int to);
    // Puts another page in the document's page fields for as long as it
    // lives, without telling the views, so that what paints or reads the
    // current page paints or reads that one (exporting every page); the
    // current page is back when it ends.
    class CPageShown {
    public:
        CPageShown(CDrawDoc& doc, int index);
        ~CPageShown();
        CPageShown(const CPageShown&) = delete;
        CPageShown& operator=(const CPageShown&) = delete;

    private:
        CDrawDoc& m_doc;
        int m_nWas;
    };
    // The objects of every page, page by page, back to front.
    std::vector<CDrawObj*> AllObjects() const;
    // What of the last opened file was left out (pages missing, damaged or
    // out of order), or empty when every page was read.
    std::string PageProblem() const { return m_msgPageProblem.Text(); }
    const CMessage& PageProblemMessage() const { return m_msgPageProblem; }

    // Appends the object (the document owns it from now on).
    void Add(CDrawObj* object);
    // Takes the object out of the list; the caller destroys it.
    void RemoveObject(CDrawObj* object);
    // The topmost object under the point, or null.
    CDrawObj* FindObjectAt(CPoint point);
    // Draws every object back to front; selected objects draw their handles
    // when the view is active and the surface is not a printer.
    // Objects in skip are left out (a page drawn around photos still
    // decoding draws them later).
    void Draw(CDC* dc, bool viewActive = false, const std::list<CDrawObj*>* selection = nullptr,
              const std::vector<CDrawObj*>* skip = nullptr);
    void ApplyCalendarSettingsToAll(CDrawObj* source);

    void UpdatePageSize();
    CSize PageSize() const { return m_sizePage; }
    // The page in page units: left -cx/2, top -cy/2 (the lower edge, as y
    // grows upwards), right cx/2, bottom cy/2.
    CRect PageRect() const;

    // The current page's background.
    void SetBackImage(bool draw, int placement, bool stretch, const std::string& path, const std::string& type);
    void SetBackColors(int style, int direction, COLORREF from, COLORREF to);

    // Summary information.
    CDocSummary* Summary() { return m_pSummary.get(); }
    const CDocSummary* Summary() const { return m_pSummary.get(); }

    // The life of a document. The current directory is kept around opening
    // and saving. Opening is all or nothing: on failure the document is left
    // as it was and error says why. Saving writes a temporary file beside
    // the target and renames it; on failure the old file is untouched.
    bool OnNewDocument();
    bool OnOpenDocument(const std::string& path, CMessageOut error = nullptr);
    bool OnSaveDocument(const std::string& path, CMessageOut error = nullptr);
    // The same on bytes in memory (a compound file).
    bool LoadFromBytes(const BYTE* data, std::size_t size, CMessageOut error = nullptr);
    bool SaveToStorage(CStorage* root, CMessageOut error = nullptr);
    bool LoadFromStorage(const CStorage& root, CMessageOut error = nullptr);

    // Why the holiday data of the last opened file was left out, or empty
    // when there was none or it was read.
    std::string HolidayProblem() const { return m_msgHolidayProblem.Text(); }
    const CMessage& HolidayProblemMessage() const { return m_msgHolidayProblem; }

    void SetModifiedFlag(bool modified = true) { m_bModified = modified; }
    bool IsModified() const { return m_bModified; }

    void AddObserver(CDocObserver* observer);
    void RemoveObserver(CDocObserver* observer);
    void UpdateAllViews(CDocObserver* sender, int hint = HINT_UPDATE_WINDOW, CDrawObj* object = nullptr);

    std::unique_ptr<CDocSummary> m_pSummary;
    CSize m_sizePage{kDefaultPageWidth, kDefaultPageHeight};
    int m_nMappingMode = 8;
    // Set by the view while it prepares a print preview.
    BOOL m_bPreview = 0;

private:
    std::vector<CDrawItem*> EmbeddedItems() const;
    static std::string ItemStorageName(DWORD number);
    void DeleteContents();
    void TakeContentsFrom(CDrawDoc& other);
    // Exchanges the document's own page fields with the page list's entry
    // for the current page: afterwards every page is in the list (and the
    // document's fields hold a blank), or the current page is back.
    void ExchangeCurrentPage();
    // Makes another page current without telling anyone.
    void SwitchPage(int index);
    void NotifyPagesRenumbered(const std::vector<int>& newIndexOf);
    void NotifyPagesChanged();
    // Makes the page's objects (and their embedded items) belong here.
    void Adopt(CDrawPage& page);
    // Reads the pages after the first; what is left out is described in
    // m_strPageProblem.
    void LoadMorePages(const CStorage& root, DWORD summaryPages);
    // Checks a page read from a file and gives its embedded items their
    // pictures; false with the reason when the page is not whole.
    static bool AttachItems(const CStorage& root, CDrawPage& page, CMessage* why);

    bool m_bModified = false;
    std::vector<CDocObserver*> m_observers;
    // Every page in order; the entry of the current page is a blank whose
    // contents live in the document's own page fields.
    std::vector<std::unique_ptr<CDrawPage>> m_pages;
    int m_nCurrentPage = 0;
    CMessage m_msgHolidayProblem;
    CMessage m_msgPageProblem;
};
