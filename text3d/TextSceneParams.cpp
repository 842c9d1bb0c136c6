#include "text3d/TextSceneParams.h"

#include <cstring>

bool CTextSceneParams::operator==(const CTextSceneParams& o) const
{
    // Plain floats without padding: a byte comparison is an exact one.
    static_assert(sizeof(CTextSceneParams) == (3 * 16 + 16 + 1 + 4 + 4) * sizeof(float));
    return std::memcmp(this, &o, sizeof(CTextSceneParams)) == 0;
}
