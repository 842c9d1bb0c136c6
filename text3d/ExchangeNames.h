#pragma once

// The exchange files in the engine's working directory, one spelling each
// on a file system that tells case apart.

#include <cstddef>

inline constexpr const char* kRequestFile = "request.3d";
inline constexpr const char* kReplyFile = "reply.3d";
// A request holds two strings besides its fixed part; no real one comes
// near this.
inline constexpr std::size_t kMaxRequestBytes = 1u << 26;
