#pragma once

// The "Light Source Position" page: x, y and z from -5000 to 5000; the
// fourth component (0 for a directional light) is carried through.

#include "editor3d/VectorPage.h"

class CEditorP : public CVectorPage {
    Q_OBJECT
public:
    explicit CEditorP(QWidget* parent = nullptr);
};
