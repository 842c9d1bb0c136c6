#include "app/SplitFrame.h"

#include "view/DesignDocument.h"
#include "view/DrawView.h"
#include "view/EditTool.h"

#include <QtGui/QAction>
#include <QtGui/QCloseEvent>
#include <QtWidgets/QMenu>
#include <QtWidgets/QSplitter>

#include <functional>

namespace {

CSplitFrame::ClosePrompt& Prompt()
{
    static CSplitFrame::ClosePrompt prompt;
    return prompt;
}

// The smallest pane, as the splitter allows it.
constexpr int kMinPane = 10;

}  // namespace

void CSplitFrame::SetClosePrompt(ClosePrompt prompt)
{
    Prompt() = std::move(prompt);
}

CSplitFrame::CSplitFrame(CDesignDocument* design, QWidget* parent) : QMdiSubWindow(parent), m_pDesign(design)
{
    setAttribute(Qt::WA_DeleteOnClose);
    m_pRows = new QSplitter(Qt::Vertical, this);
    m_pRows->setChildrenCollapsible(false);
    auto* row = new QSplitter(Qt::Horizontal, m_pRows);
    row->setChildrenCollapsible(false);
    row->addWidget(MakePane());
    setWidget(m_pRows);
    // The window menu's own Close answers Ctrl+F4; Ctrl+W is the File
    // menu's Close, and a key claimed twice would do neither.
    if (QMenu* menu = systemMenu()) {
        const QKeySequence fileClose(Qt::CTRL | Qt::Key_W);
        for (QAction* action : menu->actions()) {
            QList<QKeySequence> keys = action->shortcuts();
            if (keys.removeAll(fileClose) > 0) action->setShortcuts(keys);
        }
    }
    connect(design, &CDesignDocument::TitleChanged, this, &CSplitFrame::UpdateTitle);
    connect(design, &CDesignDocument::ModifiedChanged, this, &CSplitFrame::UpdateTitle);
    UpdateTitle();
}

CSplitFrame::~CSplitFrame()
{
    // The panes go while the frame is still whole: a pane closed in the
    // middle of a drag finishes it as a step, and the step's signals reach
    // this frame and the main window.
    QWidget* rows = m_pRows;
    m_pRows = nullptr;
    delete rows;
}

ui::CDrawView* CSplitFrame::MakePane()
{
    auto* view = new ui::CDrawView(m_pDesign);
    view->setMinimumSize(kMinPane, kMinPane);
    connect(view, &ui::CDrawView::Activated, this, [this](ui::CDrawView* v) {
        // One active pane per window: the others hide their handles.
        for (ui::CDrawView* other : Panes())
            if (other != v) other->SetViewActive(false);
        m_pActive = v;
        emit PaneActivated(v);
    });
    connect(view, &ui::CDrawView::SelectionChanged, this, &CSplitFrame::SelectionChanged);
    connect(view, &ui::CDrawView::ZoomChanged, this, &CSplitFrame::ZoomChanged);
    connect(view, &ui::CDrawView::StatusText, this, &CSplitFrame::StatusText);
    connect(view, &ui::CDrawView::PagesChanged, this, &CSplitFrame::PagesChanged);
    if (!m_pActive) m_pActive = view;
    return view;
}

ui::CDrawView* CSplitFrame::ActivePane() const
{
    return m_pActive;
}

std::vector<ui::CDrawView*> CSplitFrame::Panes() const
{
    std::vector<ui::CDrawView*> panes;
    for (int r = 0; m_pRows && r < m_pRows->count(); ++r) {
        auto* row = qobject_cast<QSplitter*>(m_pRows->widget(r));
        if (!row) continue;
        for (int c = 0; c < row->count(); ++c)
            if (auto* view = qobject_cast<ui::CDrawView*>(row->widget(c))) panes.push_back(view);
    }
    return panes;
}

int CSplitFrame::Rows() const
{
    return m_pRows ? m_pRows->count() : 0;
}

int CSplitFrame::Columns() const
{
    auto* row = m_pRows ? qobject_cast<QSplitter*>(m_pRows->widget(0)) : nullptr;
    return row ? row->count() : 0;
}

void CSplitFrame::SetSplit(int rows, int columns)
{
    rows = std::clamp(rows, 1, 2);
    columns = std::clamp(columns, 1, 2);
    if (CEditTool::IsDragging()) CEditTool::EndDrag();
    // Panes beyond the new grid go; new ones are made as needed. The first
    // pane always stays, with its selection and scroll position.
    while (m_pRows->count() > rows) delete m_pRows->widget(m_pRows->count() - 1);
    while (m_pRows->count() < rows) {
        auto* row = new QSplitter(Qt::Horizontal, m_pRows);
        row->setChildrenCollapsible(false);
    }
    for (int r = 0; r < rows; ++r) {
        auto* row = qobject_cast<QSplitter*>(m_pRows->widget(r));
        while (row->count() > columns) delete row->widget(row->count() - 1);
        while (row->count() < columns) row->addWidget(MakePane());
    }
    const std::vector<ui::CDrawView*> panes = Panes();
    if (std::find(panes.begin(), panes.end(), m_pActive) == panes.end()) m_pActive = panes.front();
    m_pActive->setFocus();
}

void CSplitFrame::UpdateTitle()
{
    setWindowTitle(m_pDesign->DisplayName() + (m_pDesign->IsModified() ? QStringLiteral(" *") : QString()));
}

void CSplitFrame::closeEvent(QCloseEvent* event)
{
    if (CEditTool::IsDragging()) CEditTool::EndDrag();
    if (Prompt() && !Prompt()(this)) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}
