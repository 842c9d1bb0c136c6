#include "engine3d/FontLocator.h"

#include "objects/FaceName.h"

#include <fontconfig/fontconfig.h>

namespace {

std::string MatchOutlineFile(const std::string& faceName)
{
    if (!FcInit()) return {};
    FcPattern* pattern = FcPatternCreate();
    if (!pattern) return {};
    std::string foundry;
    const std::string family = FaceWithoutFoundry(faceName, &foundry);
    if (!family.empty()) FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    if (!foundry.empty()) FcPatternAddString(pattern, FC_FOUNDRY, reinterpret_cast<const FcChar8*>(foundry.c_str()));
    // Only faces with outlines can be extruded; bitmap faces are passed over.
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcPatternAddBool(pattern, FC_OUTLINE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    std::string path;
    if (match) {
        FcBool outline = FcFalse;
        FcBool scalable = FcFalse;
        FcChar8* file = nullptr;
        if (FcPatternGetBool(match, FC_OUTLINE, 0, &outline) == FcResultMatch && outline &&
            FcPatternGetBool(match, FC_SCALABLE, 0, &scalable) == FcResultMatch && scalable &&
            FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file)
            path = reinterpret_cast<const char*>(file);
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return path;
}

}  // namespace

std::string FindOutlineFontFile(const std::string& faceName)
{
    std::string path = MatchOutlineFile(faceName);
    if (path.empty()) path = MatchOutlineFile("DejaVu Sans");
    return path;
}
