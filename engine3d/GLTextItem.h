#pragma once

// One text shown by the engine: display lists of the face's glyphs, the
// material and the transformation of the lettering. Every method that
// touches OpenGL assumes a current compatibility context, the one in which
// the item was built.

#include <map>
#include <memory>
#include <string>
#include <vector>

class FTFont;

class CGLTextItem {
public:
    CGLTextItem();
    ~CGLTextItem();
    CGLTextItem(const CGLTextItem&) = delete;
    CGLTextItem& operator=(const CGLTextItem&) = delete;

    // Builds the 256 lists of the face (solid glyphs for style 0, outlines
    // for style 1); false when no lists were made: another style, no
    // outline face installed, or no list names left.
    bool Build(const std::string& faceName);
    // Draws the lettering centred on m_position: the middle of its ink box
    // (after scaling and rotating) lies there.
    void Draw();
    // The box of the present text's ink in ems (x along the line, y up, z
    // over the extrusion, which goes into the page), relative to the start of
    // the baseline; false when the text draws nothing.
    bool InkBox(double lower[3], double upper[3]);
    // The point the lettering turns about and is centred on: the middle of
    // its ink box.
    bool InkCentre(double centre[3]);
    // Deletes every list; the item draws nothing until built again.
    void Release();

    void SetEmission(const float v[4]);
    void SetSpecular(const float v[4]);
    void SetAmbient(const float v[4]);
    void SetDiffuse(const float v[4]);
    void GetEmission(float v[4]) const;
    void GetSpecular(float v[4]) const;
    void GetAmbient(float v[4]) const;
    void GetDiffuse(float v[4]) const;
    void SetShininess(float f) { m_fShininess = f; }
    float GetShininess() const { return m_fShininess; }

    // The characters of a text: UTF-8 sequences become one code each, and
    // bytes that are not part of a well-formed sequence are read as Latin-1.
    static std::vector<unsigned> DecodeText(const std::string& text);

    int m_nGlyphStyle = 0;
    unsigned m_nListBase = 0;
    double m_dExtrusion = 0.1;
    double m_position[3] = {0, 0, 0};
    double m_scale[3] = {1, 1, 1};
    double m_rotation[3] = {0, 0, 0};
    float m_emission[4] = {0.1f, 0.1f, 0.9f, 1.0f};
    float m_specular[4] = {0.9f, 0.1f, 0.1f, 1.0f};
    float m_ambient[4] = {0.1f, 0.9f, 0.1f, 1.0f};
    float m_diffuse[4] = {0.8f, 0.8f, 0.8f, 1.0f};
    float m_fShininess = 100.0f;
    std::string m_strText;

private:
    // Compiles one glyph into a list of its own; the list draws the glyph
    // one em high and then moves on by its advance.
    void CompileGlyph(unsigned list, unsigned code);
    unsigned ListFor(unsigned code);

    // A glyph's ink in ems and its advance.
    struct CGlyphBox {
        float x0 = 0, y0 = 0, x1 = 0, y1 = 0, advance = 0;
        bool ink = false;
    };

    std::unique_ptr<FTFont> m_pFont;
    std::map<unsigned, CGlyphBox> m_boxes;
    // Lists of characters beyond the first 256 codes, made when first drawn.
    std::map<unsigned, unsigned> m_extraLists;
};
