#pragma once

// The background image page: whether a picture is drawn behind the page,
// centred or tiled, stretched or not, and which file. It serves the
// "Background Image" sheet and the wizard's fourth step.

#include <QtWidgets/QWidget>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class CBImgDlg : public QWidget {
    Q_OBJECT
public:
    enum class Captions { Sheet, Wizard };
    explicit CBImgDlg(QWidget* parent = nullptr, Captions captions = Captions::Sheet);

    // Puts values into the controls; the members follow every change.
    void SetValues(bool draw, int placement, bool stretch, const QString& path, const QString& ext);
    // Takes a chosen file: the path, and its extension in lower case.
    void SetImageFile(const QString& path);

    bool m_bDraw = false;
    int m_nPlacement = 1;  // 0 placed in centre, 1 tiled
    bool m_bStretch = false;
    QString m_strPath;
    QString m_strExt;  // lower case, without the dot

    QCheckBox* DrawCheck() const { return m_pDraw; }
    QCheckBox* StretchCheck() const { return m_pStretch; }
    QRadioButton* PlacementRadio(int placement) const;
    QPushButton* ImageButton() const { return m_pBrowse; }
    QLineEdit* PathField() const { return m_pPath; }

private:
    void ReadControls();
    void UpdateEnabling();
    void Browse();

    QCheckBox* m_pDraw;
    QButtonGroup* m_pPlacement;
    QCheckBox* m_pStretch;
    QLineEdit* m_pPath;
    QPushButton* m_pBrowse;
};
