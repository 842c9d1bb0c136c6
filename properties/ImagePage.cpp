#include "properties/ImagePage.h"

#include "app/MessageBox.h"
#include "imageio/PictureHolder.h"
#include "imageio/PictureImage.h"
#include "properties/ColorButton.h"
#include "properties/PictureFiles.h"
#include "properties/PreviewBox.h"
#include "properties/PreviewFileDialog.h"

#include <QtWidgets/QCheckBox>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>

CImagePropPage::CImagePropPage(QWidget* parent) : CPropertyPage(tr("Image Properties"), parent)
{
    auto* grid = new QGridLayout(this);
    auto* pathLabel = new QLabel(tr("Image File Name"), this);
    m_pPath = new QLineEdit(this);
    pathLabel->setBuddy(m_pPath);
    m_pBrowse = new QPushButton(tr("Browse"), this);
    m_pTransparentColor = new CColorButton(tr("Select Image Transparent Color"), this);
    m_pOpaque = new QCheckBox(tr("Draw Opaque"), this);
    m_pSameSize = new QCheckBox(tr("Draw same size as original Image/Photo"), this);
    m_pTexture = new QCheckBox(tr("Draw as Texture on a 3D Object"), this);
    m_pKeepAspect = new QCheckBox(tr("Adjust height or width to preserve aspect ratio"), this);
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

    m_pPreviewBox->setToolTip(tr("Click the picture to choose its transparent colour"));
    connect(m_pPreviewBox, &CPreviewBox::Clicked, this, &CImagePropPage::PickTransparentColor);
    connect(m_pBrowse, &QPushButton::clicked, this, &CImagePropPage::Browse);
    connect(m_pPath, &QLineEdit::editingFinished, this, &CImagePropPage::PathTyped);
    connect(m_pTransparentColor, &CColorButton::ColorChosen, this, [this] { OnControlChanged(); });
    for (QCheckBox* check : {m_pOpaque, m_pSameSize, m_pTexture, m_pKeepAspect})
        connect(check, &QCheckBox::toggled, this, [this] { OnControlChanged(); });
    connect(this, &CPropertyPage::Changed, m_pPreviewBox, qOverload<>(&QWidget::update));
}

CImagePropPage::~CImagePropPage() = default;

namespace {

// The preview's holder of a picture already decoded to check it.
std::unique_ptr<CPictureHolder> HolderOf(std::unique_ptr<CPictureImage> picture)
{
    if (!picture) return nullptr;
    return std::make_unique<CPictureHolder>(std::move(*picture));
}

}  // namespace

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
    // The format follows the typed name, whatever was stored before. A
    // picture that cannot be read is refused and the old one stays.
    const std::string ext = LowerExtension(typed).toStdString();
    std::unique_ptr<CPictureImage> picture;
    if (!typed.isEmpty()) {
        if (const QString problem = PictureProblem(typed, ext, &picture); !problem.isEmpty()) {
            SetLoading(true);
            m_pPath->setText(QString::fromStdString(m_strPath));
            SetLoading(false);
            ShowMessage(window(), problem, QMessageBox::Warning);
            return;
        }
    }
    m_strPath = typed.toStdString();
    m_strExt = ext;
    m_pPreview = HolderOf(std::move(picture));
    m_pPreviewBox->update();
    emit Changed();
}

void CImagePropPage::Browse()
{
    const QString chosen = GetOpenFileNameWithPreview(this, FileKind::Picture, tr("Select Image File"), ImageFileFilter(),
                                                      QString::fromStdString(m_strPath));
    if (!chosen.isEmpty()) TakeChosenFile(chosen);
}

void CImagePropPage::TakeChosenFile(const QString& path)
{
    // The picture is decoded now, not at OK: one that cannot be read is
    // refused with the reason, and the page keeps the picture it had.
    const std::string ext = LowerExtension(path).toStdString();
    std::unique_ptr<CPictureImage> picture;
    if (const QString problem = PictureProblem(path, ext, &picture); !problem.isEmpty()) {
        ShowMessage(window(), problem, QMessageBox::Warning);
        return;
    }
    m_strPath = path.toStdString();
    m_strExt = ext;
    SetLoading(true);
    m_pPath->setText(path);
    SetLoading(false);
    m_pPreview = HolderOf(std::move(picture));
    // A new picture starts with blue as its transparent colour.
    m_crTransparent = 0x00FF0000;
    m_pTransparentColor->SetColor(m_crTransparent);
    m_pPreviewBox->update();
    emit Changed();
}

CRect CImagePropPage::PictureRect(const CRect& box) const
{
    if (!m_pPreview) return CRect(0, 0, 0, 0);
    const long long iw = m_pPreview->GetWidth();
    const long long ih = std::llabs(static_cast<long long>(m_pPreview->GetHeight()));
    const long long bw = box.Width() - 8, bh = box.Height() - 8;
    if (iw <= 0 || ih <= 0 || bw <= 0 || bh <= 0) return CRect(0, 0, 0, 0);
    // Fitted by the smaller ratio and centred, keeping the proportions.
    long long w = bw, h = bw * ih / iw;
    if (h > bh) {
        h = bh;
        w = bh * iw / ih;
    }
    const long x = static_cast<long>(box.left + (box.Width() - w) / 2);
    const long y = static_cast<long>(box.top + (box.Height() - h) / 2);
    return CRect(x, y, static_cast<int>(x + w), static_cast<int>(y + h));
}

void CImagePropPage::PickTransparentColor(const QPoint& at)
{
    if (!m_pPreview || m_bOpaque) return;
    const QSize size = m_pPreviewBox->contentsRect().size();
    const CRect r = PictureRect(CRect(0, 0, size.width(), size.height()));
    if (r.Width() <= 0 || r.Height() <= 0 || at.x() < r.left || at.x() >= r.right || at.y() < r.top ||
        at.y() >= r.bottom)
        return;
    // The colour is taken from the picture as the preview shows it.
    const CPictureHolder::Picture_t shown = m_pPreview->Picture(r.Width(), r.Height());
    if (!shown) return;
    const long long iw = shown->GetWidth();
    const long long ih = std::llabs(static_cast<long long>(shown->GetHeight()));
    if (iw <= 0 || ih <= 0) return;
    const long px = static_cast<long>((at.x() - r.left) * iw / r.Width());
    const long rowFromTop = static_cast<long>((at.y() - r.top) * ih / r.Height());
    const RGBQUAD c = shown->GetPixelColor(px, static_cast<long>(ih - 1 - rowFromTop));
    m_crTransparent = RGB(c.rgbRed, c.rgbGreen, c.rgbBlue);
    m_pTransparentColor->SetColor(m_crTransparent);
    emit Changed();
}

void CImagePropPage::PaintPreview(CDC* dc, const CRect& box)
{
    const CRect r = PictureRect(box);
    if (r.Width() <= 0 || r.Height() <= 0) return;
    // Decoded at the size of the preview, not the photo's own.
    const CPictureHolder::Picture_t picture = m_pPreview->Picture(r.Width(), r.Height());
    if (!picture) return;
    if (m_bOpaque)
        picture->Stretch(dc, r.left, r.top, r.Width(), r.Height());
    else
        picture->DrawTransparent(dc, r.left, r.top, r.Width(), r.Height(), m_crTransparent);
}
