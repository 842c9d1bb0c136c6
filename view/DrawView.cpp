#include "view/DrawView.h"

#include "app/AppSettings.h"
#include "document/PagePainter.h"
#include "document/PagePictures.h"
#include "objects/DrawOleObj.h"
#include "objects/DrawRect.h"
#include "platform/QtDC.h"
#include "platform/ScaledPictureCache.h"
#include "view/Clipboard.h"
#include "view/DesignDocument.h"
#include "view/PageCommands.h"
#include "view/EditTool.h"
#include "view/UndoCommands.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QPointer>
#include <QtCore/QTimer>
#include <QtGui/QDrag>
#include <QtGui/QPainter>
#include <QtGui/QUndoStack>
#include <QtWidgets/QApplication>
#include <QtWidgets/QMenu>
#include <QtWidgets/QScrollBar>

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

// Room around the page on the desk, in pixels.
constexpr int kDeskMargin = 24;
const COLORREF kDeskColor = RGB(0x8C, 0x93, 0x9B);

QPointer<CDrawView>& LastActive()
{
    static QPointer<CDrawView> view;
    return view;
}

int Round(double v)
{
    return static_cast<int>(std::floor(v + 0.5));
}

// The zoom steps of Zoom In and Zoom Out.
constexpr int kZoomSteps[] = {25, 33, 50, 67, 75, 100, 125, 150, 200, 300, 400, 600, 800};

// Autoscroll: a tick every so many milliseconds, scrolling by the pointer's
// distance past the edge, within these bounds (pixels).
constexpr int kAutoScrollInterval = 30;
constexpr int kAutoScrollMinStep = 4;
constexpr int kAutoScrollMaxStep = 40;

int ScrollTowards(int position, int low, int high)
{
    int beyond = 0;
    if (position < low) beyond = position - low;
    else if (position >= high) beyond = position - high + 1;
    if (beyond == 0) return 0;
    const int step = std::clamp(std::abs(beyond), kAutoScrollMinStep, kAutoScrollMaxStep);
    return beyond < 0 ? -step : step;
}

}  // namespace

CDrawView* ActiveView()
{
    return LastActive().data();
}

CDrawView::CDrawView(CDesignDocument* design, QWidget* parent)
    : QAbstractScrollArea(parent), m_pDesign(design), m_pPictureCache(std::make_unique<CScaledPictureCache>())
{
    const CAppSettings& settings = AppSettings();
    m_bDesignGrid = settings.m_bDrawGrid;
    m_crGrid = settings.m_crGridColor;
    m_nLogPixelsX = std::max(1, logicalDpiX());
    m_nLogPixelsY = std::max(1, logicalDpiY());
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setMouseTracking(true);
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(20);
    m_pAutoScroll = new QTimer(this);
    m_pAutoScroll->setInterval(kAutoScrollInterval);
    connect(m_pAutoScroll, &QTimer::timeout, this, &CDrawView::AutoScrollStep);
    // A new window or pane shows the page the document shows.
    m_nPage = GetDocument()->CurrentPage();
    GetDocument()->AddObserver(this);
    m_pDesign->AddView(this);
    UpdateScrollRange();
}

CDrawView::~CDrawView()
{
    if (CEditTool::DragView() == this) CEditTool::EndDrag();
    if (m_pDesign) {
        GetDocument()->RemoveObserver(this);
        m_pDesign->RemoveView(this);
    }
}

CDrawDoc* CDrawView::GetDocument() const
{
    return m_pDesign->Doc();
}

// --- Mapping ------------------------------------------------------------------------

QSize CDrawView::PagePixels() const
{
    const CSize page = GetDocument()->PageSize();
    return QSize(Round(page.cx * double(m_nLogPixelsX) * m_nZoom / 10000.0),
                 Round(page.cy * double(m_nLogPixelsY) * m_nZoom / 10000.0));
}

QPoint CDrawView::PageOrigin() const
{
    const QSize page = PagePixels();
    const QSize area = viewport()->size();
    // The page stands in the middle of the desk when the window is larger.
    const int x = std::max(kDeskMargin, (area.width() - page.width()) / 2);
    const int y = std::max(kDeskMargin, (area.height() - page.height()) / 2);
    return QPoint(x - horizontalScrollBar()->value(), y - verticalScrollBar()->value());
}

