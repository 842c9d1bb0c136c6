#pragma once

// The picture preview of the file dialog. The selected file is decoded by
// the program's own picture decoders (the formats and size limits the page
// itself has), drawn at its natural size when it fits and scaled down to
// fit otherwise, centred. A file that cannot be decoded shows nothing. A
// camera photo is decoded only at the size of the preview.

#include <QtGui/QImage>
#include <QtWidgets/QFrame>

#include <memory>

class CPictureHolder;

// Where a picture of the given natural size is drawn inside area: at its
// natural size when it is no wider and no higher than the area, otherwise
// scaled by the smaller of the two ratios, keeping its aspect ratio; centred
// either way.
QRect PreviewPictureRect(QSize picture, const QRect& area);

class CPreviewPane : public QFrame {
    Q_OBJECT
public:
    explicit CPreviewPane(QWidget* parent = nullptr);
    ~CPreviewPane() override;

    // Previews a file (symbolic links are followed); an empty path, a
    // folder or a picture that cannot be decoded clears the pane. True when
    // a picture is shown.
    bool SetPreviewPath(const QString& path);
    QString PreviewPath() const { return m_strPath; }
    bool HasPicture() const;
    // The natural size of the picture shown, and where it is drawn.
    QSize PictureSize() const;
    QRect PictureRect() const { return m_rectPicture; }
    // The area pictures are fitted into: the pane's inside less a small
    // margin, one pixel narrower at the right and bottom.
    QRect PreviewArea() const;

    QSize sizeHint() const override { return QSize(220, 220); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Render();

    QString m_strPath;
    std::unique_ptr<CPictureHolder> m_pPicture;
    QImage m_scaled;
    QRect m_rectPicture;
};
