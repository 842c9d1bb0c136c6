#pragma once

// The integer fields of the property pages and the wizard. Unlike a plain
// spin box, a field lets the user type any integer, so that a value out of
// range can be refused with the program's message ("Please enter an integer
// between 1 and 72.") when the page is left or confirmed; the arrows stay
// within the range. Without arrows it serves as a plain numeric edit.
//
// A value shown with Load is the document's own: as long as the text is the
// one loaded, the field gives it back as it is, in range or not, so a design
// made elsewhere is never refused on a field the user did not touch.

#include <QtWidgets/QSpinBox>

struct CValueRange;

class CIntField : public QSpinBox {
    Q_OBJECT
public:
    explicit CIntField(QWidget* parent = nullptr, int min = 0, int max = 100);
    CIntField(QWidget* parent, const CValueRange& range);

    void SetValidRange(int min, int max);
    // Shows a stored value and remembers it as the one loaded.
    void Load(int value);
    // Whether the text is still the loaded value's.
    bool Untouched() const;
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
    bool m_bLoaded = false;
    int m_nLoaded = 0;
};

// Checks every enabled field under the widget, in tab order, and stops at
// the first one that is refused.
bool ValidateIntFields(QWidget* page);
// "Please enter an integer between %1 and %2." with the bounds filled in.
QString IntRangeMessage(int min, int max);