void CDrawView::PrepareScreenSurface(CDC* dc, QPoint origin) const
{
    const CSize page = GetDocument()->PageSize();
    const QPoint o = PageOrigin() - origin;
    dc->SetMapMode(MM_ANISOTROPIC);
    dc->SetWindowExt(10000, -10000);
    dc->SetViewportExt(m_nLogPixelsX * m_nZoom, m_nLogPixelsY * m_nZoom);
    dc->SetWindowOrg(-page.cx / 2, page.cy / 2);
    dc->SetViewportOrg(o.x(), o.y());
}

void CDrawView::PageToWindow(CPoint& point) const
{
    const CSize page = GetDocument()->PageSize();
    const QPoint o = PageOrigin();
    const double sx = m_nLogPixelsX * m_nZoom / 10000.0;
    const double sy = -m_nLogPixelsY * m_nZoom / 10000.0;
    point = CPoint(Round((double(point.x) + page.cx / 2) * sx + o.x()),
                   Round((double(point.y) - page.cy / 2) * sy + o.y()));
}

void CDrawView::PageToWindow(CRect& rect) const
{
    CPoint a(rect.left, rect.top), b(rect.right, rect.bottom);
    PageToWindow(a);
    PageToWindow(b);
    rect = CRect(a, b).Normalized();
}

void CDrawView::WindowToPage(CPoint& point) const
{
    const CSize page = GetDocument()->PageSize();
    const QPoint o = PageOrigin();
    const double sx = m_nLogPixelsX * m_nZoom / 10000.0;
    const double sy = -m_nLogPixelsY * m_nZoom / 10000.0;
    point = CPoint(Round((point.x - o.x()) / sx - page.cx / 2), Round((point.y - o.y()) / sy + page.cy / 2));
}

void CDrawView::WindowToPage(CRect& rect) const
{
    CPoint a(rect.left, rect.top), b(rect.right, rect.bottom);
    WindowToPage(a);
    WindowToPage(b);
    rect = CRect(a, b);
}

void CDrawView::UpdateScrollRange()
{
    const QSize page = PagePixels();
    const QSize area = viewport()->size();
    const int w = page.width() + 2 * kDeskMargin;
    const int h = page.height() + 2 * kDeskMargin;
    horizontalScrollBar()->setRange(0, std::max(0, w - area.width()));
    verticalScrollBar()->setRange(0, std::max(0, h - area.height()));
    horizontalScrollBar()->setPageStep(area.width());
    verticalScrollBar()->setPageStep(area.height());
}

// --- Painting -----------------------------------------------------------------------

void CDrawView::paintEvent(QPaintEvent* event)
{
    QElapsedTimer timer;
    timer.start();
    const QRect dirty = event->rect() & viewport()->rect();
    if (dirty.isEmpty()) return;
    PaintRect(dirty);
    m_dLastPaintMs = timer.nsecsElapsed() / 1e6;
}

