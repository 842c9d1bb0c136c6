#pragma once

// A property sheet: pages on tabs with OK, Cancel and Apply. The sheet's
// owner says what applying means; OK applies and closes, Apply applies and
// stays open, Cancel closes without applying. Before a page is left for
// another tab, and before anything is applied, the page's integer fields are
// checked, so a value out of range keeps the user on its page with the range
// message.

#include <QtWidgets/QDialog>

#include <functional>

class QDialogButtonBox;
class QTabWidget;

class CSimpleSheet : public QDialog {
    Q_OBJECT
public:
    CSimpleSheet(const QString& caption, QWidget* parent = nullptr);

    void AddPage(QWidget* page, const QString& title);
    // Runs on OK and Apply after the fields are checked; returns false to
    // keep the sheet open (the applier has told the user why).
    void SetApplier(std::function<bool()> applier) { m_applier = std::move(applier); }
    // How many times the values were applied (OK and Apply together).
    int AppliedCount() const { return m_nApplied; }

    QTabWidget* Tabs() const { return m_pTabs; }
    QDialogButtonBox* Buttons() const { return m_pButtons; }

    // What OK and Apply do, for the buttons and for tests.
    bool Apply();
    void Ok();

private:
    bool CheckAllPages();
    void TabChanged(int index);

    QTabWidget* m_pTabs;
    QDialogButtonBox* m_pButtons;
    std::function<bool()> m_applier;
    int m_nCurrent = -1;
    int m_nApplied = 0;
    bool m_bSwitchingBack = false;
};
