#include "view/PageOutput.h"

#include "app/MessageBox.h"
#include "document/DocSummary.h"
#include "document/DrawDoc.h"
#include "objects/DrawObj.h"
#include "platform/PageExport.h"
#include "platform/QtDC.h"
#include "properties/PreviewFileDialog.h"
#include "view/DesignDocument.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtGui/QPainter>
#include <QtPrintSupport/QPrintDialog>
#include <QtPrintSupport/QPrintPreviewDialog>
#include <QtPrintSupport/QPrinter>
#include <QtWidgets/QApplication>

namespace {

// The document takes its page size from the printer it was printed on.
void FollowPrinter(CDesignDocument* design, QPrinter* printer)
{
    const QSizeF mm = printer->pageLayout().paintRect(QPageLayout::Millimeter).size();
    CDrawDoc::SetPrinterQuery([mm](CSize* printable) {
        if (mm.width() <= 0 || mm.height() <= 0) return false;
        *printable = CSize(static_cast<LONG>(mm.width() + 0.5), static_cast<LONG>(mm.height() + 0.5));
        return true;
    });
    const CSize before = design->Doc()->PageSize();
    design->Doc()->UpdatePageSize();
    CDrawDoc::SetPrinterQuery({});
    if (!(design->Doc()->PageSize() == before)) design->SetModified();
}

void SetupPrinter(QPrinter& printer, CDesignDocument* design)
{
    const CSize page = design->Doc()->PageSize();
    printer.setPageSize(QPageSize(QSizeF(page.cx / 100.0, page.cy / 100.0), QPageSize::Inch));
    printer.setFullPage(true);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));
    printer.setFromTo(1, 1);
    printer.setDocName(design->DisplayName());
}

}  // namespace

void PrintPage(QPrinter* printer, CDesignDocument* design, bool preview)
{
    CDrawDoc* doc = design->Doc();
    QPainter painter;
    if (!painter.begin(printer)) return;
    const QRect area = printer->pageLayout().paintRectPixels(printer->resolution());
    doc->m_bPreview = preview;
    for (CDrawObj* obj : *doc->GetObjects()) obj->m_bPreview = preview;
    if (!preview && doc->Summary()) doc->Summary()->RecordPrint();
    {
        CQtDC dc(painter, printer->resolution(), printer->resolution(), true);
        PaintPageForPrint(&dc, *doc, area.width(), area.height());
    }
    painter.end();
    doc->m_bPreview = 0;
    for (CDrawObj* obj : *doc->GetObjects()) obj->m_bPreview = 0;
}

void PrintDocument(QWidget* parent, CDesignDocument* design)
{
    QPrinter printer(QPrinter::HighResolution);
    SetupPrinter(printer, design);
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(1, 1);
    dialog.setWindowTitle(QStringLiteral("Print"));
    if (dialog.exec() != QDialog::Accepted) return;
    PrintPage(&printer, design, false);
    // The print stamp is a change of the document.
    design->SetModified();
    FollowPrinter(design, &printer);
}

void PreviewDocument(QWidget* parent, CDesignDocument* design)
{
    QPrinter printer(QPrinter::HighResolution);
    SetupPrinter(printer, design);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Print Preview"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, [design](QPrinter* p) { PrintPage(p, design, true); });
    dialog.resize(900, 1000);
    dialog.exec();
}

bool ExportPictureTo(CDesignDocument* design, const QString& path, QString* error, const CProgressReport& progress)
{
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext != QLatin1String("bmp") && ext != QLatin1String("jpg")) {
        if (error) *error = QStringLiteral("ERROR: File extension must be - bmp or jpg.");
        return false;
    }
    if (progress.m_begin) progress.m_begin(QStringLiteral("Saving the calendar picture..."), 0, 3);
    std::string why;
    const bool ok = ExportPagePicture(*design->Doc(), QFile::encodeName(path).toStdString(), 100, &why,
                                      [&progress](int step) {
                                          if (progress.m_set) progress.m_set(step);
                                          QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
                                      });
    if (progress.m_end) progress.m_end();
    if (!ok && error) *error = QString::fromStdString(why);
    return ok;
}

void ExportPicture(QWidget* parent, CDesignDocument* design, const CProgressReport& progress)
{
    const QString cwd = QDir::currentPath();
    const QString path = GetSaveFileNameWithPreview(
        parent, FileKind::PagePicture, QStringLiteral("Save Calendar Image As.."),
        QStringLiteral("JPEG Files (*.jpg) |*.jpg;*.jpeg|Bitmap Files (*.bmp) |*.bmp|All Files (*.*)|*.*||"));
    QDir::setCurrent(cwd);
    if (path.isEmpty()) return;
    QString error;
    if (!ExportPictureTo(design, path, &error, progress)) {
        ShowMessage(parent, error.isEmpty() ? QStringLiteral("The picture could not be written.") : error,
                    QMessageBox::Critical);
    }
}

void ExportPdf(QWidget* parent, CDesignDocument* design)
{
    QString initial;
    if (!design->FilePath().isEmpty())
        initial = QFileInfo(design->FilePath()).absolutePath() + "/" + QFileInfo(design->FilePath()).completeBaseName() + ".pdf";
    QString path = GetSaveFileNameWithPreview(parent, FileKind::PagePicture, QStringLiteral("Export as PDF"),
                                              QStringLiteral("PDF Files (*.pdf)|*.pdf||"), initial, false);
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
    std::string why;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = ExportPagePdf(*design->Doc(), QFile::encodeName(path).toStdString(), &why);
    QApplication::restoreOverrideCursor();
    if (!ok) ShowMessage(parent, QString::fromStdString(why), QMessageBox::Critical);
}
