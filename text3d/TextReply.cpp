#include "text3d/TextReply.h"

#include "objects/ByteReader.h"
#include "text3d/DibSection.h"

#include <cstring>

std::vector<BYTE> CTextReply::Write(const CDibSection& picture)
{
    const bool empty = picture.m_bits.empty() || picture.BitsPerPixel() != 32;
    const LONG width = empty ? 0 : picture.Width();
    const LONG height = empty ? 0 : picture.Height();
    const DWORD image = static_cast<DWORD>(static_cast<long long>(width) * height * 4);
    CByteWriter out;
    out.U16(0x4D42);
    out.U32(0);  // the file size stays 0, as the designer has always read it
    out.U16(0);
    out.U16(0);
    out.U32(kHeaderBytes);
    out.U32(40);
    out.I32(width);
    out.I32(height);
    out.U16(1);
    out.U16(32);
    out.U32(0);
    out.U32(image);
    out.I32(0);
    out.I32(0);
    out.U32(0);
    out.U32(0);
    if (!empty) out.Write(picture.GetBits(), image);
    return std::move(out.Buffer());
}

bool CTextReply::Read(const BYTE* data, std::size_t size, CDibSection& picture)
{
    CByteReader in(data, size);
    const WORD magic = in.U16();
    in.Skip(8);  // file size and the reserved words
    const DWORD offset = in.U32();
    const DWORD headerSize = in.U32();
    const LONG width = in.I32();
    const LONG height = in.I32();
    const WORD planes = in.U16();
    const WORD bits = in.U16();
    const DWORD compression = in.U32();
    const DWORD image = in.U32();
    in.Skip(16);
    if (in.Failed() || magic != 0x4D42 || offset != kHeaderBytes || headerSize != 40 || planes != 1 || bits != 32 ||
        compression != 0)
        return false;
    // Both sides 0 is the empty picture; otherwise both are positive and
    // bounded, so the product below is computed in 64 bits without overflow.
    if (width < 0 || height < 0 || width > kMaxSide || height > kMaxSide || (width == 0) != (height == 0))
        return false;
    const long long needed = static_cast<long long>(width) * height * 4;
    if (static_cast<long long>(image) != needed || static_cast<long long>(in.Remaining()) < needed) return false;

    CDibSection result(false);
    if (width > 0 && (!result.Create(width, height) || result.m_bits.size() != static_cast<std::size_t>(needed)))
        return false;
    if (needed > 0) in.Read(result.m_bits.data(), static_cast<std::size_t>(needed));
    if (in.Failed()) return false;
    picture.m_b24Bits = 0;
    picture.m_head = result.m_head;
    picture.m_bits.swap(result.m_bits);
    return true;
}
