#pragma once

// "Image Properties": the picture file of an image object, its transparent
// colour and how the object is sized to it.

#include "objects/Types.h"
#include "properties/PropertyPage.h"

#include <memory>
#include <string>

class CColorButton;
class CPictureHolder;
class CPreviewBox;
class QCheckBox;
class QLineEdit;
class QPushButton;

class CImagePropPage : public CPropertyPage {
    Q_OBJECT
public:
    explicit CImagePropPage(QWidget* parent = nullptr);
    ~CImagePropPage() override;
    void ToControls() override;
    void FromControls() override;
    // Takes a chosen picture as "Browse" does.
    void TakeChosenFile(const QString& path);
    // Lets go of the preview picture (OK does, before the object reloads).
    void ReleasePreview();
    const CPictureHolder* PreviewImage() const { return m_pPreview.get(); }
    CPreviewBox* Preview() const { return m_pPreviewBox; }

    std::string m_strPath;
    std::string m_strExt;
    COLORREF m_crTransparent = 0x00FFFFFF;
    BOOL m_bOpaque = 1;
    BOOL m_bSameSize = 0;
    BOOL m_bTexture = 0;
    BOOL m_bKeepAspect = 0;

    QLineEdit* m_pPath;
    QPushButton* m_pBrowse;
    CColorButton* m_pTransparentColor;
    QCheckBox* m_pOpaque;
    QCheckBox* m_pSameSize;
    QCheckBox* m_pTexture;
    QCheckBox* m_pKeepAspect;

protected:
    void ApplyEnabling() override;

private:
    void Browse();
    void LoadPreview();
    void PathTyped();
    void PaintPreview(class CDC* dc, const CRect& box);
    // Where the picture stands in the preview box: fitted and centred.
    CRect PictureRect(const CRect& box) const;
    // A click on the picture takes the colour under it as the transparent one.
    void PickTransparentColor(const QPoint& at);

    std::unique_ptr<CPictureHolder> m_pPreview;
    CPreviewBox* m_pPreviewBox;
};
