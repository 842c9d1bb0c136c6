#pragma once

// A page of the setup wizard sheet. The sheet calls these as a property
// sheet calls its pages: on activation, and when Next, Finish or Help is
// pressed; returning false keeps the page open.

#include <QtWidgets/QWidget>

class CWizardSheet;

class CWizardPage : public QWidget {
    Q_OBJECT
public:
    explicit CWizardPage(CWizardSheet* sheet);

    virtual void OnSetActive() {}
    virtual bool OnWizardNext() { return true; }
    virtual bool OnWizardFinish() { return true; }
    virtual bool HasHelp() const { return false; }
    virtual void OnHelp() {}

protected:
    CWizardSheet* Sheet() const { return m_pSheet; }
    // The page's bold caption above its texts.
    void AddCaption(class QVBoxLayout* layout, const QString& caption);

private:
    CWizardSheet* m_pSheet;
};
