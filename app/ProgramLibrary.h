#pragma once

// The program is main() with the core, which needs no toolkit, and one of
// two libraries with the toolkit, which main() loads once the work that
// needs no toolkit is under way (a batch export's photos are decoding by
// then): the window's, or the command line's, which leaves out the window's
// libraries.

class CDrawDoc;

#define MONDREL_PROGRAM_ENTRY __attribute__((visibility("default")))

// The libraries' file names, beside the program (a build tree, an
// installation folder) or in libexec/mondrel/ beside its bin/ (the
// package), with relievo.
inline constexpr const char* kWindowLibrary = "mondrel-window.so";
inline constexpr const char* kBatchLibrary = "mondrel-batch.so";
inline constexpr const char* kProgramLibraryEntry = "MondrelRun";

// Runs the program with its arguments. opened, when given, is the document
// of a batch export, already opened by CBatchCommand::OpenForExport; the
// caller keeps it. Returns the exit status (a batch command ends the process
// itself).
using ProgramEntry = int (*)(int argc, char** argv, CDrawDoc* opened);
