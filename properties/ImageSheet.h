#pragma once

// The sheet "Properties" of an image object, with its "Image Properties" page.

#include "properties/ObjectSheet.h"

class CImagePropPage;

class CImageSheet : public CObjectSheet {
    Q_OBJECT
public:
    explicit CImageSheet(QWidget* parent = nullptr);
    void Load(CDrawRect& object) override;
    void ApplyTo(CDrawRect& object) override;

    CImagePropPage* m_pImage;

protected:
    void UpdatePreviewObject(CDrawRect&) override {}
};
