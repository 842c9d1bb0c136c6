#include "document/DocSummary.h"

#include "document/CompoundFile.h"

#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <ctime>
#include <iostream>

const char* const CDocSummary::kStreamName = "\005SummaryInformation";

namespace {

// The summary's diagnostics are for the developer: a file without a summary
// is ordinary (older files, files of other programs), and the user is not
// told. They are written only when MONDREL_DEBUG is set.
void DebugOutput(const char* text)
{
    const char* debug = std::getenv("MONDREL_DEBUG");
    if (debug && *debug) std::cerr << text;
}

// Seconds between 1601-01-01 and 1970-01-01.
constexpr std::uint64_t kEpochDifference = 11644473600ULL;
constexpr std::uint64_t kUnitsPerSecond = 10000000ULL;
constexpr std::uint64_t kUnitsPerMinute = 60 * kUnitsPerSecond;

CProperty MakeProperty(DWORD id, WORD type, std::int64_t value = 0, const std::string& text = {})
{
    CProperty p;
    p.m_dwId = id;
    p.m_wType = type;
    p.m_nValue = value;
    p.m_strValue = text;
    return p;
}

std::string Unsigned(DWORD value)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%lu", static_cast<unsigned long>(value));
    return buf;
}

}  // namespace

CDocSummary::CDocSummary()
{
    m_set.m_sections.emplace_back();
    CPropertySection& s = m_set.m_sections.back();
    s.m_fmtid = FMTID_SummaryInformation;
    // The order in which they are created is the order in the stream.
    s.m_properties = {
        MakeProperty(PID_CODEPAGE, VT_I2, static_cast<std::int16_t>(kCodePageUtf8)),
        MakeProperty(PID_TITLE, VT_LPSTR),
        MakeProperty(PID_SUBJECT, VT_LPSTR),
        MakeProperty(PID_AUTHOR, VT_LPSTR),
        MakeProperty(PID_KEYWORDS, VT_LPSTR),
        MakeProperty(PID_COMMENTS, VT_LPSTR),
        MakeProperty(PID_TEMPLATE, VT_LPSTR),
        MakeProperty(PID_LASTAUTHOR, VT_LPSTR),
        MakeProperty(PID_REVNUMBER, VT_LPSTR, 0, "0"),
        MakeProperty(PID_EDITTIME, VT_FILETIME),
        MakeProperty(PID_LASTPRINTED, VT_FILETIME),
        MakeProperty(PID_LASTSAVE_DTM, VT_FILETIME),
        MakeProperty(PID_CREATE_DTM, VT_FILETIME),
        MakeProperty(PID_PAGECOUNT, VT_I4),
        MakeProperty(PID_WORDCOUNT, VT_I4),
        MakeProperty(PID_CHARCOUNT, VT_I4),
        MakeProperty(PID_APPNAME, VT_LPSTR),
        MakeProperty(PID_SECURITY, VT_I4),
    };
}

CPropertySection& CDocSummary::Section()
{
    return m_set.m_sections.front();
}

const CPropertySection& CDocSummary::Section() const
{
    return m_set.m_sections.front();
}

void CDocSummary::SetString(DWORD id, const std::string& text)
{
    if (CProperty* p = Section().Find(id)) p->m_strValue = text;
}

std::string CDocSummary::GetString(DWORD id) const
{
    const CProperty* p = Section().Find(id);
    return p ? p->m_strValue : std::string();
}

void CDocSummary::SetValue(DWORD id, std::int64_t value)
{
    if (CProperty* p = Section().Find(id)) p->m_nValue = value;
}

std::int64_t CDocSummary::GetValue(DWORD id) const
{
    const CProperty* p = Section().Find(id);
    return p ? p->m_nValue : 0;
}

std::uint64_t CDocSummary::NowFileTime()
{
    auto since = std::chrono::system_clock::now().time_since_epoch();
    auto units = std::chrono::duration_cast<std::chrono::nanoseconds>(since).count() / 100;
    return static_cast<std::uint64_t>(units) + kEpochDifference * kUnitsPerSecond;
}

