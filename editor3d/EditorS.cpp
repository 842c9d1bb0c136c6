#include "editor3d/EditorS.h"

CEditorS::CEditorS(QWidget* parent)
    : CVectorPage(tr("Scale"), {tr("X"), tr("Y"), tr("Z")},
                  {0, 2000, 100, 100, 1000}, parent)
{
}
