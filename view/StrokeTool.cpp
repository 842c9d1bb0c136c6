#include "view/StrokeTool.h"

#include "document/DrawDoc.h"
#include "objects/DrawPoly.h"
#include "view/DrawView.h"

#include <QtGui/QCursor>

QCursor PencilCursor();

void CStrokeTool::OnPress(ui::CDrawView* view, UINT flags, CPoint point)
{
    CEditTool::OnPress(view, flags, point);
    CPoint local = point;
    view->WindowToPage(local);
    if (!m_pStroke) {
        view->SetCapture(true);
        CDrawPoly* stroke = m_nTool == toolPolygon ? new CDrawPoly(CRect(local, local)) : new CDrawPolyL(CRect(local, local));
        view->GetDocument()->Add(stroke);
        view->SelectDrawObj(stroke, false);
        stroke->AppendPoint(local, view);
        m_pStroke = stroke;
        BeginStep(view, {stroke});
    } else if (m_pStroke->m_nPointCount > 0 && local == m_pStroke->m_pPoints[0]) {
        // Back at the first point: the stroke is closed.
        view->SetCapture(false);
        CDrawPoly* stroke = m_pStroke;
        m_pStroke = nullptr;
        stroke->m_nPointCount -= 1;
        if (stroke->m_nPointCount > 1) {
            view->InvalidateObject(stroke);
        } else {
            ForgetCreated(stroke);
            view->ForgetSelected(stroke);
            view->GetDocument()->RemoveObject(stroke);
            stroke->Remove();
        }
        FinishStep();
        s_pDragView = nullptr;
        SetCurrentTool(toolSelect);
        return;
    }
    // Two successive points are never equal.
    local.x += 1;
    m_pStroke->AppendPoint(local, view);
    s_dragMode = dragSize;
    s_dragHandle = m_pStroke->HandleCount();
    s_lastPagePoint = local;
}

void CStrokeTool::OnMove(ui::CDrawView* view, UINT flags, CPoint point)
{
    if (m_pStroke && (flags & MK_LBUTTON) && view->HasCapture()) {
        CPoint local = point;
        view->WindowToPage(local);
        m_pStroke->AppendPoint(local, view);
        s_dragHandle = m_pStroke->HandleCount();
        s_lastPagePoint = local;
        s_lastPoint = point;
        view->viewport()->setCursor(PencilCursor());
        return;
    }
    view->viewport()->setCursor(Qt::CrossCursor);
    FindTool(toolSelect)->OnMove(view, flags, point);
    view->viewport()->setCursor(Qt::CrossCursor);
}

void CStrokeTool::OnRelease(ui::CDrawView* view, UINT, CPoint)
{
    view->SetCapture(false);
    if (CDrawPoly* stroke = m_pStroke) {
        const int n = stroke->m_nPointCount;
        if (n >= 3) {
            const CPoint last = stroke->m_pPoints[n - 1];
            const CPoint before = stroke->m_pPoints[n - 2];
            if (last == before || (last.x == before.x + 1 && last.y == before.y)) {
                stroke->m_nPointCount -= 1;
                view->InvalidateObject(stroke);
            }
        }
    }
    m_pStroke = nullptr;
    FinishStep();
    s_pDragView = nullptr;
    SetCurrentTool(toolSelect);
}

void CStrokeTool::OnCancel()
{
    m_pStroke = nullptr;
    SetCurrentTool(toolSelect);
}
