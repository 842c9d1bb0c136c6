#pragma once

// Finds the file of a scalable outline face for a face name through
// fontconfig; faces that do not exist get fontconfig's substitute, and
// when even that is not an outline font, DejaVu Sans.

#include <string>

// The font file's path, or empty when no outline font is installed at all.
std::string FindOutlineFontFile(const std::string& faceName);
