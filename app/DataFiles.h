#pragma once

// Where the designer finds its data files ("BckImage.jpg", "tips.txt" and
// the help pages in help/). Every folder returned ends with "/".

#include <QtCore/QString>

#include <string>

// The installation folder: "DestinationPath" when it is set, else the share
// folder beside the program (<program dir>/../share/mondrel/), else the
// resources/ folder of the source tree the program was built from, else the
// program's own folder.
std::string FindInstallDir(const std::string& destinationPath);
// The same lookup with the program folder and the source folder given (an
// empty source folder skips that step); tests use it.
std::string FindInstallDir(const std::string& destinationPath, const std::string& programDir,
                           const std::string& sourceDir);

// The folder found for the running program's settings (AppSettings()).
QString DataFolder();
// A data file in that folder ("tips.txt").
QString DataFile(const QString& name);
// The folder of the help pages.
QString HelpFolder();
