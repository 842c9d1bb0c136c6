#include "app/MainFrameBackground.h"

#include "app/Artwork.h"
#include "imageio/PictureImage.h"
#include "platform/QtDC.h"

#include <QtGui/QPainter>
#include <QtGui/QPaintEvent>
#include <QtWidgets/QApplication>

CMainFrameBackground::CMainFrameBackground(QWidget* parent) : QMdiArea(parent)
{
    m_captionFont = QFont(QStringLiteral("Tahoma"));
    m_captionFont.setPixelSize(48);
    m_captionFont.setWeight(QFont::Bold);
    m_captionFont.setItalic(true);
    m_captionFont.setStyleHint(QFont::SansSerif);
    SetPictureJpeg(BackgroundJpeg());
}

CMainFrameBackground::~CMainFrameBackground() = default;

void CMainFrameBackground::SetCaption(const QString& caption)
{
    m_strCaption = caption;
    viewport()->update();
}

void CMainFrameBackground::SetPictureJpeg(const QByteArray& jpeg)
{
    auto picture = std::make_unique<CPictureImage>(IMAGE_FORMAT_JPG);
    const bool ok = !jpeg.isEmpty() &&
                    picture->Decode(reinterpret_cast<const BYTE*>(jpeg.constData()), static_cast<std::size_t>(jpeg.size()),
                                    IMAGE_FORMAT_JPG) &&
                    picture->IsValid();
    m_pPicture = ok ? std::move(picture) : nullptr;
    m_scaled = QImage();
    viewport()->update();
}

const QImage& CMainFrameBackground::ScaledPicture(const QSize& size)
{
    // Stretching the picture costs a few milliseconds, so it is done once per
    // size rather than on every paint.
    if (m_scaled.size() != size) {
        m_scaled = QImage(size, QImage::Format_RGB32);
        m_scaled.fill(palette().color(QPalette::Window));
        CQtDC dc(m_scaled);
        m_pPicture->Stretch(&dc, 0, 0, size.width(), size.height());
    }
    return m_scaled;
}

void CMainFrameBackground::paintEvent(QPaintEvent* event)
{
    QPainter p(viewport());
    const QRect client = viewport()->rect();
    if (m_pPicture && !client.isEmpty()) {
        const QImage& picture = ScaledPicture(client.size());
        for (const QRect& r : event->region()) p.drawImage(r.topLeft(), picture, r);
    } else {
        p.fillRect(event->rect(), palette().color(QPalette::Window));
    }
    if (m_strCaption.isEmpty()) return;

    // The caption box lies half a character left of the text's width from the
    // right edge and a fifth of its height above its height from the bottom.
    p.setFont(m_captionFont);
    const QFontMetrics fm(m_captionFont);
    const int textWidth = fm.horizontalAdvance(m_strCaption);
    const int textHeight = fm.height();
    const int charWidth = fm.averageCharWidth();
    QRect box(client.right() + 1 - (textWidth + charWidth / 2), client.bottom() + 1 - (textHeight + textHeight / 5),
              textWidth + charWidth / 2, textHeight + textHeight / 5);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip;
    p.setPen(Qt::black);
    p.drawText(box, flags, m_strCaption);
    box.translate(-charWidth * 3 / 5, 0);
    p.setPen(Qt::white);
    p.drawText(box, flags, m_strCaption);
    box.translate(charWidth / 5, 0);
    p.setPen(QApplication::palette().color(QPalette::Button));
    p.drawText(box, flags, m_strCaption);
}

void CMainFrameBackground::resizeEvent(QResizeEvent* event)
{
    QMdiArea::resizeEvent(event);
    // The picture is stretched to the whole area, so every pixel changes.
    const QSize size = viewport()->size();
    if (m_sizeLast != QSize(0, 0) && m_sizeLast != size) viewport()->update();
    m_sizeLast = size;
}
