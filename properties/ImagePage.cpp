#include "properties/ImagePage.h"

#include "imageio/PictureHolder.h"
#include "properties/ColorButton.h"
#include "properties/PictureFiles.h"
#include "properties/PreviewBox.h"
#include "properties/PreviewFileDialog.h"

#include <QtWidgets/QCheckBox>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>

CImagePropPage::CImagePropPage(QWidget* parent) : CPropertyPage(QStringLiteral("Image Properties"), parent)
{
    auto* grid = new QGridLayout(this);
    auto* pathLabel = new QLabel(QStringLiteral("Image File Name"), this);
    m_pPath = new QLineEdit(this);
    pathLabel->setBuddy(m_pPath);
    m_pBrowse = new QPushButton(QStringLiteral("Browse"), this);
    m_pTransparentColor = new CColorButton(QStringLiteral("Select Image Transparent Color"), this);
    m_pOpaque = new QCheckBox(QStringLiteral("Draw Opaque"), this);
    m_pSameSize = new QCheckBox(QStringLiteral("Draw same size as original Image/Photo"), this);
    m_pTexture = new QCheckBox(QStringLiteral("Draw as Texture on a 3D Object"), this);
    m_pKeepAspect = new QCheckBox(QStringLiteral("Adjust height or width to preserve aspect ratio"), this);
    m_pPreviewBox = new CPreviewBox(this);
    m_pPreviewBox->SetPainter([this](CDC* dc, const CRect& box) { PaintPreview(dc, box); });

    grid->addWidget(pathLabel, 0, 0);
    grid->addWidget(m_pPath, 0, 1);
    grid->addWidget(m_pBrowse, 0, 2);
    grid->addWidget(m_pOpaque, 1, 0);
    grid->addWidget(m_pTransparentColor, 1, 1, Qt::AlignLeft);
    grid->addWidget(m_pSameSize, 2, 0, 1, 3);
    grid->addWidget(m_pKeepAspect, 3, 0, 1, 3);
    grid->addWidget(m_pTexture, 4, 0, 1, 3);
    grid->addWidget(m_pPreviewBox, 5, 0, 1, 3);
    grid->setRowStretch(5, 1);
    grid->setColumnStretch(1, 1);

    // The stored choice is shown but not offered: the object keeps it.
    m_pOpaque->setEnabled(false);
    connect(m_pBrowse, &QPushButton::clicked, this, &CImagePropPage::Browse);
    connect(m_pPath, &QLineEdit::editingFinished, this, &CImagePropPage::PathTyped);
    connect(m_pTransparentColor, &CColorButton::ColorChosen, this, [this] { OnControlChanged(); });
    for (QCheckBox* check : {m_pOpaque, m_pSameSize, m_pTexture, m_pKeepAspect})
        connect(check, &QCheckBox::toggled, this, [this] { OnControlChanged(); });
    connect(this, &CPropertyPage::Changed, m_pPreviewBox, qOverload<>(&QWidget::update));
}

CImagePropPage::~CImagePropPage() = default;

void CImagePropPage::ReleasePreview()
{
    m_pPreview.reset();
    m_pPreviewBox->update();
}

void CImagePropPage::ToControls()
{
    SetLoading(true);
    m_pPath->setText(QString::fromStdString(m_strPath));
    m_pTransparentColor->SetColor(m_crTransparent);
    m_pOpaque->setChecked(m_bOpaque != 0);
    m_pSameSize->setChecked(m_bSameSize != 0);
    m_pTexture->setChecked(m_bTexture != 0);
    m_pKeepAspect->setChecked(m_bKeepAspect != 0);
    SetLoading(false);
    LoadPreview();
    ApplyEnabling();
}

void CImagePropPage::FromControls()
{
    m_crTransparent = m_pTransparentColor->Color();
    m_bOpaque = m_pOpaque->isChecked();
    m_bSameSize = m_pSameSize->isChecked();
    m_bTexture = m_pTexture->isChecked();
    m_bKeepAspect = m_pKeepAspect->isChecked();
    // A path typed but not yet confirmed with Return still counts.
    if (m_pPath->text().toStdString() != m_strPath) PathTyped();
}

void CImagePropPage::ApplyEnabling()
{
    m_pTransparentColor->setEnabled(!m_bOpaque);
}

void CImagePropPage::LoadPreview()
{
    m_pPreview.reset();
    if (!m_strPath.empty()) {
        auto image = std::make_unique<CPictureHolder>(m_strPath, ImageFormatFromExtension(m_strExt));
        if (image->IsValid()) m_pPreview = std::move(image);
    }
    m_pPreviewBox->update();
}

void CImagePropPage::PathTyped()
{
    const QString typed = m_pPath->text().trimmed();
    if (typed.toStdString() == m_strPath) return;
    // The format follows the typed name, whatever was stored before.
    m_strPath = typed.toStdString();
    m_strExt = LowerExtension(typed).toStdString();
    if (IsPictureExtension(m_strExt)) LoadPreview();
    emit Changed();
}

void CImagePropPage::Browse()
{
    const QString chosen = GetOpenFileNameWithPreview(this, QStringLiteral("Select Image File"), ImageFileFilter(),
                                                      QString::fromStdString(m_strPath));
    if (!chosen.isEmpty()) TakeChosenFile(chosen);
}

void CImagePropPage::TakeChosenFile(const QString& path)
{
    m_strPath = path.toStdString();
    m_strExt = LowerExtension(path).toStdString();
    SetLoading(true);
    m_pPath->setText(path);
    SetLoading(false);
    if (IsPictureExtension(m_strExt)) {
        LoadPreview();
        // A new picture starts with blue as its transparent colour.
        m_crTransparent = 0x00FF0000;
        m_pTransparentColor->SetColor(m_crTransparent);
    }
    emit Changed();
}

void CImagePropPage::PaintPreview(CDC* dc, const CRect& box)
{
    if (!m_pPreview) return;
    const long long iw = m_pPreview->GetWidth();
    const long long ih = std::llabs(static_cast<long long>(m_pPreview->GetHeight()));
    if (iw <= 0 || ih <= 0) return;
    const long long bw = box.Width() - 8, bh = box.Height() - 8;
    if (bw <= 0 || bh <= 0) return;
    // Fitted by the smaller ratio and centred, keeping the proportions.
    long long w = bw, h = bw * ih / iw;
    if (h > bh) {
        h = bh;
        w = bh * iw / ih;
    }
    const long x = static_cast<long>(box.left + (box.Width() - w) / 2);
    const long y = static_cast<long>(box.top + (box.Height() - h) / 2);
    // Decoded at the size of the preview, not the photo's own.
    const auto picture = m_pPreview->Picture(static_cast<long>(w), static_cast<long>(h));
    if (!picture) return;
    if (m_bOpaque)
        picture->Stretch(dc, x, y, static_cast<long>(w), static_cast<long>(h));
    else
        picture->DrawTransparent(dc, x, y, static_cast<long>(w), static_cast<long>(h), m_crTransparent);
}