std::string CDocSummary::FormatFileTime(std::uint64_t time)
{
    if (time == 0) return {};
    std::uint64_t seconds = time / kUnitsPerSecond;
    std::time_t t = seconds >= kEpochDifference ? static_cast<std::time_t>(seconds - kEpochDifference)
                                                : -static_cast<std::time_t>(kEpochDifference - seconds);
    std::tm local{};
    if (!localtime_r(&t, &local)) return {};
    char buf[128];
    std::size_t n = std::strftime(buf, sizeof buf, "%x %X", &local);
    return std::string(buf, n);
}

std::string CDocSummary::GetEditTime() const
{
    char buf[48];
    std::snprintf(buf, sizeof buf, "%lu min", static_cast<unsigned long>(GetEditTimeValue() / kUnitsPerMinute));
    return buf;
}

std::string CDocSummary::GetLastPrintDate() const { return FormatFileTime(GetLastPrintedValue()); }
std::string CDocSummary::GetCreateDate() const { return FormatFileTime(GetCreatedValue()); }
std::string CDocSummary::GetLastSaveDate() const { return FormatFileTime(GetLastSavedValue()); }
std::string CDocSummary::GetNumPages() const { return Unsigned(static_cast<DWORD>(GetValue(PID_PAGECOUNT))); }
std::string CDocSummary::GetNumWords() const { return Unsigned(static_cast<DWORD>(GetValue(PID_WORDCOUNT))); }
std::string CDocSummary::GetNumChars() const { return Unsigned(static_cast<DWORD>(GetValue(PID_CHARCOUNT))); }
std::string CDocSummary::GetSecurity() const { return Unsigned(static_cast<DWORD>(GetValue(PID_SECURITY))); }

void CDocSummary::StartEditingPeriod(std::uint64_t now)
{
    m_editStart = now;
}

void CDocSummary::AddEditingTime(std::uint64_t now)
{
    // A clock that went backwards adds nothing rather than a huge period.
    if (now > m_editStart) SetEditTime(GetEditTimeValue() + (now - m_editStart));
}

void CDocSummary::IncrementRevision()
{
    unsigned long revision = 0;
    std::sscanf(GetRevisionNumber().c_str(), "%lu", &revision);
    SetRevisionNumber(std::to_string(revision + 1));
}

void CDocSummary::RecordNew(std::uint64_t now)
{
    StartEditingPeriod(now);
    SetCreated(now);
    SetNumPages(1);
    SetAppName("Mondrel");
}

void CDocSummary::RecordOpen(std::uint64_t now)
{
    StartEditingPeriod(now);
}

void CDocSummary::RecordSave(std::uint64_t now)
{
    SetLastSaved(now);
    IncrementRevision();
    SetLastAuthor(GetAuthor());
    AddEditingTime(now);
    StartEditingPeriod(now);
}

void CDocSummary::RecordPrint(std::uint64_t now)
{
    SetLastPrinted(now);
}

bool CDocSummary::WriteTo(CStorage* root) const
{
    if (!root) {
        DebugOutput("CreateStream failed\n");
        return false;
    }
    if (!root->CreateStream(kStreamName, m_set.Write())) {
        DebugOutput("WriteToStream failed\n");
        return false;
    }
    return true;
}

bool CDocSummary::ReadFrom(const CStorage* root)
{
    const std::vector<BYTE>* bytes = root ? root->OpenStream(kStreamName) : nullptr;
    if (!bytes) {
        DebugOutput("OpenStream failed\n");
        return false;
    }
    CPropertySet set;
    const CPropertySection* section = nullptr;
    if (set.Read(*bytes)) section = set.FindSection(FMTID_SummaryInformation);
    if (!section) {
        DebugOutput("ReadFromStream failed\n");
        return false;
    }
    // Known properties of the expected type replace the initial values; the
    // order of our own section is kept.
    CDocSummary fresh;
    for (CProperty& mine : fresh.Section().m_properties) {
        const CProperty* theirs = section->Find(mine.m_dwId);
        if (theirs && theirs->m_wType == mine.m_wType) mine = *theirs;
    }
    m_set = std::move(fresh.m_set);
    m_set.m_dwOSVersion = set.m_dwOSVersion;
    m_set.m_clsid = set.m_clsid;
    return true;
}
