#pragma once

// The pictures a page draws, fetched ahead: before the page is painted on a
// surface, every picture that is not yet held at the size that surface will
// draw it at (on a view that takes pictures as they come, every one in the
// part it paints) starts decoding on the shared worker pool, so the decodes run
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
// How far down from the top of the area the pending photos' rows are in: the
// first device row at or above which some photo still lacks rows, or the
// area's bottom when every photo is in. A photo drawn the right way up
// that is being reduced as it decodes counts with the rows made so far (a
// few rows are kept in hand for the drawing's rounding); any other photo
// not yet in holds the area from its top. decoding says whether some photo
// is being made now.
long PendingRowsReady(CDC* dc, const std::vector<CDrawObj*>& pending, const CRect& area, bool* decoding);

// The same fetch for a page picture at dpi, before any surface exists (a
// batch export starts its decodes while the rest of the program starts).
int PrefetchPagePictures(CDrawDoc& doc, int dpi);
