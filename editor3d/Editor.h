#pragma once

// A colour page ("Ambient", "Diffuse", "Specular" or "Emission"): red,
// green and blue from 0 to 1 in thousandths; alpha is carried through.

#include "editor3d/VectorPage.h"

class CEditor : public CVectorPage {
    Q_OBJECT
public:
    explicit CEditor(const QString& caption, QWidget* parent = nullptr);
};
