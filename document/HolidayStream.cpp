#include "document/HolidayStream.h"

#include "calendar/HolidayList.h"
#include "document/DrawDoc.h"
#include "objects/ByteReader.h"
#include "objects/DrawRect.h"

#include <algorithm>
#include <cstring>
#include <map>

const char* const CHolidayStream::kStreamName = "Holidays";

namespace {

constexpr char kMagic[4] = {'M', 'H', 'O', 'L'};
// The smallest event: year, month, day, file and an empty name's count.
constexpr std::size_t kMinEventBytes = 10;

void WriteText(CByteWriter& out, const std::string& text)
{
    out.U32(static_cast<DWORD>(text.size()));
    out.Bytes(text);
}

bool ReadText(CByteReader& in, std::string* text)
{
    const DWORD size = in.U32();
    if (in.Failed() || size > CHolidayStream::kMaxText || !in.Has(size))
        return false;
    *text = in.Bytes(size);
    return in.Ok();
}

std::vector<CDrawRect*> CalendarsByIndex(const std::list<CDrawObj*>& list)
{
    std::vector<CDrawRect*> objects;
    for (CDrawObj* obj : list) {
        auto* rect = dynamic_cast<CDrawRect*>(obj);
        objects.push_back(rect && rect->m_nKind == CDrawRect::kindCalendar ? rect : nullptr);
    }
    return objects;
}

}  // namespace

void CHolidayStream::WriteRecord(CByteWriter& out, const CHolidayList& list)
{
    out.U8(static_cast<BYTE>((list.m_bShowNames ? 1 : 0) | (list.m_nWeekNumbers & 3) << 1));
    out.U32(static_cast<DWORD>(list.m_files.size()));
    for (const std::string& file : list.m_files)
        WriteText(out, file);
    out.U32(static_cast<DWORD>(list.m_events.size()));
    for (const CHolidayEvent& e : list.m_events) {
        out.U16(static_cast<WORD>(e.m_nYear));
        out.U8(static_cast<BYTE>(e.m_nMonth));
        out.U8(static_cast<BYTE>(e.m_nDay));
        out.U16(static_cast<WORD>(e.m_nFile));
        WriteText(out, e.m_strName);
    }
}

bool CHolidayStream::ReadRecord(CByteReader& in, CHolidayList* list)
{
    CHolidayList read;
    const BYTE flags = in.U8();
    if (in.Failed() || (flags & ~7u) != 0 || (flags >> 1 & 3) == 3)
        return false;
    read.m_bShowNames = (flags & 1) != 0;
    read.m_nWeekNumbers = flags >> 1 & 3;
    const DWORD files = in.U32();
    if (in.Failed() || files > kMaxFiles)
        return false;
    for (DWORD i = 0; i < files; ++i) {
        std::string path;
        if (!ReadText(in, &path) || path.empty())
            return false;
        read.m_files.push_back(std::move(path));
    }
    const DWORD events = in.U32();
    if (in.Failed() || events > kMaxEvents || static_cast<unsigned long long>(events) * kMinEventBytes > in.Remaining())
        return false;
    read.m_events.reserve(events);
    for (DWORD i = 0; i < events; ++i) {
        CHolidayEvent e;
        e.m_nYear = in.U16();
        e.m_nMonth = in.U8();
        e.m_nDay = in.U8();
        e.m_nFile = in.U16();
        // Events outlive their files only as the file they came from.
        if (in.Failed() || e.m_nYear < 1 || e.m_nMonth < 1 || e.m_nMonth > 12 || e.m_nDay < 1 || e.m_nDay > 31 ||
            static_cast<std::size_t>(e.m_nFile) >= std::max<std::size_t>(read.m_files.size(), 1) ||
            !ReadText(in, &e.m_strName))
            return false;
        read.m_events.push_back(std::move(e));
    }
    read.Normalize();
    *list = std::move(read);
    return true;
}

bool CHolidayStream::Write(const CDrawDoc& doc, std::vector<BYTE>* bytes)
{
    return Write(*doc.GetObjects(), bytes);
}

bool CHolidayStream::Read(const std::vector<BYTE>& bytes, CDrawDoc* doc, std::string* error)
{
    return Read(bytes, *doc->GetObjects(), error);
}

bool CHolidayStream::Write(const std::list<CDrawObj*>& list, std::vector<BYTE>* bytes)
{
    const std::vector<CDrawRect*> objects = CalendarsByIndex(list);
    CByteWriter body;
    DWORD count = 0;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        if (!objects[i] || objects[i]->m_holidays.IsEmpty())
            continue;
        body.U32(static_cast<DWORD>(i));
        WriteRecord(body, objects[i]->m_holidays);
        ++count;
    }
    if (count == 0)
        return false;
    CByteWriter out;
    out.Write(kMagic, sizeof kMagic);
    out.U16(kVersion);
    out.U32(count);
    out.Write(body.Buffer().data(), body.Size());
    *bytes = std::move(out.Buffer());
    return true;
}

bool CHolidayStream::Read(const std::vector<BYTE>& bytes, const std::list<CDrawObj*>& list, std::string* error)
{
    auto fail = [error](const char* why) {
        if (error)
            *error = why;
        return false;
    };
    CByteReader in(bytes);
    char magic[4];
    in.Read(magic, sizeof magic);
    const WORD version = in.U16();
    const DWORD count = in.U32();
    if (in.Failed() || std::memcmp(magic, kMagic, sizeof kMagic) != 0)
        return fail("The holiday data of the document is damaged.");
    if (version != kVersion)
        return fail("The holiday data of the document was written by a newer version.");

    const std::vector<CDrawRect*> objects = CalendarsByIndex(list);
    if (count > objects.size())
        return fail("The holiday data of the document is damaged.");
    std::map<DWORD, CHolidayList> lists;
    for (DWORD i = 0; i < count; ++i) {
        const DWORD index = in.U32();
        CHolidayList list;
        if (in.Failed() || index >= objects.size() || !objects[index] || lists.count(index) ||
            !ReadRecord(in, &list))
            return fail("The holiday data of the document is damaged.");
        lists[index] = std::move(list);
    }
    if (!in.AtEnd())
        return fail("The holiday data of the document is damaged.");
    for (auto& [index, list] : lists)
        objects[index]->m_holidays = std::move(list);
    return true;
}
