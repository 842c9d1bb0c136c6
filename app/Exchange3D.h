#pragma once

// The designer's side of the 3D text exchange: the text object's scene is
// written as a request, the engine is started and waited for, and its reply
// picture and edited scene are read back into the object.

#include "objects/Types.h"

class CDrawRect;
class QWidget;

// Runs the exchange for a text object whose 3D display is on, at the given
// size in page units. Returns true when a valid picture came back; on
// failure the user is told why and the object's 3D display is switched off.
bool Run3DTextExchange(CDrawRect& text, CSize size, QWidget* parent);
