#pragma once

// The designer's side of the 3D text exchange: the text object's scene is
// written as a request into a private folder of its own, the engine is
// started there and waited for, and its reply picture and edited scene are
// read back into the object.

#include "objects/Types.h"

#include <QtCore/QString>
#include <QtCore/QStringList>

class CDrawRect;
class QWidget;

// Runs the exchange for a text object whose properties were confirmed. The
// picture's size comes from the object's position rectangle (size is only
// used when that rectangle is empty). Returns true when a valid picture
// came back; with 3D display off nothing is exchanged and false returned;
// on failure the user is told and the object's 3D display is switched off.
bool Run3DTextExchange(CDrawRect& text, CSize size, QWidget* parent);

// The engine that the exchange would start: "relievo" beside the designer's
// program, else in ../libexec/mondrel/ of its folder (the package's place),
// else the first one on the PATH. Relative PATH entries (the
// current folder among them) and excludedFolder are never searched.
QString FindRelievoProgram(const QString& excludedFolder = QString());

// For tests: run this program with these arguments instead of the one
// found; an empty program restores the search.
void SetRelievoCommandForTests(const QString& program, const QStringList& arguments);

// The message shown when no picture came back.
QString Exchange3DFailureText();
