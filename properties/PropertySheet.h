#pragma once

// The frame of every property sheet: a modal dialog with the pages as tabs
// and OK, Cancel and Apply. The pages hold copies of the values; OK and
// Apply hand them to the sheet's apply handler (Apply keeps the sheet
// open), Cancel hands nothing over. A page is checked when it is left and
// when the sheet is confirmed; a refused page stays in front.

#include <QtWidgets/QDialog>

#include <functional>
#include <vector>

class CPropertyPage;
class QDialogButtonBox;
class QPushButton;
class QTabWidget;

class CPropertySheet : public QDialog {
    Q_OBJECT
public:
    explicit CPropertySheet(const QString& caption, QWidget* parent = nullptr);

    void AddPage(CPropertyPage* page);
    // A page that keeps its own values: it is checked by its integer fields
    // only, and the apply handler reads it.
    void AddPage(QWidget* page, const QString& title);
    int PageCount() const { return static_cast<int>(m_pages.size()); }
    CPropertyPage* Page(int index) const { return m_pages[static_cast<std::size_t>(index)]; }
    QTabWidget* Tabs() const { return m_pTabs; }
    QDialogButtonBox* Buttons() const { return m_pButtons; }
    // Applies the pages' values; it returns false when a value is refused
    // (the user has been told), which keeps the sheet open.
    void SetApplyHandler(std::function<bool()> handler) { m_fnApply = std::move(handler); }
    void SetApplyVisible(bool visible);
    QPushButton* OkButton() const;
    QPushButton* ApplyButton() const;
    QPushButton* CancelButton() const;

    // Runs the sheet modally; true when it was closed with OK.
    bool Run();
    // Tests install a hook that drives the open sheet instead of a person:
    // it is called with the sheet shown, and Run returns what it left.
    using RunHook = std::function<void(CPropertySheet&)>;
    static RunHook SetRunHook(RunHook hook);

    // What OK and Apply do, without the buttons.
    bool ApplyPages();

signals:
    // Any page's values changed (the previews repaint).
    void PagesChanged();

private:
    void OnTabChanged(int index);
    void OnOk();
    bool ValidateAll();
    // The checking and reading of the page on tab index.
    bool CheckTab(int index) const;
    void ReadTab(int index) const;

    QTabWidget* m_pTabs;
    QDialogButtonBox* m_pButtons;
    std::vector<CPropertyPage*> m_pages;
    std::function<bool()> m_fnApply;
    int m_nCurrent = 0;
};
