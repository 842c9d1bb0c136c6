#pragma once

// The choice of a public-holiday region, as the Special Days page and the
// wizard offer it: the regions by name, each item's data its code.

#include <QtCore/QString>

#include <string>

class QComboBox;
class QWidget;

// The region of the user's country, from the system's locale; "" when the
// country has none here.
std::string LocaleHolidayRegion();
// A combo of every region, with "None" (an empty code) first when
// withNone; it starts at LocaleHolidayRegion() where there is one.
QComboBox* MakeHolidayRegionCombo(QWidget* parent, bool withNone);
// Selects a region by code ("" selects "None"); false when it is not
// listed.
bool SelectHolidayRegion(QComboBox* combo, const std::string& code);
std::string SelectedHolidayRegion(const QComboBox* combo);

// The name of a holiday source as the user reads it: a file's name, or a
// region's name in the user's language.
QString HolidaySourceName(const std::string& source);
