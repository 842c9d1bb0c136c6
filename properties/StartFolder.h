#pragma once

// Where the file dialogs open. A dialog opens in the folder of the document
// being edited; without one (a new calendar), in the folder where a file of
// the same kind was last chosen, kept in the settings; failing that, in the
// user's Pictures or Documents folder. Never in the program's own folders,
// which are its current folder but not the user's.

#include <QtCore/QString>

#include <functional>

enum class FileKind {
    Document,     // calendar documents (.mdr)
    Picture,      // photos, background and pattern pictures, inserted pictures
    PagePicture,  // pages saved as pictures or PDF
};

// The folder a dialog for files of this kind opens in.
QString StartFolder(FileKind kind);
// The initial path of such a dialog: current itself when it stands in a
// folder of the user's that is still there, a bare name or pattern
// ("Calendar1.mdr", "*.jpg") in the start folder, else the start folder.
QString StartPath(FileKind kind, const QString& current = QString());
// Remembers the folder of a chosen file for its kind.
void NoteChosenFile(FileKind kind, const QString& path);

// Whether a path lies in the program's own folders (the program, its data
// files, its installation).
bool InProgramFolders(const QString& path);

// The file of the document being edited (empty when it has none); the
// main window installs it.
using DocumentPathSource = std::function<QString()>;
void SetDocumentPathSource(DocumentPathSource source);
