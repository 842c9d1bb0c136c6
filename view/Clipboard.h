#pragma once

// The private clipboard format of the designer: the archived object list,
// byte for byte as the document keeps it, under the MIME type below. The
// calendars' holiday files and events travel beside it under a type of
// their own, in the record format of the document's holiday stream.

#include <QtCore/QByteArray>

#include <list>

class CDrawDoc;
class CDrawObj;
class QMimeData;

extern const char* const kDrawObjectsMime;  // "application/x-mondrel-draw-objects"
extern const char* const kHolidaysMime;     // "application/x-mondrel-calendar-holidays"

QByteArray ArchiveObjects(const std::list<CDrawObj*>& objects);
// Reads an object list for a document; false (and nothing made) when the
// bytes are not a whole, valid list.
bool ReadObjects(const QByteArray& bytes, CDrawDoc* doc, std::list<CDrawObj*>* objects);
QMimeData* MakeObjectsMime(const std::list<CDrawObj*>& objects);
// Gives objects read from data the holidays that travel with them; holiday
// data that does not fit the objects is left out (they paste without it).
void ReadObjectHolidays(const QMimeData* data, const std::list<CDrawObj*>& objects);
