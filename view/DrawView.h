#pragma once

// The design view: one pane showing a document's page. It maps page units
// (0.01 inch, origin at the page centre, y up) to its pixels at the
// screen's logical resolution times the zoom, paints the page through an
// off-screen picture of the dirty region only, keeps its own selection,
// forwards the mouse to the current tool, and carries out the commands that
// act on the selection. The core knows it through the objects' view
// interface and the document's observer interface.

#include "document/DrawDoc.h"
#include "objects/DrawView.h"
#include "objects/Types.h"
#include "view/Arrange.h"

#include <QtCore/QPointer>
#include <QtWidgets/QAbstractScrollArea>

#include <list>
#include <memory>

class CDesignDocument;
class CDC;
class CScaledPictureCache;
class QMimeData;
class QTimer;
class QUndoCommand;

namespace ui {

class CDrawView : public QAbstractScrollArea, public ::CDrawView, public CDocObserver {
    Q_OBJECT
public:
    static constexpr int kMinZoom = 25;
    static constexpr int kMaxZoom = 800;

    explicit CDrawView(CDesignDocument* design, QWidget* parent = nullptr);
    ~CDrawView() override;

    CDesignDocument* Design() const { return m_pDesign; }
    CDrawDoc* GetDocument() const;

    // The objects' view interface: page units and window pixels.
    void InvalObj(CDrawObj* obj) override { InvalidateObject(obj); }
    void DocToClient(CPoint& point) const override { PageToWindow(point); }
    void DocToClient(CRect& rect) const override { PageToWindow(rect); }
    void ClientToDoc(CPoint& point) const override { WindowToPage(point); }
    void ClientToDoc(CRect& rect) const override { WindowToPage(rect); }

    void PageToWindow(CPoint& point) const;
    void PageToWindow(CRect& rect) const;  // normalised in pixels
    void WindowToPage(CPoint& point) const;
    void WindowToPage(CRect& rect) const;

    // The document's observer interface.
    void OnUpdate(CDocObserver* sender, int hint, CDrawObj* object) override;
    void OnPageSizeChanged(CSize size) override;
    // Another page is shown: the selection keeps only what is on it.
    void OnPagesChanged() override;
    void OnPagesRenumbered(const std::vector<int>& newIndexOf) override;

    // The page this view shows, counted from 0. Each view has its own; the
    // view worked in makes its page the document's current page, and the
    // others paint theirs without making it current.
    int Page() const { return m_nPage; }
    // Makes this view the one worked in on its document, and its page the
    // document's current page (before anything of the page is used).
    void MakePageCurrent();

    // Selection.
    const std::list<CDrawObj*>& Selection() const { return m_selected; }
    bool IsSelected(const CDrawObj* obj) const;
    void SelectDrawObj(CDrawObj* obj, bool add = false);
    void DeselectDrawObj(CDrawObj* obj);
    void SelectInRect(const CRect& windowRect, bool add);
    void ForgetSelected(CDrawObj* obj);
    void DuplicateSelection();
    void InvalidateObject(CDrawObj* obj);
    void InvalidateSelection();

    // Activation: handles show only in the active view, and only the active
    // view takes the mouse.
    bool IsViewActive() const { return m_bViewActive; }
    void SetViewActive(bool active);

    // Design grid of this view.
    bool IsDesignGrid() const { return m_bDesignGrid; }
    void SetDesignGrid(bool on);
    COLORREF GridColor() const { return m_crGrid; }
    void SetGridColor(COLORREF colour);

    // Zoom in percent of the natural size (one page unit per 0.01 inch).
    int Zoom() const { return m_nZoom; }
    // Zooms keeping the page point under the given window point in place
    // (the view's centre when none is given).
    void SetZoom(int percent, const QPoint* anchor = nullptr);
    void ZoomIn(const QPoint* anchor = nullptr);
    void ZoomOut(const QPoint* anchor = nullptr);
    void ZoomToFitPage();
    void ZoomToFitWidth();

    // Mapping of a surface for the screen: page units to this view's pixels,
    // the given window point at the surface's origin.
    void PrepareScreenSurface(CDC* dc, QPoint origin = QPoint()) const;
    // The page's top-left corner in window pixels.
    QPoint PageOrigin() const;
    QSize PagePixels() const;

    // Feedback rectangle of the rubber band, in window pixels; empty hides it.
    void SetFeedbackRect(const QRect& rect);
    // The mouse is held by this view between a press and its release.
    void SetCapture(bool on) { m_bCapture = on; }
    bool HasCapture() const { return m_bCapture; }

    // Ends a drag in progress (keeping what it did as one step), so that no
    // command ever meets an object that a drag still holds.
    void EndDrag();

    // Commands on the selection; each is one step of the history.
    void DeleteSelection();
    void SelectAll();
    void EditProperties();
    void CancelTool();
    void MoveSelectionBy(int dx, int dy, bool repeated);
    // The arrange commands on the selection (one step each; the document is
    // marked modified and every view repaints).
    void Arrange(ArrangeCommand command);
    void ChangeZOrder(ZOrderCommand command);
    // Records a step whose change is already made (the history keeps it).
    void PushStep(QUndoCommand* step);

    // Clipboard and drag and drop of objects.
    void CopySelection();
    void CutSelection();
    void PasteClipboard();
    bool CanPaste() const;
    // Puts objects from data (the private format, a picture, picture files)
    // on the page at a window point (the objects' own places for the private
    // format when point is null); true when anything was inserted.
    bool InsertFromMime(const QMimeData* data, const QPoint* point);

    int LogPixelsX() const { return m_nLogPixelsX; }
    int LogPixelsY() const { return m_nLogPixelsY; }

    // The time the last paint took, for the speed measurements.
    double LastPaintMilliseconds() const { return m_dLastPaintMs; }

signals:
    void Activated(ui::CDrawView* view);
    void SelectionChanged();
    void ZoomChanged(int percent);
    void StatusText(const QString& text);
    // The page shown, or the number of pages, changed.
    void PagesChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void UpdateScrollRange();
    void PaintRect(const QRect& rect);
    UINT Flags(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) const;
    void UpdateHoverCursor(const QPoint& point);
    // While a drag holds the pointer outside the viewport, the view scrolls
    // towards it and the tool follows.
    void UpdateAutoScroll(const QPoint& point);
    void AutoScrollStep();
    // Takes the selection to another window or program (Alt and a press on
    // an object); the objects stay where they are here.
    bool StartDragOut(const QPoint& point);

    CDesignDocument* m_pDesign;
    std::list<CDrawObj*> m_selected;
    BOOL m_bDesignGrid = 0;
    COLORREF m_crGrid = 0;
    bool m_bViewActive = false;
    bool m_bCapture = false;
    int m_nZoom = 100;
    int m_nLogPixelsX = 96;
    int m_nLogPixelsY = 96;
    QRect m_feedback;
    QRect m_dropFeedback;
    QTimer* m_pAutoScroll = nullptr;
    QPoint m_autoScrollPoint;
    UINT m_nAutoScrollFlags = 0;
    std::unique_ptr<CScaledPictureCache> m_pPictureCache;
    double m_dLastPaintMs = 0;
    int m_nPage = 0;
};

// The view that last had the focus, for commands routed from the frame.
CDrawView* ActiveView();

}  // namespace ui
