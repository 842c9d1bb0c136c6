#include "editor3d/Editor.h"

CEditor::CEditor(const QString& caption, QWidget* parent)
    : CVectorPage(caption, {tr("Red"), tr("Green"), tr("Blue")},
                  {0, 1000, 100, 100, 1000}, parent)
{
}
