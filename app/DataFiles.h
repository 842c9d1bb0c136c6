#pragma once

// Where the designer finds its data files ("BckImage.jpg", "tips.txt" and
// the help pages in help/). Every folder returned ends with "/".

#include <QtCore/QString>

#include <string>

// The installation folder: "DestinationPath" when it holds the data files,
// else the share folder beside the program (<program dir>/../share/mondrel/),
// else the resources/ folder of a source tree given to UseSourceTreeData,
// else the program's own folder (a Tallowin folder, or a build tree, which
// lays the data out beside the program).
std::string FindInstallDir(const std::string& destinationPath);
// The same lookup with the program folder and the source folder given (an
// empty source folder skips that step); tests use it.
std::string FindInstallDir(const std::string& destinationPath, const std::string& programDir,
                           const std::string& sourceDir);

// Lets the lookup fall back on the resources/ of this source tree: for
// development builds and tests only, never for a program that is shipped.
void UseSourceTreeData(const std::string& sourceDir);

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
