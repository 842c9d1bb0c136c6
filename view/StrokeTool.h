#pragma once

// The polygon and polyline tools: one press, drag and release draws a free
// hand stroke, every move with the button down adding a point.

#include "view/EditTool.h"

class CDrawPoly;

class CStrokeTool : public CEditTool {
public:
    explicit CStrokeTool(int tool) : CEditTool(tool) {}
    void OnPress(ui::CDrawView* view, UINT flags, CPoint point) override;
    void OnRelease(ui::CDrawView* view, UINT flags, CPoint point) override;
    void OnMove(ui::CDrawView* view, UINT flags, CPoint point) override;
    void OnCancel() override;

    CDrawPoly* Stroke() const { return m_pStroke; }

private:
    CDrawPoly* m_pStroke = nullptr;
};