void CDrawView::PaintRect(const QRect& r)
{
    // The dirty region is painted into a picture of its own size first, so
    // the window never shows a half-drawn page.
    const qreal ratio = viewport()->devicePixelRatioF();
    QImage buffer(r.size() * ratio, QImage::Format_RGB32);
    buffer.setDevicePixelRatio(1.0);
    {
        CQtDC dc(buffer, 96, 96);
        dc.SetPictureCache(m_pPictureCache.get());
        PrepareScreenSurface(&dc, r.topLeft());
        if (ratio != 1.0) {
            // A high-resolution screen: the same mapping in device pixels.
            const CSize page = GetDocument()->PageSize();
            const QPoint o = (PageOrigin() - r.topLeft()) * ratio;
            dc.SetViewportExt(Round(m_nLogPixelsX * m_nZoom * ratio), Round(m_nLogPixelsY * m_nZoom * ratio));
            dc.SetWindowOrg(-page.cx / 2, page.cy / 2);
            dc.SetViewportOrg(o.x(), o.y());
        }
        // Photos not yet held at this zoom are drawn from the copy held and
        // decoded again off this thread; the view repaints when they are in.
        dc.SetPictureReady([view = QPointer<CDrawView>(this)] {
            if (QCoreApplication* app = QCoreApplication::instance())
                QMetaObject::invokeMethod(app, [view] { if (view) view->viewport()->update(); }, Qt::QueuedConnection);
        });
        // A view that is not worked in may show another page than the
        // current one: it stands in the document's page fields while the
        // view paints.
        CDrawDoc::CPageShown shown(*GetDocument(), m_nPage);
        PrefetchPagePictures(&dc, *GetDocument());
        CPagePaintOptions options;
        options.m_bDesk = true;
        options.m_crDesk = kDeskColor;
        options.m_bDesignGrid = m_bDesignGrid;
        options.m_crGrid = m_crGrid;
        options.m_nGridType = AppSettings().m_nGridType;
        options.m_nGridThickness = AppSettings().m_nGridThickness;
        options.m_bViewActive = m_bViewActive;
        options.m_pSelection = &m_selected;
        CPagePainter::PaintPage(&dc, GetDocument(), options);
    }
    buffer.setDevicePixelRatio(ratio);
    QPainter painter(viewport());
    painter.drawImage(r.topLeft(), buffer);
    if (!m_feedback.isNull()) {
        QPen pen(Qt::black, 1, Qt::DotLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
        painter.drawRect(m_feedback);
    }
    if (!m_dropFeedback.isNull()) {
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.setPen(QPen(QColor(0, 90, 200), 1, Qt::DashLine));
        painter.drawRect(m_dropFeedback);
    }
}

void CDrawView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRange();
    viewport()->update();
}

void CDrawView::scrollContentsBy(int, int)
{
    viewport()->update();
}

bool CDrawView::viewportEvent(QEvent* event)
{
    return QAbstractScrollArea::viewportEvent(event);
}

void CDrawView::InvalidateObject(CDrawObj* obj)
{
    if (!obj) return;
    CRect rect = obj->m_position;
    PageToWindow(rect);
    if (m_bViewActive && IsSelected(obj)) {
        rect.left -= 4;
        rect.top -= 5;
        rect.right += 5;
        rect.bottom += 4;
    }
    // A little more than the handles: lines and frames are drawn with pens
    // that reach past the rectangle, and text may overhang it.
    const int pad = 1 + std::max(2, obj->m_logpen.lopnWidth.x * m_nLogPixelsX * m_nZoom / 10000 + 2);
    viewport()->update(QRect(QPoint(rect.left - pad, rect.top - pad), QPoint(rect.right + pad, rect.bottom + pad)));
}

void CDrawView::InvalidateSelection()
{
    for (CDrawObj* obj : m_selected) InvalidateObject(obj);
}

void CDrawView::SetFeedbackRect(const QRect& rect)
{
    if (!m_feedback.isNull()) viewport()->update(m_feedback.adjusted(-1, -1, 1, 1));
    m_feedback = rect;
    if (!m_feedback.isNull()) viewport()->update(m_feedback.adjusted(-1, -1, 1, 1));
}

// --- The document's notices -----------------------------------------------------------

void CDrawView::OnUpdate(CDocObserver* sender, int hint, CDrawObj* object)
{
    (void)sender;
    switch (hint) {
    case HINT_UPDATE_WINDOW:
        UpdateScrollRange();
        viewport()->update();
        break;
    case HINT_UPDATE_DRAWOBJ:
        if (object) InvalidateObject(object);
        else viewport()->update();
        break;
    case HINT_UPDATE_SELECTION:
        if (object) InvalidateObject(object);
        else InvalidateSelection();
        break;
    case HINT_DELETE_SELECTION:
        if (object) {
            InvalidateObject(object);
            ForgetSelected(object);
        }
        break;
    case HINT_UPDATE_OLE_ITEMS:
        if (const CDrawPage* page = GetDocument()->GetPage(m_nPage))
            for (CDrawObj* obj : *page->GetObjects())
                if (dynamic_cast<CDrawOleObj*>(obj)) InvalidateObject(obj);
        break;
    default: viewport()->update(); break;
    }
}

