#pragma once

// The style fields of one kind of text in an object (the header, the day
// names, the days, the special days, a text object), bound by reference so
// that one pair of functions moves any of them in and out of a text page.

#include "objects/CalFont.h"
#include "properties/CalTextPage.h"

#include <string>

struct CTextPageFields {
    CCalFont& font;
    COLORREF& back;
    COLORREF& line;
    BOOL& lineOn;
    int& lineType;
    int& thickness;
    BOOL& transparent;
    int& align;
};

inline void LoadTextPage(CCalTextPage& page, const CTextPageFields& f)
{
    page.LoadFont(f.font);
    page.m_crBack = f.back;
    page.m_crLine = f.line;
    page.m_bLine = f.lineOn;
    page.m_nLineType = f.lineType;
    page.m_nThickness = static_cast<unsigned int>(f.thickness < 0 ? 0 : f.thickness);
    page.m_bTransparent = f.transparent;
    page.m_nAlign = f.align;
}

// Everything but the font, which goes through the object's own setter.
inline void StoreTextPage(const CCalTextPage& page, const CTextPageFields& f)
{
    f.thickness = static_cast<int>(page.m_nThickness);
    f.line = page.m_crLine;
    f.back = page.m_crBack;
    f.lineOn = page.m_bLine;
    f.lineType = page.m_nLineType;
    f.transparent = page.m_bTransparent;
    f.align = page.m_nAlign;
}
