#include "properties/HolidayRegionCombo.h"

#include "calendar/PublicHolidays.h"

#include <QtCore/QLocale>
#include <QtWidgets/QComboBox>

std::string LocaleHolidayRegion()
{
    const QLocale::Territory territory = QLocale::system().territory();
    if (territory == QLocale::AnyTerritory) return {};
    return RegionForCountry(QLocale::territoryToCode(territory).toStdString());
}

QComboBox* MakeHolidayRegionCombo(QWidget* parent, bool withNone)
{
    auto* combo = new QComboBox(parent);
    if (withNone) combo->addItem(QStringLiteral("None"), QString());
    for (const CHolidayRegion& region : HolidayRegions())
        combo->addItem(QString::fromStdString(region.m_strName), QString::fromStdString(region.m_strCode));
    // Long lists scroll rather than fill the screen.
    combo->setMaxVisibleItems(16);
    SelectHolidayRegion(combo, LocaleHolidayRegion());
    return combo;
}

bool SelectHolidayRegion(QComboBox* combo, const std::string& code)
{
    const int index = combo->findData(QString::fromStdString(code));
    if (index < 0) return false;
    combo->setCurrentIndex(index);
    return true;
}

std::string SelectedHolidayRegion(const QComboBox* combo)
{
    return combo->currentData().toString().toStdString();
}
