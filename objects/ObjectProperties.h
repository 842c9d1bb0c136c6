#pragma once

// The values of the generic properties page of a drawing object, and the
// hook through which the program shows its property sheets. The core never
// opens a window itself: the application installs a CPropertiesUI at
// start-up, and without one EditProperties does nothing.

#include "objects/Types.h"

class CDrawObj;
class CDrawRect;
class CDrawView;

// What the generic page edits. Loaded from an object when the page opens;
// applied to it only on OK, so Cancel leaves the object untouched.
struct CObjectProperties {
    BOOL m_bTransparent = 0;
    int m_nThickness = 1;
    BOOL m_bDrawBorder = 1;
    COLORREF m_crBorder = 0;
    COLORREF m_crFill = 0;
    int m_nLineType = 0;

    static CObjectProperties FromObject(CDrawObj& object);
    // Copies the values back, updates the object in all views and marks the
    // document modified.
    void ApplyTo(CDrawObj& object) const;
};

class CPropertiesUI {
public:
    virtual ~CPropertiesUI() = default;
    // Shows the sheet "Generic Drawing Object" with the values; returns true
    // when the user chose OK (the values then hold the choices).
    virtual bool EditGenericProperties(CObjectProperties& values, CDrawView* view) = 0;
    // Shows the property sheet of a shape, text, image, frame or calendar
    // object and applies it on OK.
    virtual void EditRectProperties(CDrawRect* object, CDrawView* view) = 0;
};

// The installed hook, or null; the caller keeps it alive while installed.
CPropertiesUI* GetPropertiesUI();
void SetPropertiesUI(CPropertiesUI* ui);
