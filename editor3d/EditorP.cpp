#include "editor3d/EditorP.h"

CEditorP::CEditorP(QWidget* parent)
    : CVectorPage(tr("Light Source Position"), {tr("X"), tr("Y"), tr("Z")},
                  {-5000, 5000, 500, 100, 1}, parent)
{
}
