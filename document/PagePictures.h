#pragma once

// The pictures a page draws, fetched ahead: before the page is painted on a
// surface, every picture that is not yet held at the size that surface will
// draw it at starts decoding on the shared worker pool, so the decodes run
// while the page's background, calendars and texts are drawn. Drawing a
// picture whose decode is under way waits for it; one not yet started is
// decoded by the drawing thread itself.

#include "objects/Types.h"

#include <vector>

class CDC;
class CDrawDoc;
class CDrawObj;

// Returns how many decodes were started.
int PrefetchPagePictures(CDC* dc, CDrawDoc& doc);

// The size in pixels of a page picture at dpi dots per inch.
CSize PagePixels(const CDrawDoc& doc, int dpi);

// Maps a surface as a page picture at dpi dots per inch is mapped: 0.01
// inch per unit, y up, the page's top left corner at the origin.
void PreparePagePicture(CDC* dc, const CDrawDoc& doc, int dpi);
// The area of the surface (device pixels, with a pixel to spare on every
// side) where photos still decoding will be drawn, and those photos' objects.
// A page can be drawn outside that area while they decode, and inside it
// once they are in. Empty when there are none, or when the background
// picture is still decoding (it lies under everything).
CRect PendingPictureArea(CDC* dc, CDrawDoc& doc, std::vector<CDrawObj*>* pending);

// The same fetch for a page picture at dpi, before any surface exists (a
// batch export starts its decodes while the rest of the program starts).
int PrefetchPagePictures(CDrawDoc& doc, int dpi);
