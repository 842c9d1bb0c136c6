#pragma once

// The private clipboard format of the designer: the archived object list,
// byte for byte as the document keeps it, under the MIME type below.

#include <QtCore/QByteArray>

#include <list>

class CDrawDoc;
class CDrawObj;
class QMimeData;

extern const char* const kDrawObjectsMime;  // "application/x-mondrel-draw-objects"

QByteArray ArchiveObjects(const std::list<CDrawObj*>& objects);
// Reads an object list for a document; false (and nothing made) when the
// bytes are not a whole, valid list.
bool ReadObjects(const QByteArray& bytes, CDrawDoc* doc, std::list<CDrawObj*>* objects);
QMimeData* MakeObjectsMime(const std::list<CDrawObj*>& objects);
