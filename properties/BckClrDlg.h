#pragma once

// The background colour page: a solid colour or a linear or radial gradient
// between two colours, with a preview painted by the page's own gradient
// code. It serves the "Background Color" sheet and the wizard's third step,
// which calls the fill type "Style".

#include "objects/Types.h"

#include <QtGui/QImage>
#include <QtWidgets/QWidget>

class CColorButton;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QRadioButton;

class CBckClrDlg : public QWidget {
    Q_OBJECT
public:
    enum class Captions { Sheet, Wizard };
    explicit CBckClrDlg(QWidget* parent = nullptr, Captions captions = Captions::Sheet);

    // Puts values into the controls (the members follow every change of a
    // control, so they can be read at any time).
    void SetValues(int fillType, int direction, COLORREF from, COLORREF to);

    int m_nFillType = 0;   // 0 linear, 1 radial, 2 solid
    int m_nDirection = 1;  // 0 horizontal, 1 vertical
    COLORREF m_crFrom = 0xFFFFFF;
    COLORREF m_crTo = 0xFFEC77;

    // The preview's picture: the box filled as the page would be.
    static QImage PaintPreview(int fillType, int direction, COLORREF from, COLORREF to, QSize size);
    static constexpr QSize kPreviewSize{130, 160};

    CColorButton* FromButton() const { return m_pFrom; }
    CColorButton* ToButton() const { return m_pTo; }
    QRadioButton* FillRadio(int type) const;
    QRadioButton* DirectionRadio(int direction) const;
    QImage PreviewImage() const { return m_preview; }

private:
    void ReadControls();
    void UpdateEnabling();
    void Repaint();

    QButtonGroup* m_pFillGroup;
    QButtonGroup* m_pDirectionGroup;
    QGroupBox* m_pDirectionBox;
    CColorButton* m_pFrom;
    CColorButton* m_pTo;
    QLabel* m_pPreview;
    QImage m_preview;
};
