#include "editor3d/EditorT.h"

#include "objects/FaceName.h"

#include <QtWidgets/QFontDialog>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QVBoxLayout>

CEditorT::CEditorT(QWidget* parent) : QWidget(parent)
{
    auto* label = new QLabel(tr("Text To Display"), this);
    m_pText = new QLineEdit(this);
    m_pText->setMinimumWidth(260);
    label->setBuddy(m_pText);
    auto* font = new QPushButton(tr("Font"), this);
    m_pFace = new QLabel(this);
    connect(font, &QPushButton::clicked, this, &CEditorT::OnFont);

    auto* type = new QGroupBox(tr("Type"), this);
    m_pSolid = new QRadioButton(tr("Solid"), type);
    m_pWireframe = new QRadioButton(tr("Wireframe"), type);
    m_pSolid->setChecked(true);
    auto* typeLayout = new QVBoxLayout(type);
    typeLayout->addWidget(m_pSolid);
    typeLayout->addWidget(m_pWireframe);

    auto* grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0);
    grid->addWidget(m_pText, 0, 1, 1, 2);
    grid->addWidget(font, 1, 0);
    grid->addWidget(m_pFace, 1, 1, 1, 2);
    grid->addWidget(type, 2, 0, 1, 2);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(3, 1);
}

void CEditorT::SetText(const std::string& text)
{
    m_strOriginalText = text;
    m_pText->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

std::string CEditorT::GetText() const
{
    // An untouched text keeps its bytes, even those that are not UTF-8.
    const QByteArray bytes = m_pText->text().toUtf8();
    const QString shown = QString::fromUtf8(m_strOriginalText.data(), static_cast<qsizetype>(m_strOriginalText.size()));
    if (m_pText->text() == shown) return m_strOriginalText;
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void CEditorT::SetFaceName(const std::string& face)
{
    m_strFaceName = face;
    m_pFace->setText(QString::fromStdString(face));
}

void CEditorT::SetGlyphStyle(int style)
{
    (style ? m_pWireframe : m_pSolid)->setChecked(true);
}

int CEditorT::GetGlyphStyle() const
{
    return m_pWireframe->isChecked() ? 1 : 0;
}

void CEditorT::ChooseFace(const QString& face)
{
    SetFaceName(face.toStdString());
    update();
}

void CEditorT::OnFont()
{
    // The chooser starts from the current face at 10 points, regular weight.
    QFont initial(QString::fromStdString(m_strFaceName));
    initial.setPointSize(10);
    initial.setWeight(QFont::Normal);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, this, tr("Font"),
                                              QFontDialog::ScalableFonts);
    if (ok) ChooseFace(QString::fromStdString(FaceWithoutFoundry(chosen.family().toStdString())));
}
