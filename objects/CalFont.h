#pragma once

// A font description of calendar and text objects with the font made from it.

#include "objects/DC.h"

#include <memory>
#include <string>

class CArchive;

class CCalFont {
public:
    CCalFont() = default;
    CCalFont(const CCalFont& other);
    CCalFont& operator=(const CCalFont& other);
    virtual ~CCalFont();

    // Makes m_pFont from the description. The height comes from a fixed
    // reference resolution, not from the surface, so every surface lays
    // the text out alike.
    virtual void CreateGdiFont(CDC* dc);
    virtual void Serialize(CArchive& ar);

    // The logical font height (negative: character height) for a size.
    static int HeightForPoints(int points);

    std::string m_strFaceName;
    int m_nPointSize = 8;
    int m_nRotation = 0;
    BOOL m_bBold = 0;
    BOOL m_bItalic = 0;
    BOOL m_bUnderline = 0;
    COLORREF m_crColor = 0;
    std::unique_ptr<CFont> m_pFont;  // created font, not persisted
};
