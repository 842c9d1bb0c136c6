#pragma once

// The integer fields of the property pages and the wizard. Unlike a plain
// spin box, a field lets the user type any integer, so that a value out of
// range can be refused with the program's message ("Please enter an integer
// between 1 and 72.") when the page is left or confirmed; the arrows stay
// within the range. Without arrows it serves as a plain numeric edit.

#include <QtWidgets/QSpinBox>

class CIntField : public QSpinBox {
    Q_OBJECT
public:
    explicit CIntField(QWidget* parent = nullptr, int min = 0, int max = 100);

    void SetValidRange(int min, int max);
    int ValidMin() const { return m_nMin; }
    int ValidMax() const { return m_nMax; }
    // The typed value, and whether the text is an integer inside the range.
    bool IsValid(int* value = nullptr) const;
    // Shows the range message, puts the focus back on the field and selects
    // its text when the value is not valid.
    bool Validate();

protected:
    void stepBy(int steps) override;
    QValidator::State validate(QString& text, int& pos) const override;

private:
    int m_nMin;
    int m_nMax;
};

// Checks every enabled field under the widget, in tab order, and stops at
// the first one that is refused.
bool ValidateIntFields(QWidget* page);
// "Please enter an integer between %1 and %2." with the bounds filled in.
QString IntRangeMessage(int min, int max);
