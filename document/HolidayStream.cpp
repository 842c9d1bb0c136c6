#include "document/HolidayStream.h"

#include "calendar/HolidayList.h"
#include "document/DrawDoc.h"
#include "objects/ByteReader.h"
#include "objects/DrawRect.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <utility>

const char* const CHolidayStream::kStreamName = "Holidays";

static_assert(CHolidayStream::kMaxFiles == CHolidayList::kMaxFiles &&
              CHolidayStream::kMaxEvents == CHolidayList::kMaxEvents &&
              CHolidayStream::kMaxText == CHolidayList::kMaxText);

namespace {

constexpr char kMagic[4] = {'M', 'H', 'O', 'L'};
constexpr const char* kDamaged = MESSAGE_TEXT("CMessage", "The holiday data of the document is damaged.");
// The smallest event of version 1: year, month, day, file and an empty
// name's count; of a version 2 day: year, month, day and name.
constexpr std::size_t kMinEventBytes = 10;
constexpr std::size_t kMinDayBytes = 8;
constexpr std::size_t kMinStringBytes = 4;
constexpr std::size_t kMinPartBytes = 8;

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

bool ValidDay(int year, int month, int day)
{
    return year >= 1 && month >= 1 && month <= 12 && day >= 1 && day <= 31;
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

// The days of one file, as a table: its names and its days.
using Table = std::vector<BYTE>;

Table MakeTable(const CHolidayList& list, const std::vector<const CHolidayEvent*>& events)
{
    std::map<int, DWORD> names;
    std::vector<const std::string*> order;
    CByteWriter days;
    for (const CHolidayEvent* e : events) {
        auto [it, added] = names.emplace(e->m_nName, static_cast<DWORD>(order.size()));
        if (added)
            order.push_back(&list.NameOf(*e));
        days.U16(static_cast<WORD>(e->m_nYear));
        days.U8(static_cast<BYTE>(e->m_nMonth));
        days.U8(static_cast<BYTE>(e->m_nDay));
        days.U32(it->second);
    }
    CByteWriter out;
    out.U32(static_cast<DWORD>(order.size()));
    for (const std::string* name : order)
        WriteText(out, *name);
    out.U32(static_cast<DWORD>(events.size()));
    out.Write(days.Buffer().data(), days.Size());
    return std::move(out.Buffer());
}

// Writes the body of version 2 for the calendars given with their indices;
// tables that are the same byte for byte are written once.
void WriteBody(CByteWriter& out, const std::vector<std::pair<DWORD, const CHolidayList*>>& calendars)
{
    std::map<Table, DWORD> known;
    std::vector<const Table*> tables;
    CByteWriter records;
    for (const auto& [index, list] : calendars) {
        records.U32(index);
        records.U8(static_cast<BYTE>((list->m_bShowNames ? 1 : 0) | (list->m_nWeekNumbers & 3) << 1));
        records.U32(static_cast<DWORD>(list->m_files.size()));
        for (const std::string& file : list->m_files)
            WriteText(records, file);
        // The files with days, in order; days of no file count as file 0.
        std::map<int, std::vector<const CHolidayEvent*>> files;
        for (const CHolidayEvent& e : list->m_events)
            files[e.m_nFile].push_back(&e);
        records.U32(static_cast<DWORD>(files.size()));
        for (const auto& [file, events] : files) {
            auto [it, added] = known.emplace(MakeTable(*list, events), static_cast<DWORD>(tables.size()));
            if (added)
                tables.push_back(&it->first);
            records.U32(static_cast<DWORD>(file));
            records.U32(it->second);
        }
    }
    out.U32(static_cast<DWORD>(tables.size()));
    for (const Table* table : tables)
        out.Write(table->data(), table->size());
    out.U32(static_cast<DWORD>(calendars.size()));
    out.Write(records.Buffer().data(), records.Size());
}

struct CTable {
    std::vector<std::string> names;
    std::vector<CHolidayEvent> days;
};

bool ReadTable(CByteReader& in, CTable* table)
{
    const DWORD names = in.U32();
    if (in.Failed() || names > CHolidayStream::kMaxEvents ||
        static_cast<unsigned long long>(names) * kMinStringBytes > in.Remaining())
        return false;
    table->names.resize(names);
    for (std::string& name : table->names) {
        if (!ReadText(in, &name))
            return false;
    }
    const DWORD days = in.U32();
    if (in.Failed() || days > CHolidayStream::kMaxEvents ||
        static_cast<unsigned long long>(days) * kMinDayBytes > in.Remaining())
        return false;
    table->days.reserve(days);
    for (DWORD i = 0; i < days; ++i) {
        CHolidayEvent e;
        e.m_nYear = in.U16();
        e.m_nMonth = in.U8();
        e.m_nDay = in.U8();
        const DWORD name = in.U32();
        if (in.Failed() || !ValidDay(e.m_nYear, e.m_nMonth, e.m_nDay) || name >= names)
            return false;
        e.m_nName = static_cast<int>(name);
        table->days.push_back(e);
    }
    return true;
}

// The start of a calendar's record in both versions: the flags and the
// files.
bool ReadFlagsAndFiles(CByteReader& in, CHolidayList* read)
{
    const BYTE flags = in.U8();
    if (in.Failed() || (flags & ~7u) != 0 || (flags >> 1 & 3) == 3)
        return false;
    read->m_bShowNames = (flags & 1) != 0;
    read->m_nWeekNumbers = flags >> 1 & 3;
    const DWORD files = in.U32();
    if (in.Failed() || files > CHolidayStream::kMaxFiles)
        return false;
    for (DWORD i = 0; i < files; ++i) {
        std::string path;
        if (!ReadText(in, &path) || path.empty())
            return false;
        read->m_files.push_back(std::move(path));
    }
    return true;
}

// One calendar's record of version 2, with the tables read before it.
bool ReadCalendar(CByteReader& in, const std::vector<CTable>& tables, CHolidayList* list)
{
    CHolidayList read;
    if (!ReadFlagsAndFiles(in, &read))
        return false;
    const auto files = static_cast<DWORD>(read.m_files.size());
    const DWORD parts = in.U32();
    if (in.Failed() || parts > std::max<DWORD>(files, 1) ||
        static_cast<unsigned long long>(parts) * kMinPartBytes > in.Remaining())
        return false;
    std::vector<DWORD> seen;
    std::size_t total = 0;
    for (DWORD i = 0; i < parts; ++i) {
        const DWORD file = in.U32();
        const DWORD table = in.U32();
        // Days outlive their files only as the file they came from.
        if (in.Failed() || file >= std::max<DWORD>(files, 1) || table >= tables.size() ||
            std::find(seen.begin(), seen.end(), file) != seen.end())
            return false;
        seen.push_back(file);
        const CTable& t = tables[table];
        total += t.days.size();
        if (total > CHolidayStream::kMaxEvents)
            return false;
        read.AppendDays(t.names, t.days, static_cast<int>(file));
    }
    read.Normalize();
    *list = std::move(read);
    return true;
}

// Reads a body of version 2; each calendar read is handed to take with its
// index, which may refuse it.
template <class Take>
bool ReadBody(CByteReader& in, Take&& take)
{
    const DWORD count = in.U32();
    if (in.Failed() || static_cast<unsigned long long>(count) * 8 > in.Remaining())
        return false;
    std::vector<CTable> tables(count);
    for (CTable& table : tables) {
        if (!ReadTable(in, &table))
            return false;
    }
    const DWORD calendars = in.U32();
    if (in.Failed() || static_cast<unsigned long long>(calendars) * 13 > in.Remaining())
        return false;
    for (DWORD i = 0; i < calendars; ++i) {
        const DWORD index = in.U32();
        CHolidayList list;
        if (in.Failed() || !ReadCalendar(in, tables, &list) || !take(index, std::move(list)))
            return false;
    }
    return true;
}

// One calendar's record of version 1.
bool ReadRecordV1(CByteReader& in, CHolidayList* list)
{
    CHolidayList read;
    if (!ReadFlagsAndFiles(in, &read))
        return false;
    const DWORD events = in.U32();
    if (in.Failed() || events > CHolidayStream::kMaxEvents ||
        static_cast<unsigned long long>(events) * kMinEventBytes > in.Remaining())
        return false;
    read.m_events.reserve(events);
    std::map<std::string, int> names;
    for (DWORD i = 0; i < events; ++i) {
        CHolidayEvent e;
        e.m_nYear = in.U16();
        e.m_nMonth = in.U8();
        e.m_nDay = in.U8();
        e.m_nFile = in.U16();
        std::string name;
        if (in.Failed() || !ValidDay(e.m_nYear, e.m_nMonth, e.m_nDay) ||
            static_cast<std::size_t>(e.m_nFile) >= std::max<std::size_t>(read.m_files.size(), 1) ||
            !ReadText(in, &name))
            return false;
        auto [it, added] = names.emplace(std::move(name), static_cast<int>(read.m_names.size()));
        if (added)
            read.m_names.push_back(it->first);
        e.m_nName = it->second;
        read.m_events.push_back(e);
    }
    read.Normalize();
    *list = std::move(read);
    return true;
}

}  // namespace

void CHolidayStream::WriteRecord(CByteWriter& out, const CHolidayList& list)
{
    WriteBody(out, {{0, &list}});
}

bool CHolidayStream::ReadRecord(CByteReader& in, CHolidayList* list)
{
    bool taken = false;
    CHolidayList read;
    const bool ok = ReadBody(in, [&](DWORD index, CHolidayList&& l) {
        if (index != 0 || taken)
            return false;
        read = std::move(l);
        taken = true;
        return true;
    });
    if (!ok || !taken)
        return false;
    *list = std::move(read);
    return true;
}

bool CHolidayStream::Write(const CDrawDoc& doc, std::vector<BYTE>* bytes)
{
    return Write(*doc.GetObjects(), bytes);
}

bool CHolidayStream::Read(const std::vector<BYTE>& bytes, CDrawDoc* doc, CMessageOut error)
{
    return Read(bytes, *doc->GetObjects(), error);
}

bool CHolidayStream::Write(const std::list<CDrawObj*>& list, std::vector<BYTE>* bytes)
{
    const std::vector<CDrawRect*> objects = CalendarsByIndex(list);
    std::vector<std::pair<DWORD, const CHolidayList*>> calendars;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        if (objects[i] && !objects[i]->m_holidays.IsEmpty())
            calendars.emplace_back(static_cast<DWORD>(i), &objects[i]->m_holidays);
    }
    if (calendars.empty())
        return false;
    CByteWriter out;
    out.Write(kMagic, sizeof kMagic);
    out.U16(kVersion);
    WriteBody(out, calendars);
    *bytes = std::move(out.Buffer());
    return true;
}