void CDrawView::MakePageCurrent()
{
    m_pDesign->SetActiveView(this);
    GetDocument()->SetCurrentPage(m_nPage);
}

void CDrawView::OnPagesRenumbered(const std::vector<int>& newIndexOf)
{
    // A view whose page went shows the page now in its place (or the last).
    const int was = m_nPage;
    if (was >= 0 && was < static_cast<int>(newIndexOf.size()) && newIndexOf[static_cast<std::size_t>(was)] >= 0)
        m_nPage = newIndexOf[static_cast<std::size_t>(was)];
    m_nPage = std::clamp(m_nPage, 0, GetDocument()->PageCount() - 1);
    viewport()->update();
}

void CDrawView::OnPagesChanged()
{
    CDrawDoc* doc = GetDocument();
    // The view worked in shows the page made current (a page turned, a
    // page command, undo and redo); the others keep theirs.
    const int was = m_nPage;
    if (m_pDesign->ActiveView() == this) m_nPage = doc->CurrentPage();
    m_nPage = std::clamp(m_nPage, 0, doc->PageCount() - 1);
    const std::list<CDrawObj*>* page = doc->GetPage(m_nPage)->GetObjects();
    std::list<CDrawObj*> gone;
    for (CDrawObj* obj : m_selected)
        if (std::find(page->begin(), page->end(), obj) == page->end()) gone.push_back(obj);
    for (CDrawObj* obj : gone) ForgetSelected(obj);
    if (m_nPage != was) {
        UpdateScrollRange();
        viewport()->update();
    }
    emit PagesChanged();
}

void CDrawView::OnPageSizeChanged(CSize)
{
    UpdateScrollRange();
    viewport()->update();
}

// --- Selection ----------------------------------------------------------------------

bool CDrawView::IsSelected(const CDrawObj* obj) const
{
    return std::find(m_selected.begin(), m_selected.end(), obj) != m_selected.end();
}

void CDrawView::SelectDrawObj(CDrawObj* obj, bool add)
{
    if (!add) {
        InvalidateSelection();
        m_selected.clear();
    }
    if (obj && !IsSelected(obj)) {
        m_selected.push_back(obj);
        InvalidateObject(obj);
    }
    emit SelectionChanged();
}

void CDrawView::DeselectDrawObj(CDrawObj* obj)
{
    if (!IsSelected(obj)) return;
    InvalidateObject(obj);
    m_selected.remove(obj);
    emit SelectionChanged();
}

void CDrawView::SelectInRect(const CRect& windowRect, bool add)
{
    if (!add) SelectDrawObj(nullptr, false);
    CRect rect = windowRect;
    WindowToPage(rect);
    for (CDrawObj* obj : *GetDocument()->GetObjects())
        if (obj->Intersects(rect)) SelectDrawObj(obj, true);
}

void CDrawView::ForgetSelected(CDrawObj* obj)
{
    const std::size_t before = m_selected.size();
    m_selected.remove(obj);
    if (m_selected.size() != before) emit SelectionChanged();
}

void CDrawView::DuplicateSelection()
{
    for (CDrawObj* obj : m_selected) obj->Clone(GetDocument());
}

void CDrawView::SetViewActive(bool active)
{
    if (active) MakePageCurrent();
    if (active == m_bViewActive) {
        if (active) LastActive() = this;
        return;
    }
    if (active) {
        m_bViewActive = true;
        LastActive() = this;
        InvalidateSelection();
        emit Activated(this);
    } else {
        InvalidateSelection();
        m_bViewActive = false;
    }
}

void CDrawView::SetDesignGrid(bool on)
{
    m_bDesignGrid = on;
    viewport()->update();
}

void CDrawView::SetGridColor(COLORREF colour)
{
    m_crGrid = colour;
    viewport()->update();
}

// --- Zoom ---------------------------------------------------------------------------

