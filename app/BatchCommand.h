#pragma once

// The command line of mondrel without a window: make a calendar as the New
// Calendar Wizard would, open and save documents, export a page as a
// picture, and draw the sample photo of the demo.

#include "document/CalendarGenerator.h"

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct CBatchOptions {
    bool m_bHelp = false;
    bool m_bVersion = false;
    bool m_bNew = false;
    bool m_bListRegions = false;  // --list-holiday-regions
    std::string m_strSamplePhoto;  // --make-sample-photo
    CNewCalendarChoices m_choices;
    std::string m_strSave;
    std::string m_strExport;
    std::string m_strDocument;  // the document to export
    int m_nResolution = 100;
    int m_nPage = 0;  // --page: the one page to export (from 1), 0 for every page
    int m_nWeekNumbers = 0;  // a WeekNumbering, for every calendar
};

class CDrawDoc;

class CBatchCommand {
public:
    // True when the arguments ask for batch mode (no window).
    static bool IsBatch(const std::vector<std::string>& args);
    // The first argument written as an option ("-x", "--x"), or end(): the
    // window takes documents only, so any option makes a command line run.
    static std::vector<std::string>::const_iterator FirstOption(const std::vector<std::string>& args);
    // Parses the arguments (without the program name); on failure returns
    // nothing and error says why.
    static std::optional<CBatchOptions> Parse(const std::vector<std::string>& args, std::string* error);
    // Runs a parsed command; the exit status of the program. opened, when
    // given, is the command's document, already opened by OpenForExport.
    static int Execute(const CBatchOptions& options, std::ostream& out, std::ostream& err,
                       CDrawDoc* opened = nullptr);
    static int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   CDrawDoc* opened = nullptr);
    // The usual batch job, a saved document exported as a picture, can
    // start before the toolkit does: the document is opened and its photos
    // start decoding at the export's resolution. Needs no application
    // object. Null for any other command, or when the document cannot be
    // opened (Run then opens it again and reports why).
    static std::unique_ptr<CDrawDoc> OpenForExport(const std::vector<std::string>& args);
    static std::string Usage();
};
