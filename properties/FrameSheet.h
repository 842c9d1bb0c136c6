#pragma once

// The sheet "Frame" of a frame object.

#include "properties/ObjectSheet.h"

#include <string>

class CFramePropPage;

class CFrameSheet : public CObjectSheet {
    Q_OBJECT
public:
    explicit CFrameSheet(QWidget* parent = nullptr);
    void Load(CDrawRect& object) override;
    void ApplyTo(CDrawRect& object) override;

    CFramePropPage* m_pFrame;

protected:
    void UpdatePreviewObject(CDrawRect& preview) override;

private:
    void ApplyValues(CDrawRect& target) const;
};
