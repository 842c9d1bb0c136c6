#pragma once

// The "Shine" page: the material's shininess as a whole number, with a
// spin button that stays within 0 to 128. A larger number typed into the
// box is taken as typed; the renderer clamps it where it is applied.

#include <QtWidgets/QWidget>

class QLineEdit;
class QToolButton;

class CShineEdit : public QWidget {
    Q_OBJECT
public:
    explicit CShineEdit(QWidget* parent = nullptr);

    void SetShininess(int value);
    // The box read as a whole number; false (value unchanged) when it holds
    // no number.
    bool GetShininess(int& value) const;
    int GetShininess() const;
    QString Caption() const { return tr("Shine"); }
    QLineEdit* Box() const { return m_pEdit; }

private:
    void Step(int delta);

    QLineEdit* m_pEdit = nullptr;
    int m_nValue = 0;
};
