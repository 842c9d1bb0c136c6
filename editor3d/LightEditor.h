#pragma once

// The sheet of one light: "Ambient", "Diffuse" and "Specular" colours and
// the "Light Source Position".

#include "editor3d/PageSheet.h"
#include "text3d/TextSceneParams.h"

class CEditor;
class CEditorP;

class CLightEditor : public CPageSheet {
    Q_OBJECT
public:
    CLightEditor(const QString& caption, QWidget* parent = nullptr);

    void SetLight(const CTextSceneParams::Light& light);
    // The light as the pages hold it; used after OK.
    CTextSceneParams::Light GetLight() const;

    CEditor* m_pAmbient = nullptr;
    CEditor* m_pDiffuse = nullptr;
    CEditor* m_pSpecular = nullptr;
    CEditorP* m_pPosition = nullptr;
};