void CDrawView::SetZoom(int percent, const QPoint* anchor)
{
    percent = std::clamp(percent, kMinZoom, kMaxZoom);
    if (percent == m_nZoom) return;
    const QPoint at = anchor ? *anchor : viewport()->rect().center();
    CPoint page(at.x(), at.y());
    WindowToPage(page);
    m_nZoom = percent;
    m_pPictureCache->Clear();
    UpdateScrollRange();
    // The page point under the anchor stays under it.
    CPoint now = page;
    PageToWindow(now);
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + now.x - at.x());
    verticalScrollBar()->setValue(verticalScrollBar()->value() + now.y - at.y());
    viewport()->update();
    emit ZoomChanged(m_nZoom);
}

void CDrawView::ZoomIn(const QPoint* anchor)
{
    for (int step : kZoomSteps)
        if (step > m_nZoom) return SetZoom(step, anchor);
}

void CDrawView::ZoomOut(const QPoint* anchor)
{
    for (auto it = std::rbegin(kZoomSteps); it != std::rend(kZoomSteps); ++it)
        if (*it < m_nZoom) return SetZoom(*it, anchor);
}

void CDrawView::ZoomToFitPage()
{
    const CSize page = GetDocument()->PageSize();
    const QSize area = viewport()->size() - QSize(2 * kDeskMargin, 2 * kDeskMargin);
    if (page.cx <= 0 || page.cy <= 0 || area.width() <= 0 || area.height() <= 0) return;
    const double zx = area.width() * 10000.0 / (page.cx * double(m_nLogPixelsX));
    const double zy = area.height() * 10000.0 / (page.cy * double(m_nLogPixelsY));
    SetZoom(static_cast<int>(std::floor(std::min(zx, zy))));
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}

void CDrawView::ZoomToFitWidth()
{
    const CSize page = GetDocument()->PageSize();
    const int width = viewport()->width() - 2 * kDeskMargin - verticalScrollBar()->sizeHint().width();
    if (page.cx <= 0 || width <= 0) return;
    SetZoom(static_cast<int>(std::floor(width * 10000.0 / (page.cx * double(m_nLogPixelsX)))));
    horizontalScrollBar()->setValue(0);
}

// --- Mouse --------------------------------------------------------------------------

UINT CDrawView::Flags(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) const
{
    UINT flags = 0;
    if (modifiers & Qt::ShiftModifier) flags |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier) flags |= MK_CONTROL;
    if (buttons & Qt::LeftButton) flags |= MK_LBUTTON;
    return flags;
}

void CDrawView::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    SetViewActive(true);
}

void CDrawView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) return QAbstractScrollArea::mousePressEvent(event);
    // A click in an inactive pane makes it active first and then goes to the tool.
    if (!m_bViewActive) {
        setFocus(Qt::MouseFocusReason);
        SetViewActive(true);
    } else {
        MakePageCurrent();
    }
    if (CEditTool::IsDragging()) CEditTool::EndDrag();
    const QPoint p = event->position().toPoint();
    if ((event->modifiers() & Qt::AltModifier) && StartDragOut(p)) return;
    if (CEditTool* tool = CEditTool::FindTool(CEditTool::CurrentTool()))
        tool->OnPress(this, Flags(event->modifiers(), event->buttons()), CPoint(p.x(), p.y()));
}

bool CDrawView::StartDragOut(const QPoint& point)
{
    if (CEditTool::CurrentTool() != toolSelect) return false;
    CPoint local(point.x(), point.y());
    WindowToPage(local);
    CDrawObj* obj = GetDocument()->FindObjectAt(local);
    if (!obj) return false;
    if (!IsSelected(obj)) SelectDrawObj(obj, false);
    auto* drag = new QDrag(this);
    drag->setMimeData(MakeObjectsMime(m_selected));
    drag->exec(Qt::CopyAction, Qt::CopyAction);
    return true;
}

void CDrawView::UpdateAutoScroll(const QPoint& point)
{
    const bool outside = !viewport()->rect().contains(point);
    if (outside && CEditTool::DragView() == this && CEditTool::s_dragMode != dragNone) {
        m_autoScrollPoint = point;
        if (!m_pAutoScroll->isActive()) m_pAutoScroll->start();
    } else {
        m_pAutoScroll->stop();
    }
}

