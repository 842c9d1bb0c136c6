#pragma once

// Font families as the font dialog lists them: a family that more than one
// maker installs carries the maker in brackets, "P052 [urw]". Documents keep
// the plain face name, which every system can look up; the maker only
// narrows the choice where it is known.

#include <string>

// The face name without a trailing " [maker]"; the maker goes to foundry
// (empty when there is none).
inline std::string FaceWithoutFoundry(const std::string& family, std::string* foundry = nullptr)
{
    if (foundry) foundry->clear();
    if (family.size() < 4 || family.back() != ']') return family;
    const std::size_t open = family.rfind(" [");
    if (open == std::string::npos || open == 0 || family.size() - open < 4) return family;
    if (foundry) *foundry = family.substr(open + 2, family.size() - open - 3);
    return family.substr(0, open);
}
