#pragma once

// The "Color, Size and Rotation" sheet: the material's four colours, its
// shininess, and the rotation and scale of the lettering.

#include "editor3d/PageSheet.h"

class CEditor;
class CEditorR;
class CEditorS;
class CShineEdit;

class CMatEditor : public CPageSheet {
    Q_OBJECT
public:
    struct CValues {
        float m_ambient[4];
        float m_diffuse[4];
        float m_specular[4];
        float m_emission[4];
        float m_fShininess;
        float m_rotation[4];
        float m_scale[4];
    };

    explicit CMatEditor(QWidget* parent = nullptr);

    void SetValues(const CValues& values);
    // The values as the pages hold them; used after OK. A shininess with a
    // fraction that was not retyped keeps its fraction.
    CValues GetValues() const;

    CEditor* m_pAmbient = nullptr;
    CEditor* m_pDiffuse = nullptr;
    CEditor* m_pSpecular = nullptr;
    CEditor* m_pEmission = nullptr;
    CShineEdit* m_pShine = nullptr;
    CEditorR* m_pRotation = nullptr;
    CEditorS* m_pScale = nullptr;

private:
    float m_fLoadedShininess = 0;
};
