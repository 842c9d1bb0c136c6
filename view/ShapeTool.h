#pragma once

// The tools that drag out rectangle-based objects: line, rectangle, round
// rectangle, ellipse, text, calendar, image and frame. A press makes the
// object at the point and the drag sizes it by its first corner; a click
// without movement makes nothing and selects what is under the mouse.

#include "view/EditTool.h"

class CShapeTool : public CEditTool {
public:
    explicit CShapeTool(int tool) : CEditTool(tool) {}
    void OnPress(ui::CDrawView* view, UINT flags, CPoint point) override;
    void OnRelease(ui::CDrawView* view, UINT flags, CPoint point) override;
    void OnMove(ui::CDrawView* view, UINT flags, CPoint point) override;

    // The object kind the tool makes.
    static int KindOfTool(int tool);

private:
    CDrawObj* m_pNew = nullptr;
};
