#include "document/DrawDoc.h"
#include "objects/DrawObj.h"
#include "view/DesignDocument.h"
#include "view/DrawView.h"
#include "view/UndoCommands.h"

namespace ui {

namespace {

const char* ArrangeName(ArrangeCommand command)
{
    switch (command) {
    case ArrangeCommand::alignTop: return QT_TRANSLATE_NOOP("ui::CDrawView", "Align Top");
    case ArrangeCommand::alignBottom: return QT_TRANSLATE_NOOP("ui::CDrawView", "Align Bottom");
    case ArrangeCommand::alignCenter: return QT_TRANSLATE_NOOP("ui::CDrawView", "Align Center");
    case ArrangeCommand::alignVCenter: return QT_TRANSLATE_NOOP("ui::CDrawView", "Align V Center");
    case ArrangeCommand::alignLeft: return QT_TRANSLATE_NOOP("ui::CDrawView", "Align Left");
    case ArrangeCommand::alignRight: return QT_TRANSLATE_NOOP("ui::CDrawView", "Align Right");
    case ArrangeCommand::sameWidth: return QT_TRANSLATE_NOOP("ui::CDrawView", "Same Width");
    case ArrangeCommand::sameHeight: return QT_TRANSLATE_NOOP("ui::CDrawView", "Same Height");
    case ArrangeCommand::sameSize: return QT_TRANSLATE_NOOP("ui::CDrawView", "Same Height, Width");
    case ArrangeCommand::spaceAcross: return QT_TRANSLATE_NOOP("ui::CDrawView", "Space Across");
    case ArrangeCommand::spaceDown: return QT_TRANSLATE_NOOP("ui::CDrawView", "Space Down");
    }
    return QT_TRANSLATE_NOOP("ui::CDrawView", "Arrange");
}

const char* ZOrderName(ZOrderCommand command)
{
    switch (command) {
    case ZOrderCommand::toFront: return QT_TRANSLATE_NOOP("ui::CDrawView", "Move To Front");
    case ZOrderCommand::toBack: return QT_TRANSLATE_NOOP("ui::CDrawView", "Move To Back");
    case ZOrderCommand::forward: return QT_TRANSLATE_NOOP("ui::CDrawView", "Move Forward");
    case ZOrderCommand::backward: return QT_TRANSLATE_NOOP("ui::CDrawView", "Move Back");
    }
    return QT_TRANSLATE_NOOP("ui::CDrawView", "Move");
}

}  // namespace

void CDrawView::Arrange(ArrangeCommand command)
{
    EndDrag();
    if (static_cast<int>(m_selected.size()) < ArrangeMinimum(command)) return;
    const std::vector<CDrawObj*> objects(m_selected.begin(), m_selected.end());
    std::vector<CRect> rects;
    for (CDrawObj* obj : objects) rects.push_back(obj->m_position);
    const std::vector<CRect> placed = ArrangeRects(command, rects);
    auto* step = new CModifyCommand(m_pDesign, tr(ArrangeName(command)), objects);
    // Through MoveTo, so that a stroke's points follow its rectangle.
    for (std::size_t i = 0; i < objects.size(); ++i) objects[i]->MoveTo(placed[i], this);
    if (!step->Finish()) {
        delete step;
        return;
    }
    PushStep(step);
    GetDocument()->UpdateAllViews(nullptr, HINT_UPDATE_WINDOW);
}

void CDrawView::ChangeZOrder(ZOrderCommand command)
{
    EndDrag();
    if (m_selected.size() != 1) return;
    CDrawDoc* doc = GetDocument();
    const int count = static_cast<int>(doc->GetObjects()->size());
    const int from = IndexOfObject(*doc, m_selected.front());
    const int to = ZOrderTarget(command, from, count);
    if (from < 0 || to == from) return;
    PushStep(new CReorderCommand(m_pDesign, tr(ZOrderName(command)), from, to));
}

}  // namespace ui
