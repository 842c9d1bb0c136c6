#include "view/Arrange.h"

#include <algorithm>
#include <numeric>

namespace {

// Visual edges of a page rectangle (y grows upwards).
struct Edges {
    int left, right, top, bottom;  // top > bottom
};

Edges Of(const CRect& r)
{
    return {std::min(r.left, r.right), std::max(r.left, r.right), std::max(r.top, r.bottom),
            std::min(r.top, r.bottom)};
}

CRect Shifted(CRect r, int dx, int dy)
{
    r.OffsetRect(dx, dy);
    return r;
}

// The rectangle with a new width, its visual left edge kept.
CRect WithWidth(CRect r, int width)
{
    if (r.left <= r.right) r.right = r.left + width;
    else r.left = r.right + width;
    return r;
}

// The rectangle with a new height, its visual top edge kept.
CRect WithHeight(CRect r, int height)
{
    if (r.top >= r.bottom) r.bottom = r.top - height;
    else r.top = r.bottom - height;
    return r;
}

}  // namespace

int ArrangeMinimum(ArrangeCommand command)
{
    return command == ArrangeCommand::spaceAcross || command == ArrangeCommand::spaceDown ? 3 : 2;
}

std::vector<CRect> ArrangeRects(ArrangeCommand command, const std::vector<CRect>& rects)
{
    std::vector<CRect> out = rects;
    const int n = static_cast<int>(rects.size());
    if (n < ArrangeMinimum(command)) return out;
    const Edges ref = Of(rects.front());
    const int refWidth = ref.right - ref.left;
    const int refHeight = ref.top - ref.bottom;

    if (command == ArrangeCommand::spaceAcross || command == ArrangeCommand::spaceDown) {
        // The two outermost objects stay; the others are placed between
        // them in their present order with equal gaps.
        const bool across = command == ArrangeCommand::spaceAcross;
        std::vector<int> order(n);
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            const Edges ea = Of(rects[a]), eb = Of(rects[b]);
            return across ? ea.left < eb.left : ea.top > eb.top;
        });
        long long sum = 0;
        for (const CRect& r : rects) {
            const Edges e = Of(r);
            sum += across ? e.right - e.left : e.top - e.bottom;
        }
        const Edges first = Of(rects[order.front()]);
        const Edges last = Of(rects[order.back()]);
        const long long span = across ? static_cast<long long>(last.right) - first.left
                                      : static_cast<long long>(first.top) - last.bottom;
        const long long gaps = span - sum;
        long long position = across ? first.right : first.bottom;
        for (int k = 1; k < n - 1; ++k) {
            const int i = order[k];
            const Edges e = Of(rects[i]);
            // Rounded shares of the free space keep the last gap exact.
            const long long before = gaps * k / (n - 1);
            const long long previous = gaps * (k - 1) / (n - 1);
            position += across ? before - previous : previous - before;
            if (across) {
                out[i] = Shifted(rects[i], static_cast<int>(position - e.left), 0);
                position += e.right - e.left;
            } else {
                out[i] = Shifted(rects[i], 0, static_cast<int>(position - e.top));
                position -= e.top - e.bottom;
            }
        }
        return out;
    }

    for (int i = 0; i < n; ++i) {
        const CRect& r = rects[i];
        const Edges e = Of(r);
        switch (command) {
        case ArrangeCommand::alignTop: out[i] = Shifted(r, 0, ref.top - e.top); break;
        case ArrangeCommand::alignBottom: out[i] = Shifted(r, 0, ref.bottom - e.bottom); break;
        case ArrangeCommand::alignCenter:
            out[i] = Shifted(r, 0, (ref.top + ref.bottom) / 2 - (e.top + e.bottom) / 2);
            break;
        case ArrangeCommand::alignVCenter:
            out[i] = Shifted(r, (ref.left + ref.right) / 2 - (e.left + e.right) / 2, 0);
            break;
        case ArrangeCommand::alignLeft: out[i] = Shifted(r, ref.left - e.left, 0); break;
        case ArrangeCommand::alignRight: out[i] = Shifted(r, ref.right - e.right, 0); break;
        case ArrangeCommand::sameWidth: out[i] = WithWidth(r, refWidth); break;
        case ArrangeCommand::sameHeight: out[i] = WithHeight(r, refHeight); break;
        case ArrangeCommand::sameSize: out[i] = WithHeight(WithWidth(r, refWidth), refHeight); break;
        default: break;
        }
    }
    return out;
}

int ZOrderTarget(ZOrderCommand command, int index, int count)
{
    if (index < 0 || index >= count) return index;
    switch (command) {
    case ZOrderCommand::toFront: return count - 1;
    case ZOrderCommand::toBack: return 0;
    case ZOrderCommand::forward: return index + 1 < count ? index + 1 : index;
    case ZOrderCommand::backward: return index > 0 ? index - 1 : index;
    }
    return index;
}
