#pragma once

#include <string>

// Draws the landscape photo used by the demo (a sky, the sun, hills and a
// lake, all made by code) and writes it as a JPEG file.
bool MakeSamplePhoto(const std::string& path, std::string* error, int width = 1600, int height = 1067);
