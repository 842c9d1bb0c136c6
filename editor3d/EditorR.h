#pragma once

// The "Rotation" page: degrees about x, y and z from -180 to 180.

#include "editor3d/VectorPage.h"

class CEditorR : public CVectorPage {
    Q_OBJECT
public:
    explicit CEditorR(QWidget* parent = nullptr);
};
