#pragma once

// The area behind the document windows of the main frame: the program's
// picture stretched over all of it (the window colour when the picture
// cannot be decoded) and a caption in the bottom-right corner, drawn three
// times (black, white, button face) for an engraved look. The caption is
// empty unless a caller sets one.

#include <QtGui/QFont>
#include <QtGui/QImage>
#include <QtWidgets/QMdiArea>

#include <memory>

class CPictureImage;

class CMainFrameBackground : public QMdiArea {
    Q_OBJECT

public:
    explicit CMainFrameBackground(QWidget* parent = nullptr);
    ~CMainFrameBackground() override;

    void SetCaption(const QString& caption);
    QString Caption() const { return m_strCaption; }
    // The decoded picture, null when it could not be decoded.
    const CPictureImage* Picture() const { return m_pPicture.get(); }
    // Replaces the picture with other JPEG bytes (an empty array or bad bytes
    // leave no picture).
    void SetPictureJpeg(const QByteArray& jpeg);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    const QImage& ScaledPicture(const QSize& size);

    std::unique_ptr<CPictureImage> m_pPicture;
    QString m_strCaption;
    QFont m_captionFont;
    QSize m_sizeLast{0, 0};
    QImage m_scaled;  // the picture stretched to m_scaled's size
};
