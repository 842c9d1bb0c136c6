#pragma once

// Pieces of the command line's reading that its running shares.

#include <string>

struct CValueRange;

namespace BatchArgs {

// The extension of a path, lower case, without the dot ("" when none).
std::string Extension(const std::string& path);
bool IsReadableFile(const std::string& path);
std::string AbsolutePath(const std::string& path);
// "1-9999", or "1 to 9999" with another separator.
std::string RangeText(const CValueRange& range, const char* separator = "-");

}  // namespace BatchArgs
