#pragma once

// The one drawing-object class behind every rectangle-based element of a
// calendar page: shapes, free text, month calendars, images and frames. Its
// kind code selects how it is drawn; all kinds share one record.

#include "calendar/HolidayList.h"
#include "objects/CalFont.h"
#include "objects/DrawObj.h"
#include "text3d/DibSection.h"
#include "text3d/TextSceneParams.h"

#include <memory>
#include <string>

class CPictureHolder;

class CDrawRect : public CDrawObj {
public:
    enum Kind {
        kindRectangle = 0,
        kindRoundRect = 1,
        kindEllipse = 2,
        kindLine = 3,
        kindText = 4,
        kindCalendar = 5,
        kindImage = 6,
        kindFrame = 7,
    };

    // For loading: an empty rectangle and every default, except that no
    // picture is decoded until the record names one.
    CDrawRect();
    explicit CDrawRect(const CRect& position, int tool = kindRectangle);
    ~CDrawRect() override;

    const char* GetClassName() const override { return "CDrawRect"; }
    void Serialize(CArchive& ar) override;
    int HandleCount() override;
    CPoint HandlePoint(int handle) override;
    CursorShape HandleCursor(int handle) override;
    void Draw(CDC* dc) override;
    bool Intersects(const CRect& rect) override;
    void MoveHandleTo(int handle, CPoint point, CDrawView* view = nullptr) override;
    void EditProperties(CDrawView* view) override;
    CDrawObj* Clone(CDrawDoc* doc = nullptr) override;
    void CopyCalendarSettingsFrom(CDrawObj* object) override;

    // Calendar dates and names.
    void SetMonthName(int index, const std::string& text);
    std::string GetMonthName(int index) const;
    void SetDayName(int index, const std::string& text);
    std::string GetDayName(int index) const;
    static std::string FormatNumber(int value);
    void SetFirstDayOfWeek(int day);
    void SetCalendarMonth(int month, int year);
    bool IsSpecialDay(int year, int month, int day) const;

    // Fonts.
    void SetHeaderFont(const std::string& face, int size, BOOL bold, BOOL italic, BOOL underline, COLORREF color);
    void SetDayNameFont(const std::string& face, int size, BOOL bold, BOOL italic, BOOL underline, COLORREF color);
    void SetDaysFont(const std::string& face, int size, BOOL bold, BOOL italic, BOOL underline, COLORREF color);
    void SetSpecialFont(const std::string& face, int size, BOOL bold, BOOL italic, BOOL underline, COLORREF color);
    void SetDefaultFace(const std::string& face);

    // Generator helpers.
    void SetFrameStyle(BOOL noFill, int thickness, BOOL outline, int lineType, int spare, COLORREF outlineColor,
                       COLORREF fillColor, int frameThickness, int frameStyle, const std::string& imagePath,
                       const std::string& imageType);
    void SetImageFile(const std::string& path, const std::string& type);
    // Rebuilds m_pImage from m_strImagePath and m_strImageType, as on loading.
    void RebuildImage();
    static std::string DefaultImagePath();
    // While set, records are read without decoding their pictures: the
    // designer's undo history restores an object and hands it the picture
    // the object it replaces already holds.
    static inline bool s_bKeepPicturesUndecoded = false;

    // Drawing by kind, after the common steps.
    void DrawCalendar(CDC* dc);  // calendar/, the five layouts
    void DrawText(CDC* dc);
    void DrawImage(CDC* dc);
    void DrawFrame(CDC* dc);
    void DrawShape(CDC* dc, CBrush& brush);

    // The two thickness slots of the day cells in the record: the first
    // carries the line type in its upper half.
    static DWORD PackDayBorderSlot(int thickness, int lineType);
    static int UnpackDayBorderType(DWORD firstSlot, DWORD secondSlot);

    CTextSceneParams m_sceneParams;
    BOOL m_bShow3D = 0;
    BOOL m_bWireframe = 0;
    CDibSection m_3DBitmap;
    BOOL m_b3DBitmapValid = 0;
    BOOL m_bOpaque = 1;
    int m_nKind = kindRectangle;
    CPoint m_roundness{16, 16};
    std::string m_strText;
    int m_nCellHeight = 0;
    int m_nHeaderHeight = 0;
    int m_nDayNameHeight = 0;
    int m_nCellWidth = 0;
    BOOL m_b3DBorder = 1;
    BOOL m_bGrid = 1;
    int m_nGridLineType = 0;
    int m_nGridThickness = 1;
    COLORREF m_crGrid = 0x00FF0000;
    int m_nMonth = 1;
    int m_nYear = 2000;
    std::string m_strMonthNames[13];  // index 1-12
    std::string m_strDayNames[8];     // index 1-7
    int m_nFirstDayOfWeek = 1;
    int m_nDayNameFormat = 0;
    std::string m_strHeader;
    int m_nLayout = 0;
    CCalFont m_fontHeader;
    CCalFont m_fontDayNames;
    CCalFont m_fontDays;
    CCalFont m_fontSpecial;
    COLORREF m_crHeaderBack = 0;
    COLORREF m_crHeaderLine = 0;
    BOOL m_bHeaderLine = 0;
    BOOL m_bHeaderTransparent = 1;
    BOOL m_bNoHeader = 0;
    int m_nHeaderPercent = 14;
    int m_nDayNamePercent = 14;
    int m_nHeaderAlign = 0;
    int m_nHeaderLineType = 0;
    int m_nHeaderLineThickness = 1;
    COLORREF m_crDayNameBack = 0;
    COLORREF m_crDayNameBorder = 0;
    BOOL m_bDayNameBorder = 0;
    BOOL m_bDayNameTransparent = 1;
    int m_nDayNameAlign = 0;
    int m_nDayNameBorderType = 0;
    int m_nDayNameBorderThickness = 1;
    COLORREF m_crDayBack = 0;
    COLORREF m_crDayBorder = 0;
    BOOL m_bDayBorder = 0;
    BOOL m_bDayTransparent = 1;
    int m_nDayAlign = 0;
    int m_nDayBorderType = 0;
    int m_nDayBorderThickness = 1;
    COLORREF m_crSpecialBack = 0;
    COLORREF m_crSpecialBorder = 0;
    BOOL m_bSpecialBorder = 0;
    BOOL m_bSpecialTransparent = 1;
    int m_nSpecialAlign = 0;
    int m_nSpecialBorderType = 0;
    int m_nSpecialBorderThickness = 1;
    // Saturdays, Sundays, Mondays, Tuesdays, Wednesdays, Thursdays, Fridays.
    BOOL m_bSpecialWeekday[7] = {1, 1, 0, 0, 0, 0, 0};
    std::string m_strSpecialDates = ", ";
    std::string m_strDefaultFace = "Tahoma";
    int m_nSpareSize = 0;
    BOOL m_bFontsReady = 0;
    std::unique_ptr<CPictureHolder> m_pImage;
    std::string m_strImagePath;
    std::string m_strImageType = "jpg";
    COLORREF m_crTransparent = 0x00FFFFFF;
    // Special days from iCalendar files. Kept in the document's stream of
    // its own, not in the record, so the record keeps its format.
    CHolidayList m_holidays;

private:
    void InitDefaults(int kind);
    // A frame is hit on its band only, never over the inside it frames.
    bool FrameBandMeets(const CRect& probe, int hx, int hy) const;
    // Fits the rectangle to the picture's aspect, keeping right and bottom.
    void FitToImage();
    void SetFont(CCalFont& font, const std::string& face, int size, BOOL bold, BOOL italic, BOOL underline,
                 COLORREF color);
};
