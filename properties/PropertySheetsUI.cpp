#include "properties/PropertySheetsUI.h"

#include "objects/DrawRect.h"
#include "properties/CalendarSheet.h"
#include "properties/FrameSheet.h"
#include "properties/GenericSheet.h"
#include "properties/ImageSheet.h"
#include "properties/TextSheet.h"

#include <QtWidgets/QApplication>

#include <memory>

namespace {

// The sheet belongs to the view it was opened from, or to the window in
// front when the view is not a widget.
QWidget* SheetParent(CDrawView* view)
{
    if (auto* widget = dynamic_cast<QWidget*>(view)) return widget->window();
    return QApplication::activeWindow();
}

// The sheet of an object kind; other kinds have none.
std::unique_ptr<CObjectSheet> MakeSheet(int kind, QWidget* parent)
{
    switch (kind) {
    case CDrawRect::kindRectangle:
    case CDrawRect::kindRoundRect:
    case CDrawRect::kindEllipse:
    case CDrawRect::kindLine: return std::make_unique<CGenericSheet>(parent);
    case CDrawRect::kindText: return std::make_unique<CTextSheet>(parent);
    case CDrawRect::kindCalendar: return std::make_unique<CCalendarSheet>(parent);
    case CDrawRect::kindImage: return std::make_unique<CImageSheet>(parent);
    case CDrawRect::kindFrame: return std::make_unique<CFrameSheet>(parent);
    default: return nullptr;
    }
}

}  // namespace

bool CPropertySheetsUI::EditGenericProperties(CObjectProperties& values, CDrawView* view)
{
    return CGenericSheet::EditValues(values, SheetParent(view));
}

void CPropertySheetsUI::EditRectProperties(CDrawRect* object, CDrawView* view)
{
    if (!object) return;
    if (std::unique_ptr<CObjectSheet> sheet = MakeSheet(object->m_nKind, SheetParent(view))) sheet->Edit(*object);
}

void InstallPropertySheets()
{
    static CPropertySheetsUI ui;
    SetPropertiesUI(&ui);
}
