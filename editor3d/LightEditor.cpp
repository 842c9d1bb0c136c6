#include "editor3d/LightEditor.h"

#include "editor3d/Editor.h"
#include "editor3d/EditorP.h"

CLightEditor::CLightEditor(const QString& caption, QWidget* parent) : CPageSheet(caption, parent)
{
    m_pAmbient = new CEditor(tr("Ambient"));
    m_pDiffuse = new CEditor(tr("Diffuse"));
    m_pSpecular = new CEditor(tr("Specular"));
    m_pPosition = new CEditorP;
    for (CVectorPage* page : {static_cast<CVectorPage*>(m_pAmbient), static_cast<CVectorPage*>(m_pDiffuse),
                              static_cast<CVectorPage*>(m_pSpecular), static_cast<CVectorPage*>(m_pPosition)})
        AddPage(page, page->Caption());
}

void CLightEditor::SetLight(const CTextSceneParams::Light& light)
{
    m_pAmbient->SetValues(light.ambient);
    m_pDiffuse->SetValues(light.diffuse);
    m_pSpecular->SetValues(light.specular);
    m_pPosition->SetValues(light.position);
}

CTextSceneParams::Light CLightEditor::GetLight() const
{
    CTextSceneParams::Light light{};
    m_pAmbient->GetValues(light.ambient);
    m_pDiffuse->GetValues(light.diffuse);
    m_pSpecular->GetValues(light.specular);
    m_pPosition->GetValues(light.position);
    return light;
}
