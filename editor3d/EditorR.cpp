#include "editor3d/EditorR.h"

CEditorR::CEditorR(QWidget* parent)
    : CVectorPage(QStringLiteral("Rotation"), {QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z")},
                  {-180, 180, 10, 10, 1}, parent)
{
}
