#include "view/EditTool.h"

#include "document/DrawDoc.h"
#include "objects/DrawObj.h"
#include "view/DesignDocument.h"
#include "view/DrawView.h"
#include "view/PickTool.h"
#include "view/ShapeTool.h"
#include "view/StrokeTool.h"
#include "view/UndoCommands.h"

#include <QtCore/QCoreApplication>
#include <QtGui/QUndoStack>

#include <algorithm>
#include <utility>

UINT CEditTool::s_downFlags = 0;
CPoint CEditTool::s_downPoint;
CPoint CEditTool::s_lastPoint;
int CEditTool::s_dragMode = dragNone;
int CEditTool::s_dragHandle = 0;
CPoint CEditTool::s_lastPagePoint;
int CEditTool::c_nCurrentTool = toolSelect;
ui::CDrawView* CEditTool::s_pDragView = nullptr;
std::unique_ptr<CModifyCommand> CEditTool::s_pPendingStep;
std::vector<CDrawObj*> CEditTool::s_created;
bool CEditTool::s_bCopying = false;

namespace {

std::function<void(int)>& ToolHook()
{
    static std::function<void(int)> hook;
    return hook;
}

// The tools, made once: select, the eight shapes and the two strokes.
std::vector<std::unique_ptr<CEditTool>>& Tools()
{
    static std::vector<std::unique_ptr<CEditTool>> tools = [] {
        std::vector<std::unique_ptr<CEditTool>> t;
        t.push_back(std::make_unique<CPickTool>());
        for (int tool : {toolLine, toolRect, toolRoundRect, toolEllipse, toolText, toolCalendar, toolImage, toolFrame})
            t.push_back(std::make_unique<CShapeTool>(tool));
        t.push_back(std::make_unique<CStrokeTool>(toolPolygon));
        t.push_back(std::make_unique<CStrokeTool>(toolPolyline));
        return t;
    }();
    return tools;
}

}  // namespace

CEditTool* CEditTool::FindTool(int tool)
{
    for (auto& t : Tools())
        if (t->Tool() == tool) return t.get();
    return nullptr;
}

void CEditTool::SetCurrentTool(int tool)
{
    if (tool < 0 || tool >= toolCount) return;
    c_nCurrentTool = tool;
    if (ToolHook()) ToolHook()(tool);
}

void CEditTool::SetToolChangedHook(std::function<void(int)> hook)
{
    ToolHook() = std::move(hook);
}

void CEditTool::OnPress(ui::CDrawView* view, UINT flags, CPoint point)
{
    view->SetCapture(true);
    s_downFlags = flags;
    s_downPoint = s_lastPoint = point;
    s_pDragView = view;
}

void CEditTool::OnDoubleClick(ui::CDrawView*, UINT, CPoint) {}

void CEditTool::OnRelease(ui::CDrawView* view, UINT, CPoint point)
{
    view->SetCapture(false);
    FinishStep();
    s_pDragView = nullptr;
    if (point == s_downPoint) SetCurrentTool(toolSelect);
}

void CEditTool::OnMove(ui::CDrawView* view, UINT, CPoint point)
{
    s_lastPoint = point;
    view->viewport()->setCursor(Qt::ArrowCursor);
}

void CEditTool::OnProperties(ui::CDrawView*) {}

void CEditTool::OnCancel()
{
    SetCurrentTool(toolSelect);
}

void CEditTool::BeginStep(ui::CDrawView* view, const std::vector<CDrawObj*>& created)
{
    s_created = created;
    std::vector<CDrawObj*> moving;
    for (CDrawObj* obj : view->Selection())
        if (std::find(created.begin(), created.end(), obj) == created.end()) moving.push_back(obj);
    s_pPendingStep.reset();
    if (!moving.empty()) {
        const QString name = s_dragMode == dragSize ? QCoreApplication::translate("CEditTool", "Resize") : QCoreApplication::translate("CEditTool", "Move");
        s_pPendingStep = std::make_unique<CModifyCommand>(view->Design(), name, moving);
    }
}

void CEditTool::ForgetCreated(CDrawObj* obj)
{
    s_created.erase(std::remove(s_created.begin(), s_created.end(), obj), s_created.end());
}

void CEditTool::FinishStep()
{
    ui::CDrawView* view = s_pDragView;
    std::unique_ptr<CModifyCommand> step = std::move(s_pPendingStep);
    std::vector<CDrawObj*> created;
    created.swap(s_created);
    const bool copying = std::exchange(s_bCopying, false);
    if (!view) return;
    CDrawDoc* doc = view->GetDocument();
    created.erase(std::remove_if(created.begin(), created.end(),
                                 [doc](CDrawObj* o) { return IndexOfObject(*doc, o) < 0; }),
                  created.end());
    const bool moved = step && step->Finish();
    if (!moved && created.empty()) return;
    QUndoStack* stack = view->Design()->UndoStack();
    if (moved && !created.empty()) {
        // A copy left behind by a Ctrl-drag and the originals moved away.
        stack->beginMacro(QCoreApplication::translate("CEditTool", "Copy"));
        view->PushStep(new CInsertCommand(view->Design(), QCoreApplication::translate("CEditTool", "Copy"), created, false));
        view->PushStep(step.release());
        stack->endMacro();
    } else if (moved) {
        view->PushStep(step.release());
    } else if (copying) {
        // Copies dragged back exactly onto their originals.
        view->PushStep(new CInsertCommand(view->Design(), QCoreApplication::translate("CEditTool", "Copy"), created, false));
    } else {
        QString name = QCoreApplication::translate("CEditTool", "Draw");
        if (CEditTool* tool = FindTool(c_nCurrentTool); tool && tool->Tool() != toolSelect) {
            static const char* const names[toolCount] = {
                QT_TRANSLATE_NOOP("CEditTool", "Draw"),           QT_TRANSLATE_NOOP("CEditTool", "Draw Line"),
                QT_TRANSLATE_NOOP("CEditTool", "Draw Rectangle"), QT_TRANSLATE_NOOP("CEditTool", "Draw Round Rectangle"),
                QT_TRANSLATE_NOOP("CEditTool", "Draw Ellipse"),   QT_TRANSLATE_NOOP("CEditTool", "Draw Polygon"),
                QT_TRANSLATE_NOOP("CEditTool", "Draw Text"),      QT_TRANSLATE_NOOP("CEditTool", "Draw Calendar"),
                QT_TRANSLATE_NOOP("CEditTool", "Draw Image"),     QT_TRANSLATE_NOOP("CEditTool", "Draw Frame"),
                QT_TRANSLATE_NOOP("CEditTool", "Draw Polyline")};
            name = QCoreApplication::translate("CEditTool", names[tool->Tool()]);
        }
        view->PushStep(new CInsertCommand(view->Design(), name, created, false));
    }
}

void CEditTool::EndDrag()
{
    ui::CDrawView* view = s_pDragView;
    if (!view) return;
    if (s_dragMode == dragRubberBand) view->SetFeedbackRect(QRect());
    view->SetCapture(false);
    FinishStep();
    s_pDragView = nullptr;
    s_dragMode = dragNone;
    if (CEditTool* tool = FindTool(c_nCurrentTool)) tool->OnCancel();
}
