#pragma once

// The program is two pieces: main() with the core, which needs no toolkit,
// and the library with the toolkit, the window and the batch commands, which
// main() loads once the work that needs no toolkit is under way (a batch
// export's photos are decoding by then).

class CDrawDoc;

#define MONDREL_PROGRAM_ENTRY __attribute__((visibility("default")))

// The library's file name, beside the program (a build tree, an
// installation folder) or in libexec/mondrel/ beside its bin/ (the
// package), with relievo.
inline constexpr const char* kProgramLibrary = "mondrel-window.so";
inline constexpr const char* kProgramLibraryEntry = "MondrelRun";

// Runs the program with its arguments. opened, when given, is the document
// of a batch export, already opened by CBatchCommand::OpenForExport; the
// caller keeps it. Returns the exit status (a batch command ends the process
// itself).
using ProgramEntry = int (*)(int argc, char** argv, CDrawDoc* opened);
