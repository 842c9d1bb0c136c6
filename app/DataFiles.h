#pragma once

// Where the designer finds its data files ("BckImage.jpg", "tips.txt" and
// the help pages in help/). Every folder returned ends with "/".

#include "objects/InstallFolder.h"

#include <QtCore/QString>

#include <string>

// The installation folder (see objects/InstallFolder.h) for the running
// program.
std::string FindInstallDir(const std::string& destinationPath);

// The folder found for the running program's settings (AppSettings()).
QString DataFolder();
// A data file in that folder ("tips.txt").
QString DataFile(const QString& name);
// The folder of the help pages.
QString HelpFolder();

// The language of the tips and help pages the user reads: the language of
// the program's catalogue in use ("de"), or "en" without one. The German
// texts live beside the English ones with the language before the
// extension: "tips.de.txt", "help/index.de.html".
QString DataLanguage();
// The file in the user's language beside the English one given ("tips.txt"
// becomes "tips.de.txt"), or the English file itself when there is no
// translation of it (or the user reads English).
QString LocalizedFile(const QString& path);
