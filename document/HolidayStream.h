#pragma once

// The stream "Holidays" beside "Contents": the iCalendar files of each
// calendar object and the days read from them, keyed by the object's index
// in the document's list. It stays out of the archive stream so that the
// archive keeps its format exactly and documents stay readable by anything
// that reads it; a document without the stream has no holidays.
//
// Layout (little-endian): "MHOL", WORD version, then the body.
// Version 2 keeps the days of a file once however many calendars name it:
// DWORD number of day tables, each DWORD number of names, each a string,
// and DWORD number of days, each WORD year, BYTE month, BYTE day and DWORD
// index of its name; then DWORD number of calendars, per calendar a DWORD
// object index, BYTE flags (bit 0: draw the event names; bits 1-2: the week
// numbers, 0 none, 1 ISO, 2 US), DWORD number of
// files, each a string, and DWORD number of parts, each a DWORD index of a
// file (0 where the calendar names no file) and the DWORD index of the day
// table that file gave.
// Version 1, still read: DWORD number of calendars, per calendar a DWORD
// object index, BYTE flags, DWORD number of files, each a string; DWORD
// number of events, each WORD year, BYTE month, BYTE day, WORD index of the
// file it came from and the name as a string.
// A string is a DWORD byte count and the UTF-8 bytes.

#include "objects/Message.h"
#include "objects/Types.h"

#include <list>
#include <string>
#include <vector>

class CByteReader;
class CByteWriter;
class CDrawDoc;
class CDrawObj;
class CHolidayList;

class CHolidayStream {
public:
    static const char* const kStreamName;
    static constexpr WORD kVersion = 2;
    // Caps on what one record may hold, checked before anything is kept;
    // lists are held to them where they are built.
    static constexpr DWORD kMaxFiles = 256;
    static constexpr DWORD kMaxEvents = 1000000;
    static constexpr DWORD kMaxText = 65536;

    // One calendar's record (a body of one calendar at index 0), also used
    // by the designer's undo history.
    static void WriteRecord(CByteWriter& out, const CHolidayList& list);
    static bool ReadRecord(CByteReader& in, CHolidayList* list);

    // The stream of a document; false when no calendar has holidays, so no
    // stream is written at all.
    static bool Write(const CDrawDoc& doc, std::vector<BYTE>* bytes);
    // Gives the document's calendars their holidays. A stream that is
    // malformed in any part, or names an object that is not a calendar, is
    // refused whole: nothing changes and error says why.
    static bool Read(const std::vector<BYTE>& bytes, CDrawDoc* doc, CMessageOut error);
    // The same for any list of objects, such as those on the clipboard;
    // indices count in the list.
    static bool Write(const std::list<CDrawObj*>& objects, std::vector<BYTE>* bytes);
    static bool Read(const std::vector<BYTE>& bytes, const std::list<CDrawObj*>& objects, CMessageOut error);
};
