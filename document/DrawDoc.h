#pragma once

// The calendar document: one page of drawing objects (back to front) with
// its background (a solid colour, a linear or radial gradient, and
// optionally a picture), the page size and the summary information. Views
// watch it through CDocObserver. Documents are kept in compound files with
// the archive stream "Contents" and the summary property set.

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
};

class CDrawDoc {
public:
    // Background styles and placements.
    enum { styleLinear = 0, styleRadial = 1, styleSolid = 2 };
    enum { placeCenter = 0, placeTiled = 1 };

    // The name of the archive stream in the root storage.
    static const char* const kContentsStream;
    // The stream of an embedded item's picture inside the item's storage.
    static const char* const kItemStream;
    static constexpr int kDefaultPageWidth = 850;
    static constexpr int kDefaultPageHeight = 1100;

    // The platform's default printer: its printable area in millimetres, or
    // false when there is none. Without a query the page keeps its default.
    using PrinterQuery = std::function<bool(CSize* printableMillimetres)>;
    static void SetPrinterQuery(PrinterQuery query);

    CDrawDoc();
    virtual ~CDrawDoc();
    CDrawDoc(const CDrawDoc&) = delete;
    CDrawDoc& operator=(const CDrawDoc&) = delete;

    std::list<CDrawObj*>* GetObjects() { return &m_listObjects; }
    const std::list<CDrawObj*>* GetObjects() const { return &m_listObjects; }
    // Appends the object (the document owns it from now on).
    void Add(CDrawObj* object);
    // Takes the object out of the list; the caller destroys it.
    void RemoveObject(CDrawObj* object);
    // The topmost object under the point, or null.
    CDrawObj* FindObjectAt(CPoint point);
    // Draws every object back to front; selected objects draw their handles
    // when the view is active and the surface is not a printer.
    void Draw(CDC* dc, bool viewActive = false, const std::list<CDrawObj*>* selection = nullptr);
    void ApplyCalendarSettingsToAll(CDrawObj* source);

    void UpdatePageSize();
    CSize PageSize() const { return m_sizePage; }
    // The page in page units: left -cx/2, top -cy/2 (the lower edge, as y
    // grows upwards), right cx/2, bottom cy/2.
    CRect PageRect() const;

    // The background picture: the format code from the extension, and the
    // picture rebuilt from path and type.
    static int BackImageFormat(const std::string& type);
    void RebuildBackImage();
    CPictureHolder* BackImage() const { return m_pBackImage.get(); }
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
    bool OnOpenDocument(const std::string& path, std::string* error = nullptr);
    bool OnSaveDocument(const std::string& path, std::string* error = nullptr);
    // The same on bytes in memory (a compound file).
    bool LoadFromBytes(const BYTE* data, std::size_t size, std::string* error = nullptr);
    bool SaveToStorage(CStorage* root, std::string* error = nullptr);
    bool LoadFromStorage(const CStorage& root, std::string* error = nullptr);
    // The document record of the archive stream.
    void Serialize(CArchive& ar);

    // Why the holiday data of the last opened file was left out, or empty
    // when there was none or it was read.
    const std::string& HolidayProblem() const { return m_strHolidayProblem; }

    void SetModifiedFlag(bool modified = true) { m_bModified = modified; }
    bool IsModified() const { return m_bModified; }

    void AddObserver(CDocObserver* observer);
    void RemoveObserver(CDocObserver* observer);
    void UpdateAllViews(CDocObserver* sender, int hint = HINT_UPDATE_WINDOW, CDrawObj* object = nullptr);

    std::unique_ptr<CDocSummary> m_pSummary;
    BOOL m_bDrawBackImage = 0;
    int m_nBackImagePlacement = placeCenter;
    BOOL m_bBackImageStretch = 0;
    std::string m_strBackImagePath;
    std::string m_strBackImageType = "jpg";
    std::unique_ptr<CPictureHolder> m_pBackImage;
    std::list<CDrawObj*> m_listObjects;
    CSize m_sizePage{kDefaultPageWidth, kDefaultPageHeight};
    int m_nMappingMode = 8;
    COLORREF m_crBackFrom = 0xFFFFFF;
    COLORREF m_crBackTo = 0xFFEC77;
    int m_nBackStyle = styleLinear;
    int m_nGradientDirection = 1;
    // Set by the view while it prepares a print preview.
    BOOL m_bPreview = 0;

private:
    std::vector<CDrawItem*> EmbeddedItems() const;
    static std::string ItemStorageName(DWORD number);
    void DeleteContents();
    void TakeContentsFrom(CDrawDoc& other);

    bool m_bModified = false;
    std::vector<CDocObserver*> m_observers;
    // The number of embedded items the last loaded record announced.
    DWORD m_nLoadedItemCount = 0;
    std::string m_strHolidayProblem;
};
