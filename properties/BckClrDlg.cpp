#include "properties/BckClrDlg.h"

#include "document/PagePainter.h"
#include "platform/QtDC.h"
#include "properties/ColorButton.h"
#include "properties/StoredChoice.h"

#include <QtWidgets/QButtonGroup>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QVBoxLayout>

CBckClrDlg::CBckClrDlg(QWidget* parent, Captions captions) : QWidget(parent)
{
    auto* fillBox = new QGroupBox(captions == Captions::Wizard ? tr("Style") : tr("Fill Type"), this);
    auto* fillLayout = new QVBoxLayout(fillBox);
    m_pFillGroup = new QButtonGroup(this);
    const char* const fills[3] = {QT_TR_NOOP("Linear Gradient"), QT_TR_NOOP("Radial Gradient"), QT_TR_NOOP("Solid")};
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(tr(fills[i]), fillBox);
        m_pFillGroup->addButton(radio, i);
        fillLayout->addWidget(radio);
    }

    m_pDirectionBox = new QGroupBox(tr("Linear Gradient Type"), this);
    auto* directionLayout = new QVBoxLayout(m_pDirectionBox);
    m_pDirectionGroup = new QButtonGroup(this);
    const char* const directions[2] = {QT_TR_NOOP("Horizontal"), QT_TR_NOOP("Vertical")};
    for (int i = 0; i < 2; ++i) {
        auto* radio = new QRadioButton(tr(directions[i]), m_pDirectionBox);
        m_pDirectionGroup->addButton(radio, i);
        directionLayout->addWidget(radio);
    }

    m_pFrom = new CColorButton(tr("From Color"), this);
    m_pTo = new CColorButton(tr("To Color"), this);
    // Return belongs to the sheet's default button, not to a focused colour button.
    m_pFrom->setAutoDefault(false);
    m_pTo->setAutoDefault(false);

    m_pPreview = new QLabel(this);
    m_pPreview->setFixedSize(kPreviewSize + QSize(2, 2));
    m_pPreview->setFrameShape(QFrame::Box);
    m_pPreview->setAccessibleName(tr("Preview"));

    auto* left = new QVBoxLayout;
    left->addWidget(fillBox);
    left->addWidget(m_pDirectionBox);
    auto* colours = new QHBoxLayout;
    colours->addWidget(m_pFrom);
    colours->addWidget(m_pTo);
    left->addLayout(colours);
    left->addStretch(1);

    auto* previewColumn = new QVBoxLayout;
    auto* previewCaption = new QLabel(tr("Preview"), this);
    previewColumn->addWidget(previewCaption);
    previewColumn->addWidget(m_pPreview);
    previewColumn->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addSpacing(12);
    layout->addLayout(previewColumn);

    connect(m_pFillGroup, &QButtonGroup::idClicked, this, [this] { ReadControls(); });
    connect(m_pDirectionGroup, &QButtonGroup::idClicked, this, [this] { ReadControls(); });
    connect(m_pFrom, &CColorButton::ColorChosen, this, [this](COLORREF c) {
        m_crFrom = c;
        Repaint();
    });
    connect(m_pTo, &CColorButton::ColorChosen, this, [this](COLORREF c) {
        m_crTo = c;
        Repaint();
    });
    SetValues(m_nFillType, m_nDirection, m_crFrom, m_crTo);
}

void CBckClrDlg::SetValues(int fillType, int direction, COLORREF from, COLORREF to)
{
    m_nFillType = fillType;
    m_nDirection = direction;
    m_crFrom = from;
    m_crTo = to;
    ShowStoredChoice(m_pFillGroup, fillType);
    ShowStoredChoice(m_pDirectionGroup, direction);
    m_pFrom->SetColor(from);
    m_pTo->SetColor(to);
    UpdateEnabling();
    Repaint();
}

QRadioButton* CBckClrDlg::FillRadio(int type) const
{
    return qobject_cast<QRadioButton*>(m_pFillGroup->button(type));
}

QRadioButton* CBckClrDlg::DirectionRadio(int direction) const
{
    return qobject_cast<QRadioButton*>(m_pDirectionGroup->button(direction));
}

void CBckClrDlg::ReadControls()
{
    m_nFillType = ReadChoice(m_pFillGroup, m_nFillType);
    m_nDirection = ReadChoice(m_pDirectionGroup, m_nDirection);
    UpdateEnabling();
    Repaint();
}

void CBckClrDlg::UpdateEnabling()
{
    m_pTo->setEnabled(m_nFillType != 2);
    m_pDirectionBox->setEnabled(m_nFillType == 0);
}

void CBckClrDlg::Repaint()
{
    m_preview = PaintPreview(m_nFillType, m_nDirection, m_crFrom, m_crTo, kPreviewSize);
    m_pPreview->setPixmap(QPixmap::fromImage(m_preview));
}

QImage CBckClrDlg::PaintPreview(int fillType, int direction, COLORREF from, COLORREF to, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        CQtDC dc(image);
        // Mapped as the page is: y grows upwards, so the gradients run the
        // way they run on the page.
        dc.SetMapMode(MM_ANISOTROPIC);
        dc.SetWindowExt(1, -1);
        dc.SetViewportExt(1, 1);
        dc.SetWindowOrg(0, size.height());
        const CRect box(0, 0, size.width(), size.height());
        switch (fillType) {
        case 0: CPagePainter::FillLinearGradient(&dc, box, from, to, direction != 0); break;
        case 1: CPagePainter::FillRadialGradient(&dc, box, from, to); break;
        default: dc.FillSolidRect(box, from); break;
        }
    }
    return image;
}
