#include "properties/CalTextPage.h"

#include "document/ValueRanges.h"
#include "objects/CalFont.h"
#include "objects/FaceName.h"
#include "properties/ColorButton.h"
#include "properties/IntField.h"
#include "properties/LineTypeCombo.h"
#include "properties/PreviewBox.h"
#include "properties/StoredChoice.h"

#include <QtCore/QCoreApplication>
#include <QtWidgets/QButtonGroup>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QFontDialog>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QVBoxLayout>

#include <algorithm>

namespace {

const char* const kAlignCaptions[9] = {
    QT_TRANSLATE_NOOP("CCalTextPage", "Center - &Center"), QT_TRANSLATE_NOOP("CCalTextPage", "Center - &Left"),
    QT_TRANSLATE_NOOP("CCalTextPage", "Center - &Right"),  QT_TRANSLATE_NOOP("CCalTextPage", "Top - Center"),
    QT_TRANSLATE_NOOP("CCalTextPage", "Top - Left"),       QT_TRANSLATE_NOOP("CCalTextPage", "Top - Right"),
    QT_TRANSLATE_NOOP("CCalTextPage", "Bottom - Center"),  QT_TRANSLATE_NOOP("CCalTextPage", "Bottom - Left"),
    QT_TRANSLATE_NOOP("CCalTextPage", "Bottom - Right"),
};

}  // namespace

CTextPageCaptions ClippedTextCaptions()
{
    CTextPageCaptions c;
    c.m_strFlag = QCoreApplication::translate("CCalTextPage", "Cli&p Text to Boundary");
    c.m_bFlagFixed = true;
    return c;
}

CCalTextPage::CCalTextPage(const QString& caption, const CTextPageCaptions& captions, QWidget* parent)
    : CPropertyPage(caption, parent)
{
    auto* grid = new QGridLayout(this);

    auto* fontBox = new QGroupBox(tr("Font"), this);
    auto* fontRow = new QHBoxLayout(fontBox);
    m_pFont = new QPushButton(tr("Font"), fontBox);
    m_pFontColor = new CColorButton(tr("Font Color"), fontBox);
    fontRow->addWidget(m_pFont);
    fontRow->addWidget(m_pFontColor);
    grid->addWidget(fontBox, 0, 0);

    auto* backBox = new QGroupBox(tr("Background"), this);
    auto* backRow = new QHBoxLayout(backBox);
    m_pTransparent = new QCheckBox(tr("Transparent Background"), backBox);
    m_pBackColor = new CColorButton(tr("Background Color"), backBox);
    backRow->addWidget(m_pTransparent);
    backRow->addWidget(m_pBackColor);
    grid->addWidget(backBox, 0, 1);

    auto* lineBox = new QGroupBox(captions.m_strLineGroup, this);
    auto* lineGrid = new QGridLayout(lineBox);
    m_pLineCheck = new QCheckBox(captions.m_strLineCheck, lineBox);
    m_pLineColor = new CColorButton(captions.m_strLineColor, lineBox);
    m_pLineType = new CLineTypeCombo(lineBox);
    m_pThicknessLabel = new QLabel(captions.m_strThickness, lineBox);
    m_pThickness = new CIntField(lineBox, kLineThicknessRange);
    m_pLineTypeLabel = new QLabel(tr("Line Type"), lineBox);
    m_pLineTypeLabel->setBuddy(m_pLineType);
    m_pThicknessLabel->setBuddy(m_pThickness);
    lineGrid->addWidget(m_pLineCheck, 0, 0);
    lineGrid->addWidget(m_pLineColor, 0, 1);
    lineGrid->addWidget(m_pLineTypeLabel, 1, 0);
    lineGrid->addWidget(m_pLineType, 1, 1);
    lineGrid->addWidget(m_pThicknessLabel, 2, 0);
    lineGrid->addWidget(m_pThickness, 2, 1);
    grid->addWidget(lineBox, 1, 0);

    m_pAlignGroup = new QGroupBox(captions.m_bTextObject ? tr("2D Text Alignment/Rotation")
                                                         : QCoreApplication::translate("CCalTextPage", "Alignment"),
                                  this);
    auto* alignGrid = new QGridLayout(m_pAlignGroup);
    m_pAlign = new QButtonGroup(this);
    const int count = captions.m_bNineAlignments ? 9 : 3;
    for (int i = 0; i < count; ++i) {
        QString text = tr(kAlignCaptions[i]);
        if (i == 8 && captions.m_bDaysSpelling) text = QCoreApplication::translate("CCalTextPage", "Bottom  - Right");
        if (captions.m_bTextObject) text = text.mid(text.indexOf('&'));
        auto* radio = new QRadioButton(text, m_pAlignGroup);
        m_pAlign->addButton(radio, i);
        // Rows are the vertical bands, columns the horizontal placement.
        alignGrid->addWidget(radio, i / 3, i % 3);
    }
    if (!captions.m_strFlag.isEmpty()) {
        m_pFlag = new QCheckBox(captions.m_strFlag, m_pAlignGroup);
        alignGrid->addWidget(m_pFlag, 3, 0, 1, 3);
        m_bFlagFixed = captions.m_bFlagFixed;
        if (m_bFlagFixed) {
            m_pFlag->setChecked(true);
            m_pFlag->setEnabled(false);
        }
    }
    grid->addWidget(m_pAlignGroup, 1, 1);

    m_pExtras = new QGridLayout;
    grid->addLayout(m_pExtras, 2, 0, 1, 2);
    m_pPreview = new CPreviewBox(this);
    grid->addWidget(m_pPreview, 3, 0, 1, 2);
    grid->setRowStretch(3, 1);

    connect(m_pFont, &QPushButton::clicked, this, &CCalTextPage::ChooseFont);
    Watch(m_pFontColor);
    Watch(m_pBackColor);
    Watch(m_pLineColor);
    Watch(m_pTransparent);
    Watch(m_pLineCheck);
    Watch(m_pLineType);
    Watch(m_pThickness);
    Watch(m_pAlign);
    if (m_pFlag && !m_bFlagFixed) Watch(m_pFlag);
    connect(this, &CPropertyPage::Changed, m_pPreview, qOverload<>(&QWidget::update));
}

