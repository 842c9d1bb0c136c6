#pragma once

// Pictures as a surface needs them: the device pixels a page rectangle
// covers, and the copy of a held picture to draw there.

#include "imageio/PictureHolder.h"
#include "objects/Types.h"

class CDC;

// The device pixels a logical rectangle covers (its corners in either order).
CSize DeviceSizeOf(const CDC* dc, const CRect& logical);

// The picture at the size the surface needs. On a surface that defers
// pictures a copy held is drawn when there is one, and a sharper copy is
// decoded on another thread; on one drawn as pictures decode, the rows
// made so far; otherwise the picture is decoded now.
CPictureHolder::Picture_t PictureForSurface(CDC* dc, CPictureHolder& holder, CSize need);
