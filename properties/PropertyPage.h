#pragma once

// The base of every page of the object property sheets. A page keeps the
// values it edits in its own members: the sheet fills them, calls
// ToControls, and reads them back after FromControls. Every change of a
// control reads the values again, applies the page's enabling rules and
// emits Changed, so the sheet can repaint the previews.

#include <QtWidgets/QWidget>

class CPropertyPage : public QWidget {
    Q_OBJECT
public:
    explicit CPropertyPage(const QString& caption, QWidget* parent = nullptr);
    QString Caption() const { return m_strCaption; }

    // Shows the members in the controls and applies the enabling rules.
    virtual void ToControls() = 0;
    // Reads the controls into the members.
    virtual void FromControls() = 0;
    // Checks the page before it is left or confirmed: every numeric field
    // against its range. A refusal has told the user why and put the focus
    // on the field.
    virtual bool Validate();

signals:
    void Changed();

protected:
    // The handler of every control: read, re-apply the enabling, tell.
    void OnControlChanged();
    virtual void ApplyEnabling() {}
    // While the members are pushed into the controls, their change signals
    // must not read half-set values back.
    bool Loading() const { return m_bLoading; }
    void SetLoading(bool loading) { m_bLoading = loading; }

private:
    QString m_strCaption;
    bool m_bLoading = false;
};
