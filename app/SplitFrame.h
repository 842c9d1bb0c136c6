#pragma once

// A document window: an MDI child holding up to 2 x 2 panes, each a design
// view of the same document with its own selection and scroll position.

#include <QtWidgets/QMdiSubWindow>

#include <vector>

class CDesignDocument;
class QSplitter;

namespace ui {
class CDrawView;
}

class CSplitFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit CSplitFrame(CDesignDocument* design, QWidget* parent = nullptr);
    ~CSplitFrame() override;

    CDesignDocument* Design() const { return m_pDesign; }
    // The pane that last had the focus.
    ui::CDrawView* ActivePane() const;
    std::vector<ui::CDrawView*> Panes() const;
    // Rows and columns of panes, 1 or 2 each.
    void SetSplit(int rows, int columns);
    int Rows() const;
    int Columns() const;
    void UpdateTitle();

    // Asked before the window closes: may it (the save prompt of the last
    // window of a document)?
    using ClosePrompt = std::function<bool(CSplitFrame*)>;
    static void SetClosePrompt(ClosePrompt prompt);

signals:
    void PaneActivated(ui::CDrawView* view);
    // The notices of every pane, the ones a split makes later included.
    void SelectionChanged();
    void ZoomChanged(int percent);
    void StatusText(const QString& text);
    void PagesChanged();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    ui::CDrawView* MakePane();

    CDesignDocument* m_pDesign;
    QSplitter* m_pRows;
    ui::CDrawView* m_pActive = nullptr;
};
