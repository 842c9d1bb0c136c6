#pragma once

// Pictures as a surface needs them: the device pixels a page rectangle
// covers, and the copy of a held picture to draw there.

#include "imageio/PictureHolder.h"
#include "objects/Types.h"

class CDC;

// The device pixels a logical rectangle covers (its corners in either order).
CSize DeviceSizeOf(const CDC* dc, const CRect& logical);

// Whether a logical rectangle (corners in either order) meets the part of
// the surface being drawn.
bool MeetsClip(const CDC* dc, const CRect& logical);

// The picture at the size the surface needs, drawn at the logical rectangle
// at. On a surface that defers pictures a copy held is drawn when there is
// one, and a sharper copy is decoded on another thread if the rectangle
// meets the part being drawn (a zoomed view draws photos outside it only
// for their reach; nothing is decoded for those, and one not held at all
// is not drawn); on one drawn as pictures decode, the rows made so far;
// otherwise the picture is decoded now.
CPictureHolder::Picture_t PictureForSurface(CDC* dc, CPictureHolder& holder, CSize need, const CRect& at);
