#include "editor3d/SceneEditors.h"

#include "text3d/TextSceneParams.h"

// The sheets come with the engine's editor pages; until then nothing changes.
bool EditDesignerLight(QWidget*, CTextSceneParams&) { return false; }
