#include "editor3d/MatEditor.h"

#include "editor3d/Editor.h"
#include "editor3d/EditorR.h"
#include "editor3d/EditorS.h"
#include "editor3d/ShineEdit.h"

#include <cmath>
#include <limits>

CMatEditor::CMatEditor(QWidget* parent) : CPageSheet(tr("Color, Size and Rotation"), parent)
{
    m_pAmbient = new CEditor(tr("Ambient"));
    m_pDiffuse = new CEditor(tr("Diffuse"));
    m_pSpecular = new CEditor(tr("Specular"));
    m_pEmission = new CEditor(tr("Emission"));
    m_pShine = new CShineEdit;
    m_pRotation = new CEditorR;
    m_pScale = new CEditorS;
    for (CEditor* page : {m_pAmbient, m_pDiffuse, m_pSpecular, m_pEmission}) AddPage(page, page->Caption());
    AddPage(m_pShine, m_pShine->Caption());
    AddPage(m_pRotation, m_pRotation->Caption());
    AddPage(m_pScale, m_pScale->Caption());
}

namespace {

// The whole number the shine page shows for a stored shininess.
int ShownShininess(float value)
{
    if (!(std::fabs(value) < static_cast<float>(std::numeric_limits<int>::max() / 2))) return 0;
    return static_cast<int>(std::lround(value));
}

}  // namespace

void CMatEditor::SetValues(const CValues& v)
{
    m_pAmbient->SetValues(v.m_ambient);
    m_pDiffuse->SetValues(v.m_diffuse);
    m_pSpecular->SetValues(v.m_specular);
    m_pEmission->SetValues(v.m_emission);
    m_fLoadedShininess = v.m_fShininess;
    m_pShine->SetShininess(ShownShininess(v.m_fShininess));
    m_pRotation->SetValues(v.m_rotation);
    m_pScale->SetValues(v.m_scale);
}

CMatEditor::CValues CMatEditor::GetValues() const
{
    CValues v{};
    m_pAmbient->GetValues(v.m_ambient);
    m_pDiffuse->GetValues(v.m_diffuse);
    m_pSpecular->GetValues(v.m_specular);
    m_pEmission->GetValues(v.m_emission);
    const int shown = m_pShine->GetShininess();
    v.m_fShininess = shown == ShownShininess(m_fLoadedShininess) ? m_fLoadedShininess : static_cast<float>(shown);
    m_pRotation->GetValues(v.m_rotation);
    m_pScale->GetValues(v.m_scale);
    return v;
}
