#include "view/PickTool.h"

#include "document/DrawDoc.h"
#include "objects/DrawObj.h"
#include "view/DrawView.h"

#include <QtGui/QCursor>

#include <iterator>

namespace {

Qt::CursorShape QtCursor(CursorShape shape)
{
    switch (shape) {
    case CursorShape::Cross: return Qt::CrossCursor;
    case CursorShape::SizeNWSE: return Qt::SizeFDiagCursor;
    case CursorShape::SizeNS: return Qt::SizeVerCursor;
    case CursorShape::SizeNESW: return Qt::SizeBDiagCursor;
    case CursorShape::SizeWE: return Qt::SizeHorCursor;
    case CursorShape::SizeAll: return Qt::SizeAllCursor;
    default: return Qt::ArrowCursor;
    }
}

QRect FocusRect(CPoint a, CPoint b)
{
    return QRect(QPoint(a.x, a.y), QPoint(b.x, b.y)).normalized();
}

}  // namespace

void CPickTool::OnPress(ui::CDrawView* view, UINT flags, CPoint point)
{
    CPoint local = point;
    view->WindowToPage(local);
    s_dragMode = dragNone;
    s_bCopying = false;
    const auto& selection = view->Selection();
    if (selection.size() == 1) {
        const int handle = selection.front()->HitTest(local, view, true);
        if (handle != 0) {
            s_dragMode = dragSize;
            s_dragHandle = handle;
        }
    }
    if (s_dragMode == dragNone) {
        if (CDrawObj* obj = view->GetDocument()->FindObjectAt(local)) {
            s_dragMode = dragMove;
            if (!view->IsSelected(obj)) view->SelectDrawObj(obj, (flags & MK_SHIFT) != 0);
            // The copies are made once the pointer moves: a click leaves none.
            s_bCopying = (flags & MK_CONTROL) != 0;
        }
    }
    if (s_dragMode == dragNone) {
        if (!(flags & MK_SHIFT)) view->SelectDrawObj(nullptr, false);
        s_dragMode = dragRubberBand;
        view->SetFeedbackRect(FocusRect(point, point));
    }
    s_lastPagePoint = local;
    CEditTool::OnPress(view, flags, point);
    if (s_dragMode == dragMove || s_dragMode == dragSize) BeginStep(view, {});
}

void CPickTool::OnDoubleClick(ui::CDrawView* view, UINT flags, CPoint point)
{
    if (flags & MK_SHIFT) {
        CPoint local = point;
        view->WindowToPage(local);
        if (CDrawObj* obj = view->GetDocument()->FindObjectAt(local)) view->DeselectDrawObj(obj);
    } else if (view->Selection().size() == 1) {
        view->EditProperties();
    }
}

void CPickTool::OnRelease(ui::CDrawView* view, UINT flags, CPoint point)
{
    if (!view->HasCapture()) return;
    if (s_dragMode == dragRubberBand) {
        view->SetFeedbackRect(QRect());
        const QRect r = FocusRect(s_downPoint, s_lastPoint);
        view->SelectInRect(CRect(r.left(), r.top(), r.right() + 1, r.bottom() + 1), true);
    } else if (s_dragMode != dragNone) {
        view->GetDocument()->UpdateAllViews(view, HINT_UPDATE_WINDOW);
    }
    CEditTool::OnRelease(view, flags, point);
}

void CPickTool::OnMove(ui::CDrawView* view, UINT flags, CPoint point)
{
    if (!view->HasCapture()) {
        if (c_nCurrentTool == toolSelect && view->Selection().size() == 1) {
            CPoint local = point;
            view->WindowToPage(local);
            CDrawObj* obj = view->Selection().front();
            const int handle = obj->HitTest(local, view, true);
            if (handle != 0) {
                view->viewport()->setCursor(QtCursor(obj->HandleCursor(handle)));
                return;
            }
        }
        if (c_nCurrentTool == toolSelect) CEditTool::OnMove(view, flags, point);
        return;
    }
    if (s_dragMode == dragRubberBand) {
        view->SetFeedbackRect(FocusRect(s_downPoint, point));
        CEditTool::OnMove(view, flags, point);
        return;
    }
    CPoint local = point;
    view->WindowToPage(local);
    const CPoint delta(local.x - s_lastPagePoint.x, local.y - s_lastPagePoint.y);
    if (s_dragMode == dragMove && s_bCopying && s_created.empty() && (delta.x != 0 || delta.y != 0)) {
        // The copies stay where they are; the originals are dragged away.
        const std::size_t before = view->GetDocument()->GetObjects()->size();
        view->DuplicateSelection();
        auto* list = view->GetDocument()->GetObjects();
        for (auto it = std::next(list->begin(), static_cast<long>(before)); it != list->end(); ++it)
            s_created.push_back(*it);
    }
    // A copy of the list: moving an object may not change the selection,
    // but a handle move of a stroke may add points.
    const std::list<CDrawObj*> selection = view->Selection();
    for (CDrawObj* obj : selection) {
        if (s_dragMode == dragMove) {
            CRect r = obj->m_position;
            r.OffsetRect(delta.x, delta.y);
            obj->MoveTo(r, view);
        } else if (s_dragMode == dragSize && s_dragHandle != 0) {
            obj->MoveHandleTo(s_dragHandle, local, view);
        }
    }
    s_lastPagePoint = local;
    if (s_dragMode == dragSize && c_nCurrentTool == toolSelect) {
        s_lastPoint = point;
        if (selection.size() == 1)
            view->viewport()->setCursor(QtCursor(selection.front()->HandleCursor(s_dragHandle)));
        return;
    }
    s_lastPoint = point;
    if (c_nCurrentTool == toolSelect) CEditTool::OnMove(view, flags, point);
}

void CPickTool::OnProperties(ui::CDrawView* view)
{
    if (view->Selection().size() == 1) view->EditProperties();
}

void CPickTool::OnCancel() {}
