#pragma once

// PNG and TIFF pictures and iCalendar files are read by libraries that a
// JPEG photo page never needs, so they live in a module of their own,
// mondrel-formats.so, which the program loads the first time such a file is
// read: an export of a JPEG page starts without mapping them. Programs that
// link the readers in (the tests, relievo, tallowin) define the table
// themselves, and the core takes it from there without loading anything.

#include "objects/Message.h"
#include "objects/Types.h"

#include <cstddef>
#include <string>

class CPictureImage;
class CHolidayList;
struct CIcalProgress;

inline constexpr const char* kFormatModule = "mondrel-formats.so";
inline constexpr const char* kFormatTableEntry = "MondrelFormatTable";

// Raised whenever the table changes shape, so that a module of another
// build is refused rather than called.
inline constexpr int kFormatTableVersion = 1;

struct CFormatTable {
    int m_nVersion;
    std::size_t m_nSize;
    bool (*m_pDecodePng)(const BYTE* data, std::size_t size, CPictureImage& image);
    bool (*m_pDecodeTiff)(const BYTE* data, std::size_t size, CPictureImage& image);
    bool (*m_pParseICalendar)(const std::string& text, int fromYear, int toYear, CHolidayList* days,
                              CMessageOut error, CIcalProgress* progress);
};

// The readers' table, loaded once on first use from whichever thread asks
// first. Null when the module cannot be loaded; *why (when given) then says
// so in the user's words, naming the module's path and the loader's reason.
const CFormatTable* FormatTable(CMessage* why = nullptr);
// Whether a file needed the module and it could not be loaded; *why then
// says why. Never loads it itself.
bool FormatModuleFailed(CMessage* why);

// What the module (or a program that links the readers in) defines; the
// core refers to it weakly, so the program itself goes without it.
extern "C" const CFormatTable* MondrelFormatTable();

// The readers themselves, behind the table.
bool ReadPngPicture(const BYTE* data, std::size_t size, CPictureImage& image);
bool ReadTiffPicture(const BYTE* data, std::size_t size, CPictureImage& image);
bool ReadICalendarText(const std::string& text, int fromYear, int toYear, CHolidayList* days, CMessageOut error,
                       CIcalProgress* progress);
