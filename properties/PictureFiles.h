#pragma once

// Which picture files the property pages can show: the extensions the
// program has a decoder for.

#include <string>

// Whether the program has a decoder for a lower-case extension.
bool IsPictureExtension(const std::string& ext);
// The type stored with a picture path: the given extension in lower case,
// or the path's own when there is none, so that "JPG" decodes as a JPEG.
std::string PictureType(const std::string& ext, const std::string& path);