void CCalTextPage::Watch(QObject* control)
{
    auto changed = [this] { OnControlChanged(); };
    if (auto* color = qobject_cast<CColorButton*>(control))
        connect(color, &CColorButton::ColorChosen, this, changed);
    else if (auto* check = qobject_cast<QAbstractButton*>(control))
        connect(check, &QAbstractButton::toggled, this, changed);
    else if (auto* group = qobject_cast<QButtonGroup*>(control))
        connect(group, &QButtonGroup::idToggled, this, [this](int, bool on) { if (on) OnControlChanged(); });
    else if (auto* combo = qobject_cast<QComboBox*>(control))
        connect(combo, &QComboBox::currentIndexChanged, this, changed);
    else if (auto* spin = qobject_cast<QSpinBox*>(control))
        connect(spin, &QSpinBox::textChanged, this, changed);
    else if (auto* edit = qobject_cast<QLineEdit*>(control))
        connect(edit, &QLineEdit::textChanged, this, changed);
}

void CCalTextPage::LoadFont(const CCalFont& font)
{
    // The objects' font setters take nothing of a font whose size is
    // outside 1-72 points or whose face is empty, not even its colour; a
    // damaged stored font is shown as one they take.
    m_strFace = font.m_strFaceName.empty() ? std::string("Tahoma") : font.m_strFaceName;
    m_nPointSize = font.m_nPointSize < 1 ? 8 : std::min(font.m_nPointSize, 72);
    m_bBold = font.m_bBold;
    m_bItalic = static_cast<BYTE>(font.m_bItalic ? 1 : 0);
    m_bUnderline = font.m_bUnderline;
    m_crText = font.m_crColor;
}

void CCalTextPage::ChooseFont()
{
    QFont initial(QString::fromStdString(m_strFace), std::clamp(m_nPointSize, 1, 72),
                  m_bBold ? QFont::Bold : QFont::Normal, m_bItalic != 0);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, this, tr("Font"));
    if (ok) TakeFont(chosen);
}

void CCalTextPage::TakeFont(const QFont& chosen)
{
    // The dialog names a family that several makers install "P052 [urw]";
    // the document keeps the face name every system can find.
    m_strFace = FaceWithoutFoundry(chosen.family().toStdString());
    // The objects take sizes of 1-72 points only; outside that they would
    // keep none of the choice.
    const int points = chosen.pointSize() > 0 ? chosen.pointSize() : qRound(chosen.pointSizeF());
    m_nPointSize = std::clamp(points, 1, 72);
    m_bBold = chosen.weight() >= QFont::Bold ? 1 : 0;
    m_bItalic = chosen.italic() ? 1 : 0;
    m_bUnderline = 0;
    ApplyEnabling();
    emit Changed();
}

void CCalTextPage::ToControls()
{
    SetLoading(true);
    m_pFontColor->SetColor(m_crText);
    m_pBackColor->SetColor(m_crBack);
    m_pLineColor->SetColor(m_crLine);
    m_pTransparent->setChecked(m_bTransparent != 0);
    m_pLineCheck->setChecked(m_bLine != 0);
    m_pLineType->SetLineType(m_nLineType);
    m_pThickness->Load(static_cast<int>(m_nThickness));
    ShowStoredChoice(m_pAlign, m_nAlign);
    if (m_pFlag && !m_bFlagFixed) m_pFlag->setChecked(m_bFlag != 0);
    SetLoading(false);
    FromControls();
    ApplyEnabling();
}

void CCalTextPage::FromControls()
{
    m_crText = m_pFontColor->Color();
    m_crBack = m_pBackColor->Color();
    m_crLine = m_pLineColor->Color();
    m_bTransparent = m_pTransparent->isChecked();
    m_bLine = m_pLineCheck->isChecked();
    m_nLineType = m_pLineType->LineType();
    int thickness = 0;
    if (m_pThickness->IsValid(&thickness)) m_nThickness = static_cast<unsigned int>(thickness);
    m_nAlign = ReadChoice(m_pAlign, m_nAlign);
    if (m_pFlag && !m_bFlagFixed) m_bFlag = m_pFlag->isChecked();
}

void CCalTextPage::ApplyEnabling()
{
    m_pBackColor->setEnabled(!m_bTransparent);
    m_pLineColor->setEnabled(m_bLine != 0);
    m_pLineType->setEnabled(m_bLine != 0);
    m_pLineTypeLabel->setEnabled(m_bLine != 0);
    m_pThickness->setEnabled(m_bLine != 0);
    m_pThicknessLabel->setEnabled(m_bLine != 0);
}
