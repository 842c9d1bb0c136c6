#pragma once

// Character-level helpers for UTF-8 texts. Day names are cut to their first
// one or three characters and upper-cased; doing that on bytes would split
// the letters of Polish or Russian names in half.

#include <string>

bool IsAscii(const std::string& text);

// The first count characters of text. A byte that does not start a valid
// UTF-8 sequence counts as one character of its own, so the result never
// ends inside a sequence and never reads past the text.
std::string Utf8Prefix(const std::string& text, int count);

// Number of characters, counted as Utf8Prefix counts them.
int Utf8Length(const std::string& text);

// Upper case of every letter, by the Unicode case mapping (not only the
// ASCII letters). Invalid bytes are kept as they are.
std::string Utf8ToUpper(const std::string& text);

// Replaces every byte that is not part of a valid UTF-8 sequence with the
// replacement character U+FFFD.
std::string MakeValidUtf8(const std::string& text);
