#pragma once

// "Header": the calendar's header text, its font, background, the line
// under it, its alignment and height, and "Do not draw Header".

#include "properties/CalTextPage.h"

class QLineEdit;

class CCalHText : public CCalTextPage {
    Q_OBJECT
public:
    explicit CCalHText(QWidget* parent = nullptr);
    void ToControls() override;
    void FromControls() override;

    int m_nHeightPct = 14;

    QLineEdit* m_pText;
    CIntField* m_pHeight;

protected:
    void ApplyEnabling() override;

private:
    QLabel* m_pTextLabel;
    QLabel* m_pHeightLabel;
};
