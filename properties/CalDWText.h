#pragma once

// "Days of Week Header": the day-name cells, their name format and height.

#include "properties/CalTextPage.h"

class CCalDWText : public CCalTextPage {
    Q_OBJECT
public:
    explicit CCalDWText(QWidget* parent = nullptr);
    void ToControls() override;
    void FromControls() override;
    // The preview sample of a format: "M T W T F S S" ...
    static std::string FormatSample(int format);

    int m_nFormat = 0;
    int m_nHeightPct = 14;

    QButtonGroup* m_pFormat;
    CIntField* m_pHeight;
};
