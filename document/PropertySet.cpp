#include "document/PropertySet.h"

#include "objects/ByteReader.h"

const CFormatId FMTID_SummaryInformation = {0xE0, 0x85, 0x9F, 0xF2, 0xF9, 0x4F, 0x68, 0x10,
                                            0xAB, 0x91, 0x08, 0x00, 0x2B, 0x27, 0xB3, 0xD9};

namespace {

constexpr WORD kByteOrder = 0xFFFE;
constexpr std::size_t kHeaderSize = 28;
constexpr std::size_t kSectionEntrySize = 20;
// A string property may not be larger than this.
constexpr DWORD kMaxStringLength = 1u << 20;

void Pad4(CByteWriter& out)
{
    while (out.Size() % 4) out.U8(0);
}

std::vector<BYTE> WriteSection(const CPropertySection& section)
{
    // Values are laid out after the id/offset table; offsets count from the
    // start of the section.
    CByteWriter values;
    std::vector<DWORD> offsets;
    std::size_t tableSize = 8 + 8 * section.m_properties.size();
    for (const CProperty& p : section.m_properties) {
        offsets.push_back(static_cast<DWORD>(tableSize + values.Size()));
        values.U32(p.m_wType);
        switch (p.m_wType) {
        case VT_I2:
            values.U16(static_cast<WORD>(p.m_nValue));
            values.U16(0);
            break;
        case VT_I4:
            values.U32(static_cast<DWORD>(p.m_nValue));
            break;
        case VT_FILETIME:
            values.U32(static_cast<DWORD>(static_cast<std::uint64_t>(p.m_nValue)));
            values.U32(static_cast<DWORD>(static_cast<std::uint64_t>(p.m_nValue) >> 32));
            break;
        case VT_LPSTR:
            // The length counts the terminating null.
            values.U32(static_cast<DWORD>(p.m_strValue.size() + 1));
            values.Bytes(p.m_strValue);
            values.U8(0);
            break;
        default:
            break;
        }
        Pad4(values);
    }
    CByteWriter out;
    out.U32(static_cast<DWORD>(tableSize + values.Size()));
    out.U32(static_cast<DWORD>(section.m_properties.size()));
    for (std::size_t i = 0; i < section.m_properties.size(); ++i) {
        out.U32(section.m_properties[i].m_dwId);
        out.U32(offsets[i]);
    }
    out.Write(values.Buffer().data(), values.Size());
    return out.Buffer();
}

bool ReadSection(const std::vector<BYTE>& bytes, std::size_t start, CPropertySection* section)
{
    CByteReader in(bytes);
    if (!in.Seek(start)) return false;
    DWORD size = in.U32();
    DWORD count = in.U32();
    if (in.Failed() || size < 8 || size > bytes.size() - start) return false;
    if (count > CPropertySet::kMaxProperties || count > (size - 8) / 8) return false;
    CByteReader sec(bytes.data() + start, size);
    sec.Skip(8);
    for (DWORD i = 0; i < count; ++i) {
        DWORD id = sec.U32();
        DWORD offset = sec.U32();
        if (sec.Failed()) return false;
        CByteReader value(bytes.data() + start, size);
        if (!value.Seek(offset)) return false;
        CProperty p;
        p.m_dwId = id;
        DWORD type = value.U32();
        p.m_wType = static_cast<WORD>(type);
        switch (type) {
        case VT_I2:
            p.m_nValue = value.I16();
            break;
        case VT_I4:
            p.m_nValue = value.I32();
            break;
        case VT_FILETIME: {
            std::uint64_t lo = value.U32();
            std::uint64_t hi = value.U32();
            p.m_nValue = static_cast<std::int64_t>(lo | (hi << 32));
            break;
        }
        case VT_LPSTR: {
            DWORD length = value.U32();
            if (value.Failed() || length > kMaxStringLength || length > value.Remaining()) return false;
            p.m_strValue = value.Bytes(length);
            // Text ends at its first null.
            std::size_t nul = p.m_strValue.find('\0');
            if (nul != std::string::npos) p.m_strValue.resize(nul);
            break;
        }
        default:
            // A type the summary does not use: its id is kept out.
            if (value.Failed()) return false;
            continue;
        }
        if (value.Failed()) return false;
        section->m_properties.push_back(std::move(p));
    }
    return true;
}

}  // namespace

CProperty* CPropertySection::Find(DWORD id)
{
    for (CProperty& p : m_properties)
        if (p.m_dwId == id) return &p;
    return nullptr;
}

const CProperty* CPropertySection::Find(DWORD id) const
{
    return const_cast<CPropertySection*>(this)->Find(id);
}

void CPropertySection::Set(const CProperty& property)
{
    if (CProperty* p = Find(property.m_dwId))
        *p = property;
    else
        m_properties.push_back(property);
}

CPropertySection* CPropertySet::FindSection(const CFormatId& fmtid)
{
    for (CPropertySection& s : m_sections)
        if (s.m_fmtid == fmtid) return &s;
    return nullptr;
}

const CPropertySection* CPropertySet::FindSection(const CFormatId& fmtid) const
{
    return const_cast<CPropertySet*>(this)->FindSection(fmtid);
}

std::vector<BYTE> CPropertySet::Write() const
{
    std::vector<std::vector<BYTE>> bodies;
    for (const CPropertySection& s : m_sections) bodies.push_back(WriteSection(s));
    CByteWriter out;
    out.U16(kByteOrder);
    out.U16(m_wFormat);
    out.U32(m_dwOSVersion);
    out.Write(m_clsid.data(), m_clsid.size());
    out.U32(static_cast<DWORD>(m_sections.size()));
    std::size_t offset = kHeaderSize + kSectionEntrySize * m_sections.size();
    for (std::size_t i = 0; i < m_sections.size(); ++i) {
        out.Write(m_sections[i].m_fmtid.data(), 16);
        out.U32(static_cast<DWORD>(offset));
        offset += bodies[i].size();
    }
    for (const auto& body : bodies) out.Write(body.data(), body.size());
    return out.Buffer();
}

bool CPropertySet::Read(const std::vector<BYTE>& bytes)
{
    *this = CPropertySet();
    CByteReader in(bytes);
    WORD order = in.U16();
    WORD format = in.U16();
    DWORD os = in.U32();
    CFormatId clsid{};
    in.Read(clsid.data(), clsid.size());
    DWORD count = in.U32();
    if (in.Failed() || order != kByteOrder || count > kMaxSections || count > in.Remaining() / kSectionEntrySize)
        return false;
    CPropertySet result;
    result.m_wFormat = format;
    result.m_dwOSVersion = os;
    result.m_clsid = clsid;
    for (DWORD i = 0; i < count; ++i) {
        CPropertySection section;
        in.Read(section.m_fmtid.data(), 16);
        DWORD offset = in.U32();
        if (in.Failed() || !ReadSection(bytes, offset, &section)) return false;
        result.m_sections.push_back(std::move(section));
    }
    *this = std::move(result);
    return true;
}
