#include "editor3d/EditorS.h"

CEditorS::CEditorS(QWidget* parent)
    : CVectorPage(QStringLiteral("Scale"), {QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z")},
                  {0, 2000, 100, 100, 1000}, parent)
{
}
