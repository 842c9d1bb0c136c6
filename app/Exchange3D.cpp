#include "app/Exchange3D.h"

#include "app/MessageBox.h"
#include "objects/DrawRect.h"

// Until the engine is part of the build the exchange cannot start, and the
// text goes back to flat lettering.
bool Run3DTextExchange(CDrawRect& text, CSize, QWidget* parent)
{
    text.m_bShow3D = 0;
    ShowMessage(parent, QStringLiteral("The 3D text engine could not be started."), QMessageBox::Warning);
    return false;
}
