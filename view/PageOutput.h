#pragma once

// Printing, print preview and the two exports of a page (a picture, a PDF),
// all through the one page painting routine on another surface.

#include "objects/Types.h"

#include <QtCore/QList>
#include <QtCore/QString>

#include <functional>

class CDesignDocument;
class QPrinter;
class QWidget;

// Progress of a long job, shown by the main frame's status bar.
struct CProgressReport {
    std::function<void(const QString& text, int low, int high)> m_begin;
    std::function<void(int position)> m_set;
    std::function<void()> m_end;
};

// Paints the document's pages on a printer (or a preview's printer): every
// page, or the printer's range of pages or its current page, each stretched
// over the printable area, no grid, no handles. When really printing, the
// summary records the print. False when the printer refused a page.
bool PrintPage(QPrinter* printer, CDesignDocument* design, bool preview);
// The print dialog, then printing; a failure is shown. The page keeps its
// size unless the user ticks "Fit the page to the paper" in the dialog's
// options, which makes the change of size one undoable step.
void PrintDocument(QWidget* parent, CDesignDocument* design);
void PreviewDocument(QWidget* parent, CDesignDocument* design);
// The page size that fills a printer's printable area.
CSize PageSizeForPaper(const QPrinter& printer);
// The resolutions "Save Calendar Image As.." offers, in dots per inch.
const QList<int>& ExportResolutions();
// "Save Calendar Image As..": asks for a file, a resolution and (for a
// document of several pages) the page shown or every page, and writes the
// page as a JPEG or BMP picture, with progress; errors are shown, never
// hidden.
void ExportPicture(QWidget* parent, CDesignDocument* design, const CProgressReport& progress);
// Writes the page shown to a picture file without asking, or every page
// (NAME-01.jpg, NAME-02.jpg ...); the message on failure.
bool ExportPictureTo(CDesignDocument* design, const QString& path, QString* error,
                     const CProgressReport& progress = {}, int dpi = 100, bool everyPage = false);
// "Export as PDF...": asks for a file and writes every page as a PDF.
void ExportPdf(QWidget* parent, CDesignDocument* design);
