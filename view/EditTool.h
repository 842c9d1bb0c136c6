#pragma once

// The drawing tools. One tool is current for every view of the program; the
// view hands each left-button press, move, release and double-click to it
// with the key and button flags and the point in window pixels. The drag
// state is shared too: there is one mouse, so there is one drag at a time.

#include "objects/Types.h"

#include <functional>
#include <memory>
#include <vector>

class CDrawObj;
class CModifyCommand;

namespace ui {
class CDrawView;
}

// Key and button flags of a mouse event.
constexpr UINT MK_LBUTTON = 0x1;
constexpr UINT MK_SHIFT = 0x4;
constexpr UINT MK_CONTROL = 0x8;

enum DrawTool {
    toolSelect = 0,
    toolLine,
    toolRect,
    toolRoundRect,
    toolEllipse,
    toolPolygon,
    toolText,
    toolCalendar,
    toolImage,
    toolFrame,
    toolPolyline,
    toolCount
};

enum DragMode { dragNone = 0, dragRubberBand = 1, dragMove = 2, dragSize = 3 };

class CEditTool {
public:
    explicit CEditTool(int tool) : m_nTool(tool) {}
    virtual ~CEditTool() = default;

    virtual void OnPress(ui::CDrawView* view, UINT flags, CPoint point);
    virtual void OnDoubleClick(ui::CDrawView* view, UINT flags, CPoint point);
    virtual void OnRelease(ui::CDrawView* view, UINT flags, CPoint point);
    virtual void OnMove(ui::CDrawView* view, UINT flags, CPoint point);
    virtual void OnProperties(ui::CDrawView* view);
    virtual void OnCancel();

    int Tool() const { return m_nTool; }

    // The tool for a value 0-10, or null.
    static CEditTool* FindTool(int tool);
    static int CurrentTool() { return c_nCurrentTool; }
    static void SetCurrentTool(int tool);
    // Told whenever the current tool changes (menus and toolbar marks).
    static void SetToolChangedHook(std::function<void(int)> hook);

    // Ends a drag in progress: what it did so far stays and becomes one
    // step of the history, and the capture is let go.
    static void EndDrag();
    static bool IsDragging() { return s_pDragView != nullptr; }
    static ui::CDrawView* DragView() { return s_pDragView; }

    // The drag state of the one mouse.
    static UINT s_downFlags;
    static CPoint s_downPoint;
    static CPoint s_lastPoint;
    static int s_dragMode;
    static int s_dragHandle;
    static CPoint s_lastPagePoint;

protected:
    // The selection's records at the start of a move or size, and objects
    // made by this drag, so the drag becomes one step when it ends.
    static void BeginStep(ui::CDrawView* view, const std::vector<CDrawObj*>& created);
    static void FinishStep();
    static void ForgetCreated(CDrawObj* obj);

    static int c_nCurrentTool;
    static ui::CDrawView* s_pDragView;
    static std::unique_ptr<CModifyCommand> s_pPendingStep;
    static std::vector<CDrawObj*> s_created;
    // A Ctrl-press on an object: the first movement copies the selection.
    static bool s_bCopying;

    int m_nTool;
};
