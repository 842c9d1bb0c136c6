#pragma once

// "Generic Drawing Object": the sheet of rectangles, round rectangles,
// ellipses and lines, and (through the core's hook, without an object to
// preview or apply to) of polygons and embedded objects.

#include "objects/ObjectProperties.h"
#include "properties/ObjectSheet.h"

class CGenericPropPage;

class CGenericSheet : public CObjectSheet {
    Q_OBJECT
public:
    explicit CGenericSheet(QWidget* parent = nullptr);
    void Load(CDrawRect& object) override;
    void ApplyTo(CDrawRect& object) override;

    // Edits bare values; true on OK with the choices in values. The caller
    // applies them, so this sheet has no Apply button.
    static bool EditValues(CObjectProperties& values, QWidget* parent);

    CGenericPropPage* m_pPage;

protected:
    void UpdatePreviewObject(CDrawRect& preview) override;
};
