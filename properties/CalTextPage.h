#pragma once

// The common design of the four calendar text pages and the text object's
// page: font and font colour, background colour and transparency, the line
// or border with its colour, line type and thickness, the alignment radios
// and a preview. Each page passes the captions that differ and adds its own
// controls below the shared blocks.

#include "objects/Types.h"
#include "properties/PropertyPage.h"

#include <QtCore/QCoreApplication>

#include <string>

class CCalFont;
class CColorButton;
class CIntField;
class CLineTypeCombo;
class CPreviewBox;
class QButtonGroup;
class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;

struct CTextPageCaptions {
    QString m_strLineGroup = QCoreApplication::translate("CCalTextPage", "Border");
    QString m_strLineCheck = QCoreApplication::translate("CCalTextPage", "Draw Border");
    QString m_strLineColor = QCoreApplication::translate("CCalTextPage", "Border Color");
    QString m_strThickness = QCoreApplication::translate("CCalTextPage", "Border Line Thickness");
    // The check box beside the alignment group; empty for none.
    QString m_strFlag;
    // The check box only tells how the text is drawn: ticked, greyed and
    // not read back.
    bool m_bFlagFixed = false;
    // The text object offers only the three alignments it draws.
    bool m_bNineAlignments = true;
    // The Days page spells its last alignment with two blanks.
    bool m_bDaysSpelling = false;
    // The text object's group: "&Center", "&Left", "&Right" with the rotation.
    bool m_bTextObject = false;
};

// The captions of the pages whose text is always clipped to its cell or
// rectangle: "Cli&p Text to Boundary" stands ticked and greyed.
CTextPageCaptions ClippedTextCaptions();

class CCalTextPage : public CPropertyPage {
    Q_OBJECT
public:
    CCalTextPage(const QString& caption, const CTextPageCaptions& captions, QWidget* parent = nullptr);

    void ToControls() override;
    void FromControls() override;

    // Font description in and out of the page.
    void LoadFont(const CCalFont& font);
    CPreviewBox* Preview() const { return m_pPreview; }
    // Opens the font chooser as the "Font" button does, on the given
    // choice; the page keeps sizes within 1-72 and always clears underline.
    void TakeFont(const QFont& chosen);

    std::string m_strFace = "Tahoma";
    int m_nPointSize = 8;
    BOOL m_bBold = 0;
    BYTE m_bItalic = 0;
    BOOL m_bUnderline = 0;
    COLORREF m_crText = 0;
    COLORREF m_crLine = 0;
    COLORREF m_crBack = 0;
    BOOL m_bTransparent = 1;
    BOOL m_bLine = 0;
    int m_nLineType = 0;
    unsigned int m_nThickness = 1;
    int m_nAlign = 0;
    BOOL m_bFlag = 0;
    std::string m_strText;

    // The controls, for the pages built on this one and for tests.
    QPushButton* m_pFont;
    CColorButton* m_pFontColor;
    QCheckBox* m_pTransparent;
    CColorButton* m_pBackColor;
    QCheckBox* m_pLineCheck;
    CColorButton* m_pLineColor;
    CLineTypeCombo* m_pLineType;
    QLabel* m_pLineTypeLabel;
    QLabel* m_pThicknessLabel;
    CIntField* m_pThickness;
    QGroupBox* m_pAlignGroup;
    QButtonGroup* m_pAlign;
    QCheckBox* m_pFlag = nullptr;
    bool m_bFlagFixed = false;

protected:
    void ApplyEnabling() override;
    // The grid below the shared blocks, two columns wide, for the page's
    // own controls; the preview stands under it.
    QGridLayout* Extras() const { return m_pExtras; }
    // Connects a control's change to the common handler.
    void Watch(QObject* control);

private:
    void ChooseFont();

    QGridLayout* m_pExtras;
    CPreviewBox* m_pPreview;
};
