#include "editor3d/SceneEditors.h"

#include "editor3d/LightEditor.h"
#include "editor3d/MatEditor.h"
#include "text3d/TextSceneParams.h"

#include <cstring>

#include <QtCore/QCoreApplication>

bool EditDesignerLight(QWidget* parent, CTextSceneParams& params)
{
    CLightEditor sheet(QCoreApplication::translate("SceneEditors", "Light Source 1"), parent);
    sheet.SetLight(params.light[0]);
    if (sheet.exec() != QDialog::Accepted) return false;
    params.light[0] = sheet.GetLight();
    return true;
}

bool EditDesignerMaterial(QWidget* parent, CTextSceneParams& params)
{
    CMatEditor sheet(parent);
    CMatEditor::CValues v{};
    std::memcpy(v.m_ambient, params.material.ambient, sizeof v.m_ambient);
    std::memcpy(v.m_diffuse, params.material.diffuse, sizeof v.m_diffuse);
    std::memcpy(v.m_specular, params.material.specular, sizeof v.m_specular);
    std::memcpy(v.m_emission, params.material.emission, sizeof v.m_emission);
    v.m_fShininess = params.shininess;
    std::memcpy(v.m_rotation, params.rotation, sizeof v.m_rotation);
    std::memcpy(v.m_scale, params.scale, sizeof v.m_scale);
    sheet.SetValues(v);
    if (sheet.exec() != QDialog::Accepted) return false;
    v = sheet.GetValues();
    std::memcpy(params.material.ambient, v.m_ambient, sizeof v.m_ambient);
    std::memcpy(params.material.diffuse, v.m_diffuse, sizeof v.m_diffuse);
    std::memcpy(params.material.specular, v.m_specular, sizeof v.m_specular);
    std::memcpy(params.material.emission, v.m_emission, sizeof v.m_emission);
    params.shininess = v.m_fShininess;
    std::memcpy(params.rotation, v.m_rotation, sizeof v.m_rotation);
    std::memcpy(params.scale, v.m_scale, sizeof v.m_scale);
    return true;
}
