#pragma once

// The sheets that edit a 3D text scene: the lights, and the material with
// its rotation and scale. The designer opens the light sheet from its Text
// Properties page; the engine opens all of them from its menus.

struct CTextSceneParams;
class QWidget;

// The designer's "Light Source 1" sheet on light 0; true on OK, with the
// light's vectors updated. Cancel leaves the parameters alone.
bool EditDesignerLight(QWidget* parent, CTextSceneParams& params);
