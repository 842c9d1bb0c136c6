#include "engine3d/GLTextItem.h"

#include "engine3d/FontLocator.h"

#include <FTGL/ftgl.h>
#include <GL/gl.h>

#include <algorithm>
#include <cstring>

namespace {

// Outlines are taken at this size in FreeType's units and scaled down to
// one em, so curves keep enough segments.
constexpr unsigned kFaceSize = 64;
// Characters beyond Latin-1 get lists of their own, up to this many.
constexpr std::size_t kMaxExtraLists = 4096;

}  // namespace

CGLTextItem::CGLTextItem() = default;

CGLTextItem::~CGLTextItem()
{
    // The lists belong to a context that may be gone by now; the owner
    // releases them while the context is current.
    m_pFont.reset();
}

void CGLTextItem::SetEmission(const float v[4]) { std::memcpy(m_emission, v, sizeof m_emission); }
void CGLTextItem::SetSpecular(const float v[4]) { std::memcpy(m_specular, v, sizeof m_specular); }
void CGLTextItem::SetAmbient(const float v[4]) { std::memcpy(m_ambient, v, sizeof m_ambient); }
void CGLTextItem::SetDiffuse(const float v[4]) { std::memcpy(m_diffuse, v, sizeof m_diffuse); }
void CGLTextItem::GetEmission(float v[4]) const { std::memcpy(v, m_emission, sizeof m_emission); }
void CGLTextItem::GetSpecular(float v[4]) const { std::memcpy(v, m_specular, sizeof m_specular); }
void CGLTextItem::GetAmbient(float v[4]) const { std::memcpy(v, m_ambient, sizeof m_ambient); }
void CGLTextItem::GetDiffuse(float v[4]) const { std::memcpy(v, m_diffuse, sizeof m_diffuse); }

bool CGLTextItem::Build(const std::string& faceName)
{
    Release();
    if (m_nGlyphStyle != 0 && m_nGlyphStyle != 1) return false;
    const std::string file = FindOutlineFontFile(faceName);
    if (file.empty()) return false;
    std::unique_ptr<FTFont> font;
    if (m_nGlyphStyle == 0)
        font = std::make_unique<FTExtrudeFont>(file.c_str());
    else
        font = std::make_unique<FTOutlineFont>(file.c_str());
    if (font->Error() || !font->FaceSize(kFaceSize)) return false;
    font->Depth(static_cast<float>(m_dExtrusion * kFaceSize));
    // FTGL's own lists would be opened inside ours, which OpenGL forbids;
    // its glyphs draw directly and our lists record them.
    font->UseDisplayList(false);
    const GLuint base = glGenLists(256);
    if (base == 0) return false;
    m_pFont = std::move(font);
    m_nListBase = base;
    for (unsigned code = 0; code < 256; ++code) CompileGlyph(base + code, code);
    return true;
}

void CGLTextItem::CompileGlyph(unsigned list, unsigned code)
{
    const wchar_t text[2] = {static_cast<wchar_t>(code), 0};
    // Measuring loads the glyph, so its outline is made before the list opens.
    const float advance = code ? m_pFont->Advance(text, 1) : 0.0f;
    CGlyphBox box;
    box.advance = advance / kFaceSize;
    if (code) {
        const FTBBox ink = m_pFont->BBox(text, 1);
        box.x0 = ink.Lower().Xf() / kFaceSize;
        box.y0 = ink.Lower().Yf() / kFaceSize;
        box.x1 = ink.Upper().Xf() / kFaceSize;
        box.y1 = ink.Upper().Yf() / kFaceSize;
        box.ink = box.x1 > box.x0 && box.y1 > box.y0;
    }
    m_boxes[code] = box;
    glNewList(list, GL_COMPILE);
    if (code) {
        glPushMatrix();
        glScaled(1.0 / kFaceSize, 1.0 / kFaceSize, 1.0 / kFaceSize);
        m_pFont->Render(text, 1);
        glPopMatrix();
    }
    glTranslated(advance / kFaceSize, 0.0, 0.0);
    glEndList();
}

unsigned CGLTextItem::ListFor(unsigned code)
{
    if (code < 256) return m_nListBase + code;
    auto found = m_extraLists.find(code);
    if (found != m_extraLists.end()) return found->second;
    if (!m_pFont || m_extraLists.size() >= kMaxExtraLists) return 0;
    const GLuint list = glGenLists(1);
    if (list == 0) return 0;
    CompileGlyph(list, code);
    m_extraLists.emplace(code, list);
    return list;
}

