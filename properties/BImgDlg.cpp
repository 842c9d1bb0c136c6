#include "properties/BImgDlg.h"

#include "properties/PreviewFileDialog.h"
#include "properties/StoredChoice.h"

#include <QtWidgets/QButtonGroup>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QVBoxLayout>

CBImgDlg::CBImgDlg(QWidget* parent, Captions captions) : QWidget(parent)
{
    m_pDraw = new QCheckBox(captions == Captions::Wizard ? tr("Yes, Draw Background Image") : tr("Draw Background Image"),
                            this);

    auto* typeBox = new QGroupBox(tr("Type"), this);
    auto* typeLayout = new QVBoxLayout(typeBox);
    m_pPlacement = new QButtonGroup(this);
    const char* const placements[2] = {QT_TR_NOOP("Placed in Center"), QT_TR_NOOP("Tiled")};
    for (int i = 0; i < 2; ++i) {
        auto* radio = new QRadioButton(tr(placements[i]), typeBox);
        m_pPlacement->addButton(radio, i);
        typeLayout->addWidget(radio);
    }
    m_pStretch = new QCheckBox(tr("Stretch to Fit Page"), this);

    m_pPath = new QLineEdit(this);
    m_pPath->setReadOnly(true);
    m_pPath->setMinimumWidth(300);
    m_pPath->setAccessibleName(tr("Image File"));
    m_pBrowse = new QPushButton(tr("Image"), this);
    m_pBrowse->setAutoDefault(false);

    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(m_pPath, 1);
    pathRow->addWidget(m_pBrowse);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pDraw);
    layout->addWidget(typeBox);
    layout->addWidget(m_pStretch);
    layout->addSpacing(6);
    layout->addWidget(new QLabel(tr("Image File:"), this));
    layout->addLayout(pathRow);
    layout->addStretch(1);

    connect(m_pDraw, &QCheckBox::clicked, this, &CBImgDlg::ReadControls);
    connect(m_pStretch, &QCheckBox::clicked, this, &CBImgDlg::ReadControls);
    connect(m_pPlacement, &QButtonGroup::idClicked, this, &CBImgDlg::ReadControls);
    connect(m_pBrowse, &QPushButton::clicked, this, &CBImgDlg::Browse);
    SetValues(m_bDraw, m_nPlacement, m_bStretch, m_strPath, m_strExt);
}

void CBImgDlg::SetValues(bool draw, int placement, bool stretch, const QString& path, const QString& ext)
{
    m_bDraw = draw;
    m_nPlacement = placement;
    m_bStretch = stretch;
    m_strPath = path;
    m_strExt = ext;
    m_pDraw->setChecked(draw);
    ShowStoredChoice(m_pPlacement, placement);
    m_pStretch->setChecked(stretch);
    m_pPath->setText(path);
    m_pPath->setCursorPosition(0);
    UpdateEnabling();
}

QRadioButton* CBImgDlg::PlacementRadio(int placement) const
{
    return qobject_cast<QRadioButton*>(m_pPlacement->button(placement));
}

void CBImgDlg::SetImageFile(const QString& path)
{
    m_strPath = path;
    const QString ext = LowerExtension(path);
    if (!ext.isEmpty()) m_strExt = ext;
    m_pPath->setText(path);
    m_pPath->setCursorPosition(0);
}

void CBImgDlg::ReadControls()
{
    m_bDraw = m_pDraw->isChecked();
    m_nPlacement = ReadChoice(m_pPlacement, m_nPlacement);
    // A greyed box keeps its tick, and so does the value behind it.
    m_bStretch = m_pStretch->isChecked();
    UpdateEnabling();
}

void CBImgDlg::UpdateEnabling()
{
    m_pBrowse->setEnabled(m_bDraw);
    for (QAbstractButton* radio : m_pPlacement->buttons()) radio->setEnabled(m_bDraw);
    m_pStretch->setEnabled(m_bDraw && m_nPlacement != 1);
}

void CBImgDlg::Browse()
{
    const QString path = GetOpenFileNameWithPreview(this, FileKind::Picture, tr("Select Background Image File"), ImageFileFilter(),
                                                    m_strPath.isEmpty() ? QStringLiteral("*.jpg") : m_strPath);
    if (!path.isEmpty()) SetImageFile(path);
}
