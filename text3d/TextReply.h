#pragma once

// The picture the 3D text engine returns in "reply.3d": a bottom-up 32-bit
// bitmap file with a fixed 54-byte header. A reply of sides 0 is the valid
// answer to a request too small to draw in.

#include "objects/Types.h"

#include <cstddef>
#include <vector>

class CDibSection;

class CTextReply {
public:
    static constexpr std::size_t kHeaderBytes = 54;
    // Sides beyond this are refused by both programs.
    static constexpr int kMaxSide = 32768;

    // The bytes of the file for a 32-bit section; an empty section gives
    // the empty reply (sides 0, no pixels).
    static std::vector<BYTE> Write(const CDibSection& picture);
    // Reads the file whole into picture. Anything but the layout the engine
    // writes (its magic, header size, depth, compression, sides and the
    // pixels the header promises) is refused: on false picture is unchanged.
    static bool Read(const BYTE* data, std::size_t size, CDibSection& picture);
    static bool Read(const std::vector<BYTE>& bytes, CDibSection& picture)
    {
        return Read(bytes.data(), bytes.size(), picture);
    }
};
