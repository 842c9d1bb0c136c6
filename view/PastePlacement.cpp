#include "view/PastePlacement.h"

#include "document/DrawDoc.h"
#include "objects/DrawObj.h"
#include "objects/DrawPoly.h"

#include <algorithm>

void OffsetObjects(const std::list<CDrawObj*>& objects, int dx, int dy)
{
    for (CDrawObj* obj : objects) {
        obj->m_position.OffsetRect(dx, dy);
        if (auto* poly = dynamic_cast<CDrawPoly*>(obj)) {
            for (int i = 0; i < poly->m_nPointCount; ++i) {
                poly->m_pPoints[i].x += dx;
                poly->m_pPoints[i].y += dy;
            }
        }
    }
}

void PlaceClearOfCopies(const CDrawDoc& doc, const std::list<CDrawObj*>& objects)
{
    const std::list<CDrawObj*>& page = *doc.GetObjects();
    auto covers = [&page](const CDrawObj* pasted) {
        return std::any_of(page.begin(), page.end(),
                           [pasted](const CDrawObj* o) { return o->m_position == pasted->m_position; });
    };
    // Bounded, so that a page crowded along the diagonal still takes the paste.
    for (int steps = 0; steps < 100 && std::any_of(objects.begin(), objects.end(), covers); ++steps)
        OffsetObjects(objects, kPasteStep, -kPasteStep);
}
