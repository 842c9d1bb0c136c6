#include "editor3d/EditorP.h"

CEditorP::CEditorP(QWidget* parent)
    : CVectorPage(QStringLiteral("Light Source Position"), {QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z")},
                  {-5000, 5000, 500, 100, 1}, parent)
{
}
