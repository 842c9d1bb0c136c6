#pragma once

// A property sheet whose pages keep their own values (the page background
// and the program's options): the frame of every sheet, with the names the
// owners of these sheets use. The owner says what applying means; OK
// applies and closes, Apply applies and stays open, Cancel closes without
// applying. A value out of range keeps the user on its page.

#include "properties/PropertySheet.h"

#include <functional>

class CSimpleSheet : public CPropertySheet {
    Q_OBJECT
public:
    CSimpleSheet(const QString& caption, QWidget* parent = nullptr);

    // Runs on OK and Apply after the fields are checked; returns false to
    // keep the sheet open (the applier has told the user why).
    void SetApplier(std::function<bool()> applier) { m_applier = std::move(applier); }
    // How many times the values were applied (OK and Apply together).
    int AppliedCount() const { return m_nApplied; }

    // What OK and Apply do, for the buttons and for tests.
    bool Apply() { return ApplyPages(); }
    void Ok();

private:
    std::function<bool()> m_applier;
    int m_nApplied = 0;
};
