#include "editor3d/EditorR.h"

CEditorR::CEditorR(QWidget* parent)
    : CVectorPage(tr("Rotation"), {tr("X"), tr("Y"), tr("Z")},
                  {-180, 180, 10, 10, 1}, parent)
{
}
