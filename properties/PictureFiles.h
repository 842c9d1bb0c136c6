#pragma once

// Which picture files the property pages can show: the extensions the
// program has a decoder for.

#include <string>

// Whether the program has a decoder for a lower-case extension.
bool IsPictureExtension(const std::string& ext);
