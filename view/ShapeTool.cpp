#include "view/ShapeTool.h"

#include "document/DrawDoc.h"
#include "objects/DrawRect.h"
#include "view/DrawView.h"

int CShapeTool::KindOfTool(int tool)
{
    switch (tool) {
    case toolLine: return CDrawRect::kindLine;
    case toolRect: return CDrawRect::kindRectangle;
    case toolRoundRect: return CDrawRect::kindRoundRect;
    case toolEllipse: return CDrawRect::kindEllipse;
    case toolText: return CDrawRect::kindText;
    case toolCalendar: return CDrawRect::kindCalendar;
    case toolImage: return CDrawRect::kindImage;
    case toolFrame: return CDrawRect::kindFrame;
    default: return CDrawRect::kindRectangle;
    }
}

void CShapeTool::OnPress(ui::CDrawView* view, UINT flags, CPoint point)
{
    CEditTool::OnPress(view, flags, point);
    CPoint local = point;
    view->WindowToPage(local);
    auto* obj = new CDrawRect(CRect(local, local));
    obj->m_nKind = KindOfTool(m_nTool);
    if (m_nTool == toolFrame) {
        obj->m_nGridLineType = 1;
        obj->m_nGridThickness = 15;
    }
    view->GetDocument()->Add(obj);
    view->SelectDrawObj(obj, false);
    m_pNew = obj;
    s_dragMode = dragSize;
    s_dragHandle = 1;
    s_lastPagePoint = local;
    BeginStep(view, {obj});
}

void CShapeTool::OnRelease(ui::CDrawView* view, UINT flags, CPoint point)
{
    if (point == s_downPoint && m_pNew) {
        // A click makes nothing: the new object goes, and the click selects.
        CDrawObj* obj = m_pNew;
        m_pNew = nullptr;
        ForgetCreated(obj);
        view->ForgetSelected(obj);
        view->GetDocument()->RemoveObject(obj);
        obj->Remove();
        CEditTool* pick = FindTool(toolSelect);
        pick->OnPress(view, flags, point);
        pick->OnRelease(view, flags, point);
        return;
    }
    m_pNew = nullptr;
    FindTool(toolSelect)->OnRelease(view, flags, point);
}

void CShapeTool::OnMove(ui::CDrawView* view, UINT flags, CPoint point)
{
    view->viewport()->setCursor(Qt::CrossCursor);
    FindTool(toolSelect)->OnMove(view, flags, point);
    view->viewport()->setCursor(Qt::CrossCursor);
}
