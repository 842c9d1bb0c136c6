#include "text3d/TextRequest.h"

#include "imageio/SafeFile.h"
#include "objects/ByteReader.h"

#include <cstdio>
#include <memory>

namespace {

void WriteExchangeString(CByteWriter& out, const std::string& s)
{
    const std::size_t n = s.size();
    if (n < 0xFF) {
        out.U8(static_cast<BYTE>(n));
    } else if (n < 0xFFFE) {
        out.U8(0xFF);
        out.U16(static_cast<WORD>(n));
    } else {
        out.U8(0xFF);
        out.U16(0xFFFF);
        out.U32(static_cast<DWORD>(n));
    }
    out.Bytes(s);
}

// A length that promises more bytes than remain fails the reader before
// anything is allocated for the string.
bool ReadExchangeString(CByteReader& in, std::string& s)
{
    std::size_t n = in.U8();
    if (n == 0xFF) {
        n = in.U16();
        if (n == 0xFFFF) n = in.U32();
    }
    if (in.Failed() || n > in.Remaining()) return false;
    s = in.Bytes(n);
    return in.Ok();
}

}  // namespace

std::array<float*, 18> CTextRequest::ExchangeVectors(CTextSceneParams& p)
{
    return {p.light[0].position, p.light[0].ambient,   p.light[0].diffuse,   p.light[0].specular,
            p.material.ambient,  p.material.diffuse,   p.material.specular,  p.material.emission,
            p.rotation,          p.scale,
            p.light[1].position, p.light[1].ambient,   p.light[1].diffuse,   p.light[1].specular,
            p.light[2].position, p.light[2].ambient,   p.light[2].diffuse,   p.light[2].specular};
}

std::vector<BYTE> CTextRequest::Write(Form form) const
{
    CByteWriter out;
    out.U32(static_cast<DWORD>(m_bWireframe));
    CTextSceneParams params = m_params;
    const auto vectors = ExchangeVectors(params);
    for (int c = 0; c < 4; ++c)
        for (float* v : vectors) out.F32(v[c]);
    out.F32(m_params.shininess);
    if (form == Form::designer) {
        out.I32(m_nWidth);
        out.I32(m_nHeight);
    }
    WriteExchangeString(out, m_strFaceName);
    WriteExchangeString(out, m_strText);
    return std::move(out.Buffer());
}

bool CTextRequest::Read(const BYTE* data, std::size_t size, Form form)
{
    CByteReader in(data, size);
    CTextRequest r;
    r.m_bWireframe = static_cast<BOOL>(in.U32());
    const auto vectors = ExchangeVectors(r.m_params);
    for (int c = 0; c < 4; ++c)
        for (float* v : vectors) v[c] = in.F32();
    r.m_params.shininess = in.F32();
    if (form == Form::designer) {
        r.m_nWidth = in.I32();
        r.m_nHeight = in.I32();
    }
    if (in.Failed() || !ReadExchangeString(in, r.m_strFaceName) || !ReadExchangeString(in, r.m_strText)) return false;
    // Bytes after the text mean the file is not what it claims to be.
    if (!in.AtEnd()) return false;
    *this = std::move(r);
    return true;
}

bool ReadExchangeFile(const std::string& path, std::vector<BYTE>& bytes, std::size_t limit)
{
    bytes.clear();
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) return false;
    BYTE chunk[65536];
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) {
        if (bytes.size() + n > limit) {
            bytes.clear();
            return false;
        }
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
    return !std::ferror(file.get());
}

bool WriteExchangeFile(const std::string& path, const std::vector<BYTE>& bytes)
{
    CSafeFile file;
    std::FILE* f = file.Open(path);
    if (!f) return false;
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) {
        file.Discard();
        return false;
    }
    return file.Commit();
}
