#pragma once

// The property-set stream format used for document summaries: a header
// (byte-order mark 0xFFFE, format 0, operating-system version, class id)
// followed by sections, each named by a format id and holding typed
// properties. Only the types the summary needs are understood; reading
// skips properties of other types.

#include "objects/Types.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

using CFormatId = std::array<BYTE, 16>;

// {F29F85E0-4FF9-1068-AB91-08002B27B3D9}
extern const CFormatId FMTID_SummaryInformation;

constexpr WORD VT_I2 = 2;
constexpr WORD VT_I4 = 3;
constexpr WORD VT_LPSTR = 30;
constexpr WORD VT_FILETIME = 64;

struct CProperty {
    DWORD m_dwId = 0;
    WORD m_wType = VT_I4;
    std::int64_t m_nValue = 0;  // VT_I2, VT_I4 and VT_FILETIME (as unsigned 64 bits)
    std::string m_strValue;     // VT_LPSTR, without its terminator
};

class CPropertySection {
public:
    CFormatId m_fmtid{};
    std::vector<CProperty> m_properties;  // in the order they are written

    CProperty* Find(DWORD id);
    const CProperty* Find(DWORD id) const;
    // Replaces the property with the same id, or appends it.
    void Set(const CProperty& property);
};

class CPropertySet {
public:
    // Caps for reading: a summary is a few hundred bytes.
    static constexpr std::size_t kMaxSections = 64;
    static constexpr std::size_t kMaxProperties = 4096;

    WORD m_wFormat = 0;
    DWORD m_dwOSVersion = 0x00020A00;  // platform kind 2 in the high word
    CFormatId m_clsid{};
    std::vector<CPropertySection> m_sections;

    CPropertySection* FindSection(const CFormatId& fmtid);
    const CPropertySection* FindSection(const CFormatId& fmtid) const;

    std::vector<BYTE> Write() const;
    // Strict: false for a bad header, offsets outside the stream or sizes
    // that do not fit. On failure the set is left empty.
    bool Read(const std::vector<BYTE>& bytes);
};
