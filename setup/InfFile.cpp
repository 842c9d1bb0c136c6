#include "setup/InfFile.h"

#include <cstdio>
#include <sys/stat.h>

namespace {

// Substituted text may not grow without bound: a line of many references
// to a long string would otherwise make megabytes out of a small script.
constexpr std::size_t kMaxSubstituted = 64 * 1024;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string Trim(std::string_view s)
{
    std::size_t b = 0, e = s.size();
    while (b < e && IsBlank(s[b])) ++b;
    while (e > b && IsBlank(s[e - 1])) --e;
    return std::string(s.substr(b, e - b));
}

// Removes the quotes of a field: "a ""b"" c" is a "b" c.
std::string Unquote(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    bool quoted = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        char c = s[i];
        if (c == '"') {
            if (quoted && i + 1 < s.size() && s[i + 1] == '"') {
                out += '"';
                ++i;
            } else {
                quoted = !quoted;
            }
        } else {
            out += c;
        }
    }
    return out;
}

// Splits at the commas that stand outside quotes; each field trimmed and
// unquoted. An empty text gives no fields; "a," gives "a" and "".
std::vector<std::string> SplitFields(std::string_view s)
{
    std::vector<std::string> fields;
    if (Trim(s).empty()) return fields;
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= s.size(); ++i) {
        if (i < s.size() && s[i] == '"') quoted = !quoted;
        if (i == s.size() || (s[i] == ',' && !quoted)) {
            fields.push_back(Unquote(Trim(s.substr(start, i - start))));
            start = i + 1;
        }
    }
    return fields;
}

// The position of the first '=' outside quotes, or npos.
std::size_t FindEquals(std::string_view s)
{
    bool quoted = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '"') quoted = !quoted;
        else if (s[i] == '=' && !quoted) return i;
    }
    return std::string_view::npos;
}

}  // namespace

std::string InfLower(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string CInfFile::Where(int line) const
{
    return m_strFileName + ":" + std::to_string(line) + ": ";
}

bool CInfFile::Fail(int line, const std::string& message)
{
    m_strError = line > 0 ? Where(line) + message : m_strFileName + ": " + message;
    return false;
}

const CInfSection* CInfFile::FindSection(std::string_view name) const
{
    const std::string lower = InfLower(name);
    for (const CInfSection& s : m_sections)
        if (InfLower(s.m_strName) == lower) return &s;
    return nullptr;
}

bool CInfFile::AddLogicalLine(const std::string& raw, int line)
{
    const std::string text = Trim(raw);
    if (text.empty()) return true;
    if (text.size() > kMaxLineLength)
        return Fail(line, "the line is longer than " + std::to_string(kMaxLineLength) + " characters");

    if (text[0] == '[') {
        const std::size_t close = text.find(']');
        if (close == std::string::npos) return Fail(line, "the section name has no closing ]");
        if (!Trim(std::string_view(text).substr(close + 1)).empty())
            return Fail(line, "text after the section name's closing ]");
        const std::string name = Trim(std::string_view(text).substr(1, close - 1));
        if (name.empty()) return Fail(line, "a section without a name");
        // A section written twice continues where it left off, as in any INF reader.
        for (std::size_t i = 0; i < m_sections.size(); ++i) {
            if (InfLower(m_sections[i].m_strName) == InfLower(name)) {
                CInfSection moved = std::move(m_sections[i]);
                m_sections.erase(m_sections.begin() + static_cast<std::ptrdiff_t>(i));
                m_sections.push_back(std::move(moved));
                return true;
            }
        }
        m_sections.push_back(CInfSection{name, line, {}});
        return true;
    }

    if (m_sections.empty()) return Fail(line, "a line outside any section");
    CInfLine entry;
    entry.m_nLine = line;
    const std::size_t eq = FindEquals(text);
    if (eq != std::string::npos) {
        entry.m_bHasKey = true;
        entry.m_strKey = Unquote(Trim(std::string_view(text).substr(0, eq)));
        if (entry.m_strKey.empty()) return Fail(line, "a line with \"=\" but no key before it");
        entry.m_fields = SplitFields(std::string_view(text).substr(eq + 1));
    } else {
        entry.m_fields = SplitFields(text);
    }

    CInfSection& section = m_sections.back();
    if (InfLower(section.m_strName) == "strings") {
        if (!entry.m_bHasKey) return Fail(line, "a line of [Strings] needs the form key = \"value\"");
        if (entry.m_fields.size() > 1) return Fail(line, "a string with a comma in it must be quoted");
        m_strings[InfLower(entry.m_strKey)] = entry.m_fields.empty() ? std::string() : entry.m_fields[0];
    }
    section.m_lines.push_back(std::move(entry));
    return true;
}

bool CInfFile::Parse(std::string_view text, const std::string& fileName)
{
    m_strFileName = fileName;
    m_strError.clear();
    m_sections.clear();
    m_strings.clear();
    if (text.size() > kMaxFileSize) return Fail(0, "the script is larger than 1 MiB");
    // A byte order mark is allowed in front of the first line.
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);

    std::string pending;  // a logical line continued with "\"
    int pendingLine = 0;
    int lineNo = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view physical = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNo;
        if (!physical.empty() && physical.back() == '\r') physical.remove_suffix(1);

        std::string content;
        bool quoted = false;
        for (char c : physical) {
            if (static_cast<unsigned char>(c) < 0x20 && c != '\t')
                return Fail(lineNo, "a control character in the line");
            if (c == '"') quoted = !quoted;
            else if (c == ';' && !quoted) break;
            content += c;
        }
        if (quoted) return Fail(lineNo, "a quoted text is not closed on its line");
        if (pending.empty()) pendingLine = lineNo;
        std::string trimmed = Trim(content);
        if (!trimmed.empty() && trimmed.back() == '\\') {
            trimmed.pop_back();
            pending += trimmed;
            if (pending.size() > kMaxLineLength)
                return Fail(pendingLine, "the line is longer than " + std::to_string(kMaxLineLength) + " characters");
            continue;
        }
        pending += trimmed;
        if (!AddLogicalLine(pending, pendingLine)) return false;
        pending.clear();
    }
    if (!pending.empty() && !AddLogicalLine(pending, pendingLine)) return false;
    return true;
}

