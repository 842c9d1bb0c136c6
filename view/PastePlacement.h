#pragma once

// Where pasted objects land: in their own places, unless that would lay
// them exactly over objects already on the page (a paste after a copy, a
// second paste); then a step right and down, a further step for every
// paste already lying there.

#include <list>

class CDrawDoc;
class CDrawObj;

// The offset of one step, in page units (0.01 inch).
constexpr int kPasteStep = 20;

// Moves the objects and their points by dx, dy without telling any view
// (they are not on the page yet).
void OffsetObjects(const std::list<CDrawObj*>& objects, int dx, int dy);
// Moves objects about to be pasted clear of identical places on the page.
void PlaceClearOfCopies(const CDrawDoc& doc, const std::list<CDrawObj*>& objects);
