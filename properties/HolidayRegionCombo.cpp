#include "properties/HolidayRegionCombo.h"

#include "calendar/PublicHolidays.h"

#include <QtCore/QCollator>
#include <QtCore/QCoreApplication>
#include <QtCore/QLocale>
#include <QtWidgets/QComboBox>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// The region names of the holiday table, for the translation catalogues.
[[maybe_unused]] const char* const kRegionNames[] = {
    QT_TRANSLATE_NOOP("HolidayRegions", "Australia"),
    QT_TRANSLATE_NOOP("HolidayRegions", "Austria"),
    QT_TRANSLATE_NOOP("HolidayRegions", "Belgium"),
    QT_TRANSLATE_NOOP("HolidayRegions", "Canada"),
    QT_TRANSLATE_NOOP("HolidayRegions", "Czechia"),
    QT_TRANSLATE_NOOP("HolidayRegions", "Denmark"),
    QT_TRANSLATE_NOOP("HolidayRegions", "Finland"),
    QT_TRANSLATE_NOOP("HolidayRegions", "France"),
    QT_TRANSLATE_NOOP("HolidayRegions", "Germany"),
    QT_TRANSLATE_NOOP("HolidayRegions", "Germany (Baden-Württemberg)"),
    QT_TRANSLATE_NOOP("HolidayRegions", "Germany (Bavaria)"),
    QT_TRANSLATE_NOOP("HolidayRegions", "Germany (Berlin)"),
    QT_TRANSLATE_NOOP("HolidayRegions", "Germany (Brandenburg)"),
    QT_TRANSLATE_NOOP("HolidayRegions", "Germany (Bremen)"),
    QT_TRANSLATE_NOOP("HolidayRegions", "Germany (Hamburg)"),
    QT_TRANSLATE_NOOP("HolidayRegions", "Germany (Hesse)"),
    QT_TRANSLATE_NOOP("HolidayRegions", "Germany (Lower Saxony)"),
    QT_TRANSLATE_NOOP("HolidayRegions", "Germany (Mecklenburg-Vorpommern)"),
    QT_TRANSLATE_NOOP("HolidayRegions", "Germany (North Rhine-Westphalia)"),
    QT_TRANSLATE_NOOP("HolidayRegions", "Germany (Rhineland-Palatinate)"),
    QT_TRANSLATE_NOOP("HolidayRegions", "Germany (Saarland)"),
    QT_TRANSLATE_NOOP("HolidayRegions", "Germany (Saxony)"),
    QT_TRANSLATE_NOOP("HolidayRegions", "Germany (Saxony-Anhalt)"),
    QT_TRANSLATE_NOOP("HolidayRegions", "Germany (Schleswig-Holstein)"),
    QT_TRANSLATE_NOOP("HolidayRegions", "Germany (Thuringia)"),
    QT_TRANSLATE_NOOP("HolidayRegions", "Ireland"),
    QT_TRANSLATE_NOOP("HolidayRegions", "Italy"),
    QT_TRANSLATE_NOOP("HolidayRegions", "Luxembourg"),
    QT_TRANSLATE_NOOP("HolidayRegions", "Netherlands"),
    QT_TRANSLATE_NOOP("HolidayRegions", "New Zealand"),
    QT_TRANSLATE_NOOP("HolidayRegions", "Norway"),
    QT_TRANSLATE_NOOP("HolidayRegions", "Poland"),
    QT_TRANSLATE_NOOP("HolidayRegions", "Portugal"),
    QT_TRANSLATE_NOOP("HolidayRegions", "Spain"),
    QT_TRANSLATE_NOOP("HolidayRegions", "Sweden"),
    QT_TRANSLATE_NOOP("HolidayRegions", "Switzerland"),
    QT_TRANSLATE_NOOP("HolidayRegions", "United Kingdom (England and Wales)"),
    QT_TRANSLATE_NOOP("HolidayRegions", "United Kingdom (Northern Ireland)"),
    QT_TRANSLATE_NOOP("HolidayRegions", "United Kingdom (Scotland)"),
    QT_TRANSLATE_NOOP("HolidayRegions", "United States"),
};

QString RegionName(const std::string& name)
{
    return QCoreApplication::translate("HolidayRegions", name.c_str());
}

}  // namespace

std::string LocaleHolidayRegion()
{
    const QLocale::Territory territory = QLocale::system().territory();
    if (territory == QLocale::AnyTerritory) return {};
    return RegionForCountry(QLocale::territoryToCode(territory).toStdString());
}

QComboBox* MakeHolidayRegionCombo(QWidget* parent, bool withNone)
{
    auto* combo = new QComboBox(parent);
    if (withNone) combo->addItem(QCoreApplication::translate("HolidayRegionCombo", "None"), QString());
    // The regions in the order of the names the user reads, as the
    // language sorts them ("Österreich" among the O's in German).
    std::vector<std::pair<QString, QString>> regions;
    for (const CHolidayRegion& region : HolidayRegions())
        regions.emplace_back(RegionName(region.m_strName), QString::fromStdString(region.m_strCode));
    QCollator collator;
    std::stable_sort(regions.begin(), regions.end(),
                     [&collator](const auto& a, const auto& b) { return collator.compare(a.first, b.first) < 0; });
    for (const auto& [name, code] : regions) combo->addItem(name, code);
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

QString HolidaySourceName(const std::string& source)
{
    const std::string region = IsRegionSource(source) ? HolidayRegionName(RegionOfSource(source)) : std::string();
    return region.empty() ? QString::fromStdString(HolidaySourceTitle(source)) : RegionName(region);
}