bool CHolidayStream::Read(const std::vector<BYTE>& bytes, const std::list<CDrawObj*>& list, CMessageOut error)
{
    auto fail = [error](const char* why) {
        error.Set(CMessage(why));
        return false;
    };
    CByteReader in(bytes);
    char magic[4];
    in.Read(magic, sizeof magic);
    const WORD version = in.U16();
    if (in.Failed() || std::memcmp(magic, kMagic, sizeof kMagic) != 0)
        return fail(kDamaged);
    if (version != 1 && version != kVersion)
        return fail(MESSAGE_TEXT("CMessage", "The holiday data of the document was written by a newer version."));

    const std::vector<CDrawRect*> objects = CalendarsByIndex(list);
    std::map<DWORD, CHolidayList> lists;
    auto take = [&](DWORD index, CHolidayList&& holidays) {
        if (index >= objects.size() || !objects[index] || lists.count(index))
            return false;
        lists[index] = std::move(holidays);
        return true;
    };
    bool ok = true;
    if (version == 1) {
        const DWORD count = in.U32();
        ok = !in.Failed() && count <= objects.size();
        for (DWORD i = 0; ok && i < count; ++i) {
            const DWORD index = in.U32();
            CHolidayList holidays;
            ok = !in.Failed() && ReadRecordV1(in, &holidays) && take(index, std::move(holidays));
        }
    } else {
        ok = ReadBody(in, take);
    }
    if (!ok || !in.AtEnd())
        return fail(kDamaged);
    for (auto& [index, holidays] : lists)
        objects[index]->m_holidays = std::move(holidays);
    return true;
}
