#pragma once

// The engine's "Display String" page: the text, its font face and the
// glyph style (0 "Solid", 1 "Wireframe").

#include <QtWidgets/QWidget>

#include <string>

class QLineEdit;
class QLabel;
class QRadioButton;

class CEditorT : public QWidget {
    Q_OBJECT
public:
    explicit CEditorT(QWidget* parent = nullptr);

    // Texts are the stored bytes; they are shown as UTF-8.
    void SetText(const std::string& text);
    std::string GetText() const;
    void SetFaceName(const std::string& face);
    std::string GetFaceName() const { return m_strFaceName; }
    void SetGlyphStyle(int style);
    int GetGlyphStyle() const;
    QString Caption() const { return tr("Display String"); }

    // Takes a face chosen in the font dialog, as the "Font" button does.
    void ChooseFace(const QString& face);
    QLineEdit* TextBox() const { return m_pText; }

private:
    void OnFont();

    std::string m_strFaceName;
    std::string m_strOriginalText;
    QLineEdit* m_pText = nullptr;
    QLabel* m_pFace = nullptr;
    QRadioButton* m_pSolid = nullptr;
    QRadioButton* m_pWireframe = nullptr;
};
