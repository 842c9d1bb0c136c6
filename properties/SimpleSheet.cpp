#include "properties/SimpleSheet.h"

#include <QtWidgets/QLayout>

CSimpleSheet::CSimpleSheet(const QString& caption, QWidget* parent) : CPropertySheet(caption, parent)
{
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    SetApplyHandler([this] {
        if (m_applier && !m_applier()) return false;
        ++m_nApplied;
        return true;
    });
}

void CSimpleSheet::Ok()
{
    if (Apply()) accept();
}
