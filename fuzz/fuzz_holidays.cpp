// Gives a document of two calendars the holiday stream read from arbitrary
// bytes, as opening a document does. A stream is taken whole or refused
// whole; nothing outside the buffer is read.

#include "document/DrawDoc.h"
#include "document/HolidayStream.h"
#include "objects/DrawRect.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CDrawDoc doc;
    for (int i = 0; i < 2; ++i) doc.Add(new CDrawRect(CRect(350, -250, -350, 250), CDrawRect::kindCalendar));
    doc.Add(new CDrawRect(CRect(0, 0, 10, 10), CDrawRect::kindRectangle));
    const std::vector<BYTE> bytes(data, data + size);
    std::string error;
    if (CHolidayStream::Read(bytes, &doc, &error)) {
        // What was taken writes back to the same bytes' meaning.
        std::vector<BYTE> again;
        CHolidayStream::Write(doc, &again);
    } else {
        for (CDrawObj* obj : *doc.GetObjects())
            if (!static_cast<CDrawRect*>(obj)->m_holidays.IsEmpty()) __builtin_trap();
    }
    return 0;
}
