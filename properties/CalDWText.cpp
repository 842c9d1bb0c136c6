#include "properties/CalDWText.h"

#include "document/ValueRanges.h"
#include "properties/IntField.h"
#include "properties/StoredChoice.h"

#include <QtWidgets/QButtonGroup>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QRadioButton>

CCalDWText::CCalDWText(QWidget* parent) : CCalTextPage(tr("Days of Week Header"), ClippedTextCaptions(), parent)
{
    auto* formatBox = new QGroupBox(tr("Format"), this);
    auto* row = new QHBoxLayout(formatBox);
    m_pFormat = new QButtonGroup(this);
    const char* const captions[4] = {QT_TR_NOOP("M, T.."), QT_TR_NOOP("Mon, Tue..."), QT_TR_NOOP("MON, TUE..."),
                                     QT_TR_NOOP("Monday....")};
    for (int i = 0; i < 4; ++i) {
        auto* radio = new QRadioButton(tr(captions[i]), formatBox);
        m_pFormat->addButton(radio, i);
        row->addWidget(radio);
    }
    auto* heightLabel = new QLabel(
        tr("Height (as % of total Height)\nwill be used to calculate Width\nfor Horizontal Layout"), this);
    m_pHeight = new CIntField(this, kRowPercentRange);
    heightLabel->setBuddy(m_pHeight);
    Extras()->addWidget(formatBox, 0, 0, 1, 3);
    Extras()->addWidget(heightLabel, 1, 0, 1, 2);
    Extras()->addWidget(m_pHeight, 1, 2, Qt::AlignVCenter);
    Extras()->setColumnStretch(1, 1);
    Watch(m_pFormat);
    Watch(m_pHeight);
}

std::string CCalDWText::FormatSample(int format)
{
    switch (format) {
    case 1: return "Mon Tue Wed...";
    case 2: return "MON TUE WED...";
    case 3: return "Monday Tuesday..";
    default: return "M T W T F S S";
    }
}

void CCalDWText::ToControls()
{
    SetLoading(true);
    ShowStoredChoice(m_pFormat, m_nFormat);
    m_pHeight->Load(m_nHeightPct);
    SetLoading(false);
    CCalTextPage::ToControls();
}

void CCalDWText::FromControls()
{
    CCalTextPage::FromControls();
    m_nFormat = ReadChoice(m_pFormat, m_nFormat);
    int pct = 0;
    if (m_pHeight->IsValid(&pct)) m_nHeightPct = pct;
    m_strText = FormatSample(m_nFormat);
}
