#include "objects/PictureOnSurface.h"

#include "objects/DC.h"

#include <cstdlib>

CSize DeviceSizeOf(const CDC* dc, const CRect& logical)
{
    CPoint corners[2] = {CPoint(logical.left, logical.top), CPoint(logical.right, logical.bottom)};
    dc->LPtoDP(corners, 2);
    return CSize(std::abs(corners[1].x - corners[0].x), std::abs(corners[1].y - corners[0].y));
}

bool MeetsClip(const CDC* dc, const CRect& logical)
{
    CRect clip, meet;
    dc->GetClipBox(&clip);
    return meet.IntersectRect(logical.Normalized(), clip.Normalized());
}

CPictureHolder::Picture_t PictureForSurface(CDC* dc, CPictureHolder& holder, CSize need, const CRect& at)
{
    if (dc->PartialPictures()) {
        long rows = 0;
        if (CPictureHolder::Picture_t partial = holder.Partial(need.cx, need.cy, &rows)) return partial;
        // Done since (or never reduced as it decodes): the whole picture,
        // waiting for its decode to end.
    }
    if (dc->PictureReady()) {
        bool sharp = false;
        CPictureHolder::Picture_t held = holder.Held(need.cx, need.cy, &sharp);
        const bool seen = MeetsClip(dc, at);
        if (held) {
            if (!sharp && seen) holder.Request(need.cx, need.cy, dc->PictureReady());
            return held;
        }
        if (!seen) return nullptr;
    }
    return holder.Picture(need.cx, need.cy);
}
