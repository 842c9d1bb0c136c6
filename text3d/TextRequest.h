#pragma once

// The scene request that travels between the designer and the 3D text
// engine in "request.3d". The designer's form carries the picture's width
// and height; the form the engine writes back when the user leaves it does
// not.

#include "objects/Types.h"
#include "text3d/TextSceneParams.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

class CTextRequest {
public:
    enum class Form {
        designer,  // flag, scene, shininess, width, height, face name, text
        updated,   // the same without width and height
    };

    // Fixed part of the designer's form: the flag, 72 floats, shininess and
    // the two sides; the updated form is 8 bytes shorter.
    static constexpr std::size_t kSceneBytes = 4 + 72 * 4 + 4;

    std::vector<BYTE> Write(Form form) const;
    // Reads a whole file. A file that ends early, holds bytes after the text
    // or declares a string longer than what remains is refused as a whole:
    // on false the request keeps the values it had.
    bool Read(const BYTE* data, std::size_t size, Form form);
    bool Read(const std::vector<BYTE>& bytes, Form form) { return Read(bytes.data(), bytes.size(), form); }

    // The scene's eighteen vectors in the order of each component group of
    // the exchange (which differs from the document record's order).
    static std::array<float*, 18> ExchangeVectors(CTextSceneParams& params);

    BOOL m_bWireframe = 0;
    CTextSceneParams m_params;
    LONG m_nWidth = 0;
    LONG m_nHeight = 0;
    std::string m_strFaceName;
    std::string m_strText;
};

// Reads a file whole into memory, refusing anything larger than limit
// bytes; false when it cannot be opened or read.
bool ReadExchangeFile(const std::string& path, std::vector<BYTE>& bytes, std::size_t limit);
// Writes bytes to path through a temporary file renamed into place, so a
// reader never sees half a file.
bool WriteExchangeFile(const std::string& path, const std::vector<BYTE>& bytes);