void CGLTextItem::Draw()
{
    // A zero scale on any axis flattens the lettering to nothing; the
    // fourth scale component is not an axis and is not looked at.
    if (m_nListBase == 0 || m_strText.empty() || m_scale[0] == 0 || m_scale[1] == 0 || m_scale[2] == 0) return;
    glPushMatrix();
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, m_emission);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, m_specular);
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, m_ambient);
    // Outlines are blended by their alpha, which lighting takes from the
    // diffuse colour (0.1 in the usual scenes): they are drawn opaque, as
    // solid glyphs are, or they would all but vanish into the white.
    float diffuse[4] = {m_diffuse[0], m_diffuse[1], m_diffuse[2], m_nGlyphStyle == 1 ? 1.0f : m_diffuse[3]};
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, diffuse);
    // OpenGL refuses a shininess outside 0 to 128 and keeps the old one;
    // the stored value stays as the user typed it.
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, std::clamp(m_fShininess, 0.0f, 128.0f));
    double centre[3] = {0, 0, 0};
    InkCentre(centre);
    glTranslated(m_position[0], m_position[1], m_position[2]);
    glScaled(m_scale[0], m_scale[1], m_scale[2]);
    glRotated(m_rotation[0], 1, 0, 0);
    glRotated(m_rotation[1], 0, 1, 0);
    glRotated(m_rotation[2], 0, 0, 1);
    glTranslated(-centre[0], -centre[1], -centre[2]);
    for (unsigned code : DecodeText(m_strText)) {
        const unsigned list = ListFor(code);
        if (list) glCallList(list);
    }
    glPopMatrix();
}

bool CGLTextItem::InkBox(double lower[3], double upper[3])
{
    if (m_nListBase == 0) return false;
    bool any = false;
    double pen = 0;
    for (unsigned code : DecodeText(m_strText)) {
        // Making the list measures the glyph.
        if (!ListFor(code)) continue;
        const auto found = m_boxes.find(code);
        if (found == m_boxes.end()) continue;
        const CGlyphBox& g = found->second;
        if (g.ink) {
            const double x0 = pen + g.x0, x1 = pen + g.x1;
            if (!any) {
                lower[0] = x0, lower[1] = g.y0, upper[0] = x1, upper[1] = g.y1;
            } else {
                lower[0] = std::min(lower[0], x0), lower[1] = std::min<double>(lower[1], g.y0);
                upper[0] = std::max(upper[0], x1), upper[1] = std::max<double>(upper[1], g.y1);
            }
            any = true;
        }
        pen += g.advance;
    }
    // Solid glyphs reach back by the extrusion; outlines lie flat.
    lower[2] = m_nGlyphStyle == 0 ? -m_dExtrusion : 0;
    upper[2] = 0;
    return any;
}

bool CGLTextItem::InkCentre(double centre[3])
{
    double lower[3], upper[3];
    if (!InkBox(lower, upper)) return false;
    for (int i = 0; i < 3; ++i) centre[i] = (lower[i] + upper[i]) / 2;
    return true;
}

void CGLTextItem::Release()
{
    if (m_nListBase) glDeleteLists(m_nListBase, 256);
    m_nListBase = 0;
    for (const auto& [code, list] : m_extraLists) glDeleteLists(list, 1);
    m_extraLists.clear();
    m_boxes.clear();
    m_pFont.reset();
}

std::vector<unsigned> CGLTextItem::DecodeText(const std::string& text)
{
    std::vector<unsigned> codes;
    codes.reserve(text.size());
    const auto* s = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t n = text.size();
    for (std::size_t i = 0; i < n;) {
        const unsigned char b = s[i];
        std::size_t length = 0;
        unsigned code = 0;
        unsigned minimum = 0;
        if (b >= 0xC2 && b <= 0xDF) { length = 2; code = b & 0x1F; minimum = 0x80; }
        else if (b >= 0xE0 && b <= 0xEF) { length = 3; code = b & 0x0F; minimum = 0x800; }
        else if (b >= 0xF0 && b <= 0xF4) { length = 4; code = b & 0x07; minimum = 0x10000; }
        bool ok = length > 0 && i + length <= n;
        for (std::size_t k = 1; ok && k < length; ++k) {
            if ((s[i + k] & 0xC0) != 0x80) ok = false;
            else code = (code << 6) | (s[i + k] & 0x3F);
        }
        // Overlong forms, surrogates and codes past Unicode are not UTF-8.
        if (ok && (code < minimum || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)) ok = false;
        if (ok) {
            codes.push_back(code);
            i += length;
        } else {
            codes.push_back(b);
            ++i;
        }
    }
    return codes;
}
