#include "properties/PreviewPane.h"

#include "imageio/PictureHolder.h"
#include "platform/QtDC.h"
#include "properties/PreviewFileDialog.h"

#include <QtCore/QFileInfo>
#include <QtGui/QPainter>

namespace {

// Larger files are not read for a preview; the decoders refuse them anyway.
constexpr qint64 kMaxPreviewFileSize = 256LL * 1024 * 1024;
// Nor is a picture decoded whose pixels would take more memory than this:
// a preview must not cost gigabytes for a header that claims huge sides.
constexpr long long kMaxPreviewPixelBytes = 256LL * 1024 * 1024;

// Applies the preview's allocation limit while one picture is decoded.
class CPreviewAllocationLimit {
public:
    CPreviewAllocationLimit() : m_nPrevious(CPictureImage::AllocationLimit())
    {
        if (m_nPrevious == 0 || m_nPrevious > kMaxPreviewPixelBytes)
            CPictureImage::SetAllocationLimit(kMaxPreviewPixelBytes);
    }
    ~CPreviewAllocationLimit() { CPictureImage::SetAllocationLimit(m_nPrevious); }
    CPreviewAllocationLimit(const CPreviewAllocationLimit&) = delete;
    CPreviewAllocationLimit& operator=(const CPreviewAllocationLimit&) = delete;

private:
    long long m_nPrevious;
};

// Room between the picture and the pane's frame.
constexpr int kMargin = 4;

}  // namespace

QRect PreviewPictureRect(QSize picture, const QRect& area)
{
    if (picture.isEmpty() || area.isEmpty()) return QRect();
    QSize size = picture;
    if (picture.width() > area.width() || picture.height() > area.height()) {
        const double rx = static_cast<double>(area.width()) / picture.width();
        const double ry = static_cast<double>(area.height()) / picture.height();
        const double r = std::min(rx, ry);
        size = QSize(std::max(1, static_cast<int>(picture.width() * r + 0.5)),
                     std::max(1, static_cast<int>(picture.height() * r + 0.5)));
        size = size.boundedTo(area.size());
    }
    const QPoint topLeft(area.left() + (area.width() - size.width()) / 2,
                         area.top() + (area.height() - size.height()) / 2);
    return QRect(topLeft, size);
}

CPreviewPane::CPreviewPane(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setMinimumSize(160, 160);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    setAccessibleName(tr("Preview"));
}

CPreviewPane::~CPreviewPane() = default;

bool CPreviewPane::HasPicture() const
{
    return m_pPicture && m_pPicture->IsValid();
}

QSize CPreviewPane::PictureSize() const
{
    if (!HasPicture()) return QSize();
    return QSize(static_cast<int>(m_pPicture->GetWidth()), static_cast<int>(m_pPicture->GetHeight()));
}

QRect CPreviewPane::PreviewArea() const
{
    return contentsRect().adjusted(kMargin, kMargin, -kMargin - 1, -kMargin - 1);
}

bool CPreviewPane::SetPreviewPath(const QString& path)
{
    m_pPicture.reset();
    m_strPath.clear();
    if (!path.isEmpty()) {
        // A link previews its target; anything but a plain file (a folder, a
        // pipe, a device) is not opened at all, so nothing can block here.
        const QFileInfo info(path);
        const QString target = info.canonicalFilePath();
        const QFileInfo real(target);
        if (!target.isEmpty() && real.isFile() && real.size() > 0 && real.size() <= kMaxPreviewFileSize) {
            const int format = ImageFormatFromExtension(LowerExtension(info.fileName()).toStdString());
            const CPreviewAllocationLimit limit;
            // A JPEG file is only read for its size here; its pixels are
            // decoded for the preview's size when it is drawn.
            auto picture = std::make_unique<CPictureHolder>(target.toStdString(), format);
            if (picture->IsValid()) {
                m_pPicture = std::move(picture);
                m_strPath = path;
            }
        }
    }
    Render();
    if (m_pPicture && !HasPicture()) {
        // The header was sound but the pixels were not.
        m_pPicture.reset();
        m_strPath.clear();
        Render();
    }
    update();
    return HasPicture();
}

void CPreviewPane::Render()
{
    m_scaled = QImage();
    m_rectPicture = QRect();
    if (!HasPicture()) return;
    m_rectPicture = PreviewPictureRect(PictureSize(), PreviewArea());
    if (m_rectPicture.isEmpty()) return;
    QImage image(m_rectPicture.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(palette().color(QPalette::Window));
    {
        const CPreviewAllocationLimit limit;
        const auto picture = m_pPicture->Picture(image.width(), image.height());
        CQtDC dc(image);
        if (picture) picture->Draw(&dc, 0, 0, image.width(), image.height());
    }
    m_scaled = image;
}

void CPreviewPane::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (m_scaled.isNull()) return;
    QPainter painter(this);
    painter.drawImage(m_rectPicture.topLeft(), m_scaled);
}

void CPreviewPane::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    Render();
}
