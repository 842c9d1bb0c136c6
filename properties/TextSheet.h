#pragma once

// The sheet "Properties" of a text object, with its "Text Properties" page.

#include "objects/Types.h"
#include "properties/ObjectSheet.h"

class CCalPText;

class CTextSheet : public CObjectSheet {
    Q_OBJECT
public:
    explicit CTextSheet(QWidget* parent = nullptr);
    void Load(CDrawRect& object) override;
    void ApplyTo(CDrawRect& object) override;

    CCalPText* m_pText;

protected:
    void UpdatePreviewObject(CDrawRect& preview) override;

private:
    void ApplyValues(CDrawRect& target) const;
    // The size the 3D lettering is rendered at: the object's when the
    // sheet opened.
    CSize m_sizeAtStart;
};
