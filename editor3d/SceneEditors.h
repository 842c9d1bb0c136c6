#pragma once

// The sheets that edit a 3D text scene: the lights, and the material with
// its rotation and scale. The designer opens them from its Text Properties
// page; the engine opens its own from its menus.

struct CTextSceneParams;
class QWidget;

// The designer's "Light Source 1" sheet on light 0; true on OK, with the
// light's vectors updated. Cancel leaves the parameters alone.
bool EditDesignerLight(QWidget* parent, CTextSceneParams& params);
// The "Color, Size and Rotation" sheet on the material, shininess, rotation
// and scale; true on OK with them updated.
bool EditDesignerMaterial(QWidget* parent, CTextSceneParams& params);
