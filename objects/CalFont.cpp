#include "objects/CalFont.h"

#include "document/Archive.h"

namespace {

// Texts are laid out for one reference resolution on every surface, so
// that the screen, an exported picture and a printed page break lines and
// fill cells alike. The page is in hundredths of an inch, which this
// resolution matches closely enough for the sizes a calendar uses.
constexpr int kReferenceDpi = 96;

}

CCalFont::CCalFont(const CCalFont& other)
    : m_strFaceName(other.m_strFaceName),
      m_nPointSize(other.m_nPointSize),
      m_nRotation(other.m_nRotation),
      m_bBold(other.m_bBold),
      m_bItalic(other.m_bItalic),
      m_bUnderline(other.m_bUnderline),
      m_crColor(other.m_crColor)
{
}

CCalFont& CCalFont::operator=(const CCalFont& other)
{
    if (this != &other) {
        m_strFaceName = other.m_strFaceName;
        m_nPointSize = other.m_nPointSize;
        m_nRotation = other.m_nRotation;
        m_bBold = other.m_bBold;
        m_bItalic = other.m_bItalic;
        m_bUnderline = other.m_bUnderline;
        m_crColor = other.m_crColor;
        // The created font belongs to the old description.
        m_pFont.reset();
    }
    return *this;
}

CCalFont::~CCalFont() = default;

void CCalFont::CreateGdiFont(CDC* dc)
{
    (void)dc;
    m_pFont.reset();
    LOGFONT lf;
    lf.lfFaceName = m_strFaceName;
    lf.lfHeight = -MulDiv(m_nPointSize, kReferenceDpi, 72);
    // The classic weight of 100 for regular text came out as the regular face
    // where the usual faces have no thin cut; here fontconfig would pick a
    // thin or extra-light face where one is installed, so regular text asks
    // for the regular weight.
    lf.lfWeight = m_bBold ? FW_BOLD : FW_NORMAL;
    lf.lfQuality = PROOF_QUALITY;
    lf.lfEscapement = m_nRotation * 10;
    lf.lfItalic = m_bItalic ? 1 : 0;
    lf.lfUnderline = m_bUnderline ? 1 : 0;
    m_pFont = std::make_unique<CFont>();
    m_pFont->CreateFontIndirect(&lf);
}

void CCalFont::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteString(m_strFaceName);
        ar.WriteLong(m_nPointSize);
        ar.WriteLong(m_bBold);
        ar.WriteLong(m_bItalic);
        ar.WriteLong(m_bUnderline);
        ar.WriteDWord(m_crColor);
        ar.WriteLong(m_nRotation);
    } else {
        m_strFaceName = ar.ReadString();
        m_nPointSize = ar.ReadLong();
        m_bBold = ar.ReadLong();
        m_bItalic = ar.ReadLong();
        m_bUnderline = ar.ReadLong();
        m_crColor = ar.ReadDWord();
        m_nRotation = ar.ReadLong();
        m_pFont.reset();
    }
}

int CCalFont::HeightForPoints(int points)
{
    return -MulDiv(points, kReferenceDpi, 72);
}