void CDrawView::AutoScrollStep()
{
    if (CEditTool::DragView() != this || CEditTool::s_dragMode == dragNone ||
        viewport()->rect().contains(m_autoScrollPoint)) {
        m_pAutoScroll->stop();
        return;
    }
    const QRect area = viewport()->rect();
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    const int oldX = h->value();
    const int oldY = v->value();
    h->setValue(oldX + ScrollTowards(m_autoScrollPoint.x(), area.left(), area.right() + 1));
    v->setValue(oldY + ScrollTowards(m_autoScrollPoint.y(), area.top(), area.bottom() + 1));
    const int dx = h->value() - oldX;
    const int dy = v->value() - oldY;
    if (dx == 0 && dy == 0) return;
    // The press point stays on the same place of the page; the pointer,
    // held still, now stands over another place, and the tool follows.
    CEditTool::s_downPoint.x -= dx;
    CEditTool::s_downPoint.y -= dy;
    CEditTool::s_lastPoint.x -= dx;
    CEditTool::s_lastPoint.y -= dy;
    if (CEditTool* tool = CEditTool::FindTool(CEditTool::CurrentTool()))
        tool->OnMove(this, m_nAutoScrollFlags, CPoint(m_autoScrollPoint.x(), m_autoScrollPoint.y()));
}

void CDrawView::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_bViewActive) return;
    const QPoint p = event->position().toPoint();
    if (CEditTool::IsDragging() && CEditTool::DragView() != this) return;
    m_nAutoScrollFlags = Flags(event->modifiers(), event->buttons());
    if (CEditTool* tool = CEditTool::FindTool(CEditTool::CurrentTool()))
        tool->OnMove(this, m_nAutoScrollFlags, CPoint(p.x(), p.y()));
    UpdateAutoScroll(p);
    CPoint page(p.x(), p.y());
    WindowToPage(page);
    emit StatusText(QStringLiteral("%1, %2").arg(page.x).arg(page.y));
}

void CDrawView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) return QAbstractScrollArea::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !m_bViewActive) return;
    m_pAutoScroll->stop();
    if (CEditTool::DragView() != this) return;
    const QPoint p = event->position().toPoint();
    if (CEditTool* tool = CEditTool::FindTool(CEditTool::CurrentTool()))
        tool->OnRelease(this, Flags(event->modifiers(), event->buttons()), CPoint(p.x(), p.y()));
}

void CDrawView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_bViewActive) return;
    const QPoint p = event->position().toPoint();
    if (CEditTool* tool = CEditTool::FindTool(CEditTool::CurrentTool()))
        tool->OnDoubleClick(this, Flags(event->modifiers(), event->buttons()), CPoint(p.x(), p.y()));
}

void CDrawView::wheelEvent(QWheelEvent* event)
{
    if (event->modifiers() & Qt::ControlModifier) {
        const QPoint at = event->position().toPoint();
        if (event->angleDelta().y() > 0) ZoomIn(&at);
        else if (event->angleDelta().y() < 0) ZoomOut(&at);
        event->accept();
        return;
    }
    QAbstractScrollArea::wheelEvent(event);
}

