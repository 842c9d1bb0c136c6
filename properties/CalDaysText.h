#pragma once

// "Days": the cells of the ordinary days, and the week numbers beside the
// weeks.

#include "properties/CalTextPage.h"

class QComboBox;

class CCalDaysText : public CCalTextPage {
    Q_OBJECT
public:
    explicit CCalDaysText(QWidget* parent = nullptr);
    void ToControls() override;
    void FromControls() override;

    // The layout chosen on the General page: the page says when it has no
    // place for week numbers.
    void SetLayout(int layout);

    // A WeekNumbering: none, ISO 8601 or the US rule.
    int m_nWeekNumbers = 0;

    QComboBox* m_pWeekNumbers;
    QLabel* m_pWeekNumbersNote;
};
