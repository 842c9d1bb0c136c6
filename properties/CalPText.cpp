#include "properties/CalPText.h"

#include "editor3d/SceneEditors.h"
#include "properties/IntField.h"

#include <QtWidgets/QButtonGroup>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>

namespace {
CTextPageCaptions TextCaptions()
{
    CTextPageCaptions c = ClippedTextCaptions();
    c.m_bNineAlignments = false;
    c.m_bTextObject = true;
    return c;
}
}  // namespace

CCalPText::CCalPText(QWidget* parent) : CCalTextPage(tr("Text Properties"), TextCaptions(), parent)
{
    // The rotation belongs to the flat text, beside its alignment.
    auto* alignGrid = static_cast<QGridLayout*>(m_pAlignGroup->layout());
    m_pRotationLabel = new QLabel(tr("Rotation"), m_pAlignGroup);
    m_pRotation = new CIntField(m_pAlignGroup, -180, 180);
    m_pRotationLabel->setBuddy(m_pRotation);
    alignGrid->addWidget(m_pRotationLabel, 1, 0);
    alignGrid->addWidget(m_pRotation, 1, 1, 1, 2);

    auto* textLabel = new QLabel(tr("Text"), this);
    m_pText = new QLineEdit(this);
    textLabel->setBuddy(m_pText);

    m_pShow3D = new QCheckBox(tr("Use 3D Fonts"), this);
    auto* box3D = new QGroupBox(tr("3D Text"), this);
    auto* row = new QHBoxLayout(box3D);
    m_pSolid = new QRadioButton(tr("Solid"), box3D);
    m_pWireframe = new QRadioButton(tr("WireFrame"), box3D);
    auto* kind = new QButtonGroup(this);
    kind->addButton(m_pSolid, 0);
    kind->addButton(m_pWireframe, 1);
    m_pLight = new QPushButton(tr("Light Source 1"), box3D);
    row->addWidget(m_pShow3D);
    row->addWidget(m_pSolid);
    row->addWidget(m_pWireframe);
    row->addStretch();
    row->addWidget(m_pLight);

    Extras()->addWidget(textLabel, 0, 0);
    Extras()->addWidget(m_pText, 0, 1);
    Extras()->addWidget(box3D, 1, 0, 1, 2);
    Watch(m_pText);
    Watch(m_pRotation);
    Watch(m_pShow3D);
    Watch(kind);
    connect(m_pLight, &QPushButton::clicked, this, &CCalPText::EditLight);
}

void CCalPText::EditLight()
{
    // The light sheet works on a copy; only its OK hands the light over.
    CTextSceneParams edited = m_sceneParams;
    if (EditDesignerLight(this, edited)) {
        m_sceneParams = edited;
        emit Changed();
    }
}

void CCalPText::ToControls()
{
    SetLoading(true);
    m_pText->setText(QString::fromStdString(m_strText));
    m_pRotation->Load(m_nRotation);
    m_pShow3D->setChecked(m_bShow3D != 0);
    (m_bWireframe ? m_pWireframe : m_pSolid)->setChecked(true);
    SetLoading(false);
    CCalTextPage::ToControls();
}

void CCalPText::FromControls()
{
    CCalTextPage::FromControls();
    m_strText = m_pText->text().toStdString();
    int rotation = 0;
    if (m_pRotation->IsValid(&rotation)) m_nRotation = rotation;
    m_bShow3D = m_pShow3D->isChecked();
    m_bWireframe = m_pWireframe->isChecked() ? 1 : 0;
}

void CCalPText::ApplyEnabling()
{
    CCalTextPage::ApplyEnabling();
    const bool on = m_bShow3D != 0;
    m_pLight->setEnabled(on);
    m_pSolid->setEnabled(on);
    m_pWireframe->setEnabled(on);
    for (QAbstractButton* radio : m_pAlign->buttons()) radio->setEnabled(!on);
    m_pRotation->setEnabled(!on);
    m_pRotationLabel->setEnabled(!on);
}
