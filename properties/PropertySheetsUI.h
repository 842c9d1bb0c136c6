#pragma once

// The program's property sheets behind the core's properties hook: each
// kind of object opens its own sheet.

#include "objects/ObjectProperties.h"

class CPropertySheetsUI : public CPropertiesUI {
public:
    bool EditGenericProperties(CObjectProperties& values, CDrawView* view) override;
    void EditRectProperties(CDrawRect* object, CDrawView* view) override;
};

// Installs one CPropertySheetsUI for the whole program (the designer does
// this at start-up).
void InstallPropertySheets();
