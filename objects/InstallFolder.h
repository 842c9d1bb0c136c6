#pragma once

// Where the designer finds its data files ("BckImage.jpg", "tips.txt" and
// the help pages in help/), without the toolkit: a batch run looks before
// the toolkit is loaded. Every folder returned ends with "/".

#include <string>

// The installation folder: "DestinationPath" when it holds the data files,
// else the share folder beside the program (<program dir>/../share/mondrel/),
// else the resources/ folder of a source tree given to UseSourceTreeData,
// else the program's own folder (a Tallowin folder, or a build tree, which
// lays the data out beside the program). An empty source folder skips that
// step.
std::string FindInstallDir(const std::string& destinationPath, const std::string& programDir,
                           const std::string& sourceDir);

// Lets the lookup fall back on the resources/ of this source tree: for
// development builds and tests only, never for a program that is shipped.
void UseSourceTreeData(const std::string& sourceDir);
const std::string& SourceTreeData();

// The folder of the running program, from the system ("" when unknown).
std::string RunningProgramDir();

// Loads one of the program's own libraries: beside the program (a build
// tree, an installation folder), else in ../libexec/mondrel/ beside its
// folder (the package). Returns null when neither loads; *tried then says
// why: the loader's words for a library that is there but cannot load, else
// the first path looked at.
void* LoadProgramLibrary(const char* name, std::string* tried);
