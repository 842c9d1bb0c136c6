#pragma once

// "Text Properties": a text object's text, font, background, border,
// its flat alignment and rotation, and its 3D lettering.

#include "properties/CalTextPage.h"
#include "text3d/TextSceneParams.h"

class QLineEdit;
class QRadioButton;

class CCalPText : public CCalTextPage {
    Q_OBJECT
public:
    explicit CCalPText(QWidget* parent = nullptr);
    void ToControls() override;
    void FromControls() override;

    int m_nRotation = 0;
    BOOL m_bShow3D = 0;
    int m_bWireframe = 0;
    // The scene the 3D lettering is rendered with; the light button edits
    // its first light.
    CTextSceneParams m_sceneParams;

    QLineEdit* m_pText;
    CIntField* m_pRotation;
    QCheckBox* m_pShow3D;
    QRadioButton* m_pSolid;
    QRadioButton* m_pWireframe;
    QPushButton* m_pLight;

protected:
    void ApplyEnabling() override;

private:
    void EditLight();
    QLabel* m_pRotationLabel;
};
