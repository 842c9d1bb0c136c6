#pragma once

// An installation script in the INF format, read into sections of lines.
// The script comes from outside the program, so every rule it breaks is an
// error that names the file and the line; nothing of the file is trusted.
//
// What the reader understands, as INF files have it: "[Section]" headers,
// "key = value, value" lines and lines of values only, ";" comments outside
// quotes, double-quoted fields with "" for a quote inside them, a "\" at the
// end of a line to continue it on the next, and %key% replaced by the
// [Strings] section's values (%% is a percent sign). Section names and
// string keys are compared without regard to case.

#include <map>
#include <string>
#include <string_view>
#include <vector>

struct CInfLine {
    int m_nLine = 0;          // the line it starts on, counting from 1
    bool m_bHasKey = false;   // written as "key = ..."
    std::string m_strKey;     // unquoted, as written
    std::vector<std::string> m_fields;  // unquoted, not yet substituted
};

struct CInfSection {
    std::string m_strName;
    int m_nLine = 0;
    std::vector<CInfLine> m_lines;
};

class CInfFile {
public:
    // Scripts larger than this are refused before they are read.
    static constexpr std::size_t kMaxFileSize = 1 << 20;
    // A logical line (continuations joined) may not grow beyond this.
    static constexpr std::size_t kMaxLineLength = 4096;

    // Reads a script from memory; fileName only names it in messages.
    // On failure Error() says what is wrong and where.
    bool Parse(std::string_view text, const std::string& fileName);
    // Reads a script file (a regular file of at most kMaxFileSize bytes).
    bool Load(const std::string& path);

    const std::string& Error() const { return m_strError; }
    const std::string& FileName() const { return m_strFileName; }
    const std::vector<CInfSection>& Sections() const { return m_sections; }
    const CInfSection* FindSection(std::string_view name) const;

    // Replaces %key% by its [Strings] value and %NUMBER% by the directory
    // bound to that id in dirIds. Unknown keys and a lone % are errors
    // (reported against the given line); substituted text is not scanned
    // again, except that a string's %% becomes %.
    bool Substitute(const std::string& text, int line, const std::map<int, std::string>& dirIds,
                    std::string* out, std::string* error) const;

    // "mondrel.inf:12: " for messages about a line.
    std::string Where(int line) const;

private:
    bool Fail(int line, const std::string& message);
    bool AddLogicalLine(const std::string& text, int line);

    std::string m_strFileName;
    std::string m_strError;
    std::vector<CInfSection> m_sections;
    std::map<std::string, std::string> m_strings;  // lower-case key -> value
};

// Lower-case ASCII, for comparing section names and keys.
std::string InfLower(std::string_view text);
