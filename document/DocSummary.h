#pragma once

// The summary information of a calendar document (title, author, dates,
// revision, editing time, counts), kept as the standard summary property set
// in the document's compound file so that other programs can show it too.

#include "document/PropertySet.h"

#include <cstdint>
#include <string>

class CStorage;

class CDocSummary {
public:
    // Property ids of the summary section.
    enum : DWORD {
        PID_CODEPAGE = 1,
        PID_TITLE = 2,
        PID_SUBJECT = 3,
        PID_AUTHOR = 4,
        PID_KEYWORDS = 5,
        PID_COMMENTS = 6,
        PID_TEMPLATE = 7,
        PID_LASTAUTHOR = 8,
        PID_REVNUMBER = 9,
        PID_EDITTIME = 10,
        PID_LASTPRINTED = 11,
        PID_CREATE_DTM = 12,
        PID_LASTSAVE_DTM = 13,
        PID_PAGECOUNT = 14,
        PID_WORDCOUNT = 15,
        PID_CHARCOUNT = 16,
        PID_APPNAME = 18,
        PID_SECURITY = 0x80000002,
    };
    // Strings are UTF-8, which is what the code page property says.
    static constexpr int kCodePageUtf8 = 65001;
    // The name of the summary stream in the root storage.
    static const char* const kStreamName;

    CDocSummary();

    // Texts.
    void SetTitle(const std::string& text) { SetString(PID_TITLE, text); }
    std::string GetTitle() const { return GetString(PID_TITLE); }
    void SetSubject(const std::string& text) { SetString(PID_SUBJECT, text); }
    std::string GetSubject() const { return GetString(PID_SUBJECT); }
    void SetAuthor(const std::string& text) { SetString(PID_AUTHOR, text); }
    std::string GetAuthor() const { return GetString(PID_AUTHOR); }
    void SetKeywords(const std::string& text) { SetString(PID_KEYWORDS, text); }
    std::string GetKeywords() const { return GetString(PID_KEYWORDS); }
    void SetComments(const std::string& text) { SetString(PID_COMMENTS, text); }
    std::string GetComments() const { return GetString(PID_COMMENTS); }
    void SetTemplate(const std::string& text) { SetString(PID_TEMPLATE, text); }
    std::string GetTemplate() const { return GetString(PID_TEMPLATE); }
    void SetLastAuthor(const std::string& text) { SetString(PID_LASTAUTHOR, text); }
    std::string GetLastAuthor() const { return GetString(PID_LASTAUTHOR); }
    void SetAppName(const std::string& text) { SetString(PID_APPNAME, text); }
    std::string GetAppName() const { return GetString(PID_APPNAME); }
    void SetRevisionNumber(const std::string& text) { SetString(PID_REVNUMBER, text); }
    std::string GetRevisionNumber() const { return GetString(PID_REVNUMBER); }

    // Times are FILETIME values: 100 ns units since 1601-01-01 UTC.
    void SetEditTime(std::uint64_t units) { SetValue(PID_EDITTIME, static_cast<std::int64_t>(units)); }
    std::uint64_t GetEditTimeValue() const { return static_cast<std::uint64_t>(GetValue(PID_EDITTIME)); }
    void SetLastPrinted(std::uint64_t time) { SetValue(PID_LASTPRINTED, static_cast<std::int64_t>(time)); }
    std::uint64_t GetLastPrintedValue() const { return static_cast<std::uint64_t>(GetValue(PID_LASTPRINTED)); }
    void SetCreated(std::uint64_t time) { SetValue(PID_CREATE_DTM, static_cast<std::int64_t>(time)); }
    std::uint64_t GetCreatedValue() const { return static_cast<std::uint64_t>(GetValue(PID_CREATE_DTM)); }
    void SetLastSaved(std::uint64_t time) { SetValue(PID_LASTSAVE_DTM, static_cast<std::int64_t>(time)); }
    std::uint64_t GetLastSavedValue() const { return static_cast<std::uint64_t>(GetValue(PID_LASTSAVE_DTM)); }

    // Counts.
    void SetNumPages(DWORD n) { SetValue(PID_PAGECOUNT, static_cast<std::int32_t>(n)); }
    DWORD GetNumPagesValue() const { return static_cast<DWORD>(GetValue(PID_PAGECOUNT)); }
    void SetNumWords(DWORD n) { SetValue(PID_WORDCOUNT, static_cast<std::int32_t>(n)); }
    void SetNumChars(DWORD n) { SetValue(PID_CHARCOUNT, static_cast<std::int32_t>(n)); }
    void SetSecurity(DWORD n) { SetValue(PID_SECURITY, static_cast<std::int32_t>(n)); }
    int GetCodePage() const { return static_cast<int>(GetValue(PID_CODEPAGE)); }

    // Display texts of the Statistics page: "%lu min", the local date and
    // time (empty for 0), "%lu".
    std::string GetEditTime() const;
    std::string GetLastPrintDate() const;
    std::string GetCreateDate() const;
    std::string GetLastSaveDate() const;
    std::string GetNumPages() const;
    std::string GetNumWords() const;
    std::string GetNumChars() const;
    std::string GetSecurity() const;

    // Editing periods and revision.
    void StartEditingPeriod(std::uint64_t now = NowFileTime());
    void AddEditingTime(std::uint64_t now = NowFileTime());
    void IncrementRevision();

    // The life of a document.
    void RecordNew(std::uint64_t now = NowFileTime());   // new document
    void RecordOpen(std::uint64_t now = NowFileTime());  // before reading the stream
    void RecordSave(std::uint64_t now = NowFileTime());
    void RecordPrint(std::uint64_t now = NowFileTime());

    // The summary stream in a root storage. Failures write a diagnostic
    // text to the standard error and return false.
    bool WriteTo(CStorage* root) const;
    bool ReadFrom(const CStorage* root);

    const CPropertySet& PropertySet() const { return m_set; }
    static std::uint64_t NowFileTime();
    static std::string FormatFileTime(std::uint64_t time);

private:
    void SetString(DWORD id, const std::string& text);
    std::string GetString(DWORD id) const;
    void SetValue(DWORD id, std::int64_t value);
    std::int64_t GetValue(DWORD id) const;
    CPropertySection& Section();
    const CPropertySection& Section() const;

    CPropertySet m_set;
    std::uint64_t m_editStart = 0;
};