void CDrawView::keyPressEvent(QKeyEvent* event)
{
    MakePageCurrent();
    // Ctrl+Page Down and Ctrl+Page Up turn the pages (the Page menu's keys,
    // also when the view has them first).
    if ((event->modifiers() & Qt::ControlModifier) &&
        (event->key() == Qt::Key_PageDown || event->key() == Qt::Key_PageUp)) {
        EndDrag();
        GoToPage(m_pDesign, m_nPage + (event->key() == Qt::Key_PageDown ? 1 : -1));
        return;
    }
    const int step = (event->modifiers() & Qt::ShiftModifier) ? 10 : 1;
    switch (event->key()) {
    case Qt::Key_Left: MoveSelectionBy(-step, 0, event->isAutoRepeat()); return;
    case Qt::Key_Right: MoveSelectionBy(step, 0, event->isAutoRepeat()); return;
    case Qt::Key_Up: MoveSelectionBy(0, step, event->isAutoRepeat()); return;
    case Qt::Key_Down: MoveSelectionBy(0, -step, event->isAutoRepeat()); return;
    case Qt::Key_Escape: CancelTool(); return;
    default: break;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void CDrawView::contextMenuEvent(QContextMenuEvent* event)
{
    // The object is looked for on this view's page.
    if (!m_bViewActive) {
        setFocus(Qt::MouseFocusReason);
        SetViewActive(true);
    }
    CPoint local(event->pos().x(), event->pos().y());
    WindowToPage(local);
    CDrawObj* obj = GetDocument()->FindObjectAt(local);
    if (!obj) return;
    if (!IsSelected(obj)) SelectDrawObj(obj, false);
    viewport()->repaint();
    // The menu lives on the heap as the view's child: should the window close
    // while the menu is open, the view takes its menu along, and nothing of
    // the view is touched once the menu returns.
    QPointer<QMenu> menu = new QMenu(this);
    for (const char* name : {"edit_cut", "edit_copy", "edit_delete", "properties"}) {
        if (QAction* action = window()->findChild<QAction*>(QString::fromLatin1(name))) menu->addAction(action);
    }
    if (!menu->isEmpty()) menu->exec(event->globalPos());
    delete menu;
}

// --- Commands -----------------------------------------------------------------------

void CDrawView::EndDrag()
{
    if (CEditTool::IsDragging()) CEditTool::EndDrag();
}

void CDrawView::PushStep(QUndoCommand* step)
{
    m_pDesign->UndoStack()->push(step);
}

void CDrawView::DeleteSelection()
{
    EndDrag();
    if (m_selected.empty()) return;
    const std::vector<CDrawObj*> objects(m_selected.begin(), m_selected.end());
    InvalidateSelection();
    // The step takes the objects out of the page and out of every view's
    // selection; it keeps them, so the deletion can be undone.
    PushStep(new CInsertCommand(m_pDesign, tr("Delete"), objects, true));
    m_selected.clear();
    emit SelectionChanged();
}

void CDrawView::SelectAll()
{
    EndDrag();
    for (CDrawObj* obj : *GetDocument()->GetObjects()) SelectDrawObj(obj, true);
}

void CDrawView::EditProperties()
{
    EndDrag();
    if (m_selected.size() != 1) return;
    CDrawObj* obj = m_selected.front();
    if (dynamic_cast<CDrawRect*>(obj)) {
        // The sheets record their own steps.
        obj->EditProperties(this);
        return;
    }
    // Other objects apply the generic page themselves: the step is taken
    // around it.
    auto* step = new CModifyCommand(m_pDesign, tr("Properties"), {obj});
    obj->EditProperties(this);
    if (step->Finish()) PushStep(step);
    else delete step;
}

void CDrawView::CancelTool()
{
    EndDrag();
    if (CEditTool* tool = CEditTool::FindTool(CEditTool::CurrentTool())) tool->OnCancel();
    CEditTool::SetCurrentTool(toolSelect);
}

void CDrawView::MoveSelectionBy(int dx, int dy, bool repeated)
{
    EndDrag();
    if (m_selected.empty()) return;
    const std::vector<CDrawObj*> objects(m_selected.begin(), m_selected.end());
    auto* step = new CModifyCommand(m_pDesign, tr("Move"), objects);
    for (CDrawObj* obj : objects) {
        CRect r = obj->m_position;
        r.OffsetRect(dx, dy);
        obj->MoveTo(r, this);
    }
    // The presses of a held key become one step.
    step->SetMergeId(repeated ? 1 : -1);
    if (!step->Finish()) {
        delete step;
        return;
    }
    QUndoStack* stack = m_pDesign->UndoStack();
    if (repeated && stack->index() > 0) {
        const auto* last = dynamic_cast<const CModifyCommand*>(stack->command(stack->index() - 1));
        if (last && last->id() != 1) {
            // The first press started the step; let the repeats join it.
            const_cast<CModifyCommand*>(last)->SetMergeId(1);
        }
    }
    PushStep(step);
    GetDocument()->UpdateAllViews(this, HINT_UPDATE_WINDOW);
}

}  // namespace ui