bool CInfFile::Load(const std::string& path)
{
    m_strFileName = path;
    m_sections.clear();
    m_strings.clear();
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return Fail(0, "the installation script cannot be found");
    if (!S_ISREG(st.st_mode)) return Fail(0, "the installation script is not a regular file");
    if (static_cast<unsigned long long>(st.st_size) > kMaxFileSize) return Fail(0, "the script is larger than 1 MiB");
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return Fail(0, "the installation script cannot be read");
    std::string text;
    char buf[8192];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) {
        text.append(buf, n);
        if (text.size() > kMaxFileSize) break;
    }
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed) return Fail(0, "the installation script cannot be read");
    // Messages name the script by its file name; the folder is known.
    const std::size_t slash = path.find_last_of('/');
    return Parse(text, slash == std::string::npos ? path : path.substr(slash + 1));
}

bool CInfFile::Substitute(const std::string& text, int line, const std::map<int, std::string>& dirIds,
                          std::string* out, std::string* error) const
{
    out->clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            *out += text[i];
            continue;
        }
        const std::size_t close = text.find('%', i + 1);
        if (close == std::string::npos) {
            *error = Where(line) + "a % without its closing % (write %% for a percent sign)";
            return false;
        }
        const std::string name = text.substr(i + 1, close - i - 1);
        i = close;
        if (name.empty()) {
            *out += '%';
        } else if (name.size() <= 9 && name.find_first_not_of("0123456789") == std::string::npos) {
            auto it = dirIds.find(std::stoi(name));
            if (it == dirIds.end()) {
                *error = Where(line) + "the directory id %" + name + "% is not known (only 65600, the destination)";
                return false;
            }
            *out += it->second;
        } else {
            auto it = m_strings.find(InfLower(name));
            if (it == m_strings.end()) {
                *error = Where(line) + "the string %" + name + "% is not defined in [Strings]";
                return false;
            }
            // A string's own %% stands for a percent sign; nothing else in it is replaced.
            const std::string& value = it->second;
            for (std::size_t k = 0; k < value.size(); ++k) {
                *out += value[k];
                if (value[k] == '%' && k + 1 < value.size() && value[k + 1] == '%') ++k;
            }
        }
        if (out->size() > kMaxSubstituted) {
            *error = Where(line) + "the line grows too long when its strings are put in";
            return false;
        }
    }
    return true;
}
