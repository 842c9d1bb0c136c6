#pragma once

// "Days": the cells of the ordinary days.

#include "properties/CalTextPage.h"

class CCalDaysText : public CCalTextPage {
    Q_OBJECT
public:
    explicit CCalDaysText(QWidget* parent = nullptr);
};
