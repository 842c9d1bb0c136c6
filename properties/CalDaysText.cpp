#include "properties/CalDaysText.h"

namespace {
CTextPageCaptions DaysCaptions()
{
    CTextPageCaptions c = ClippedTextCaptions();
    c.m_bDaysSpelling = true;
    return c;
}
}  // namespace

CCalDaysText::CCalDaysText(QWidget* parent) : CCalTextPage(QStringLiteral("Days"), DaysCaptions(), parent)
{
    m_strText = "1 2 3 4 5 6 7";
}
