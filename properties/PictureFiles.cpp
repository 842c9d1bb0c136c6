#include "properties/PictureFiles.h"

#include <algorithm>
#include <array>

bool IsPictureExtension(const std::string& ext)
{
    static const std::array<const char*, 10> known = {"bmp", "jpg", "jpeg", "gif", "png",
                                                      "ico", "tiff", "tif", "tga", "pcx"};
    return std::any_of(known.begin(), known.end(), [&](const char* k) { return ext == k; });
}
