#pragma once

// The select tool: clicks select, drags move the selection, a handle of the
// one selected object resizes it, and a drag on an empty place draws a
// rubber band. The shape tools fall back on it.

#include "view/EditTool.h"

class CPickTool : public CEditTool {
public:
    CPickTool() : CEditTool(toolSelect) {}
    void OnPress(ui::CDrawView* view, UINT flags, CPoint point) override;
    void OnDoubleClick(ui::CDrawView* view, UINT flags, CPoint point) override;
    void OnRelease(ui::CDrawView* view, UINT flags, CPoint point) override;
    void OnMove(ui::CDrawView* view, UINT flags, CPoint point) override;
    void OnProperties(ui::CDrawView* view) override;
    void OnCancel() override;
};
