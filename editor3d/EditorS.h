#pragma once

// The "Scale" page: x, y and z from 0 to 2 in thousandths.

#include "editor3d/VectorPage.h"

class CEditorS : public CVectorPage {
    Q_OBJECT
public:
    explicit CEditorS(QWidget* parent = nullptr);
};
