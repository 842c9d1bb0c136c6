#include "view/PageOutput.h"

#include "app/MessageBox.h"
#include "document/DocSummary.h"
#include "document/DrawDoc.h"
#include "objects/DrawObj.h"
#include "platform/PageExport.h"
#include "platform/QtDC.h"
#include "platform/TranslatedMessage.h"
#include "properties/PreviewFileDialog.h"
#include "view/DesignDocument.h"
#include "view/DrawView.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtGui/QPainter>
#include <QtGui/QUndoStack>
#include <QtPrintSupport/QPrintDialog>
#include <QtPrintSupport/QPrintPreviewDialog>
#include <QtPrintSupport/QPrinter>
#include <QtWidgets/QApplication>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QVBoxLayout>

#include <algorithm>

namespace {

// The page size as an undoable step, for a page made to fit the paper.
class CPageSizeCommand : public QUndoCommand {
public:
    CPageSizeCommand(CDesignDocument* design, CSize before, CSize after)
        : QUndoCommand(QCoreApplication::translate("PageOutput", "Page Size")), m_pDesign(design), m_before(before), m_after(after)
    {
    }
    void undo() override { Apply(m_before); }
    void redo() override { Apply(m_after); }

private:
    void Apply(CSize size)
    {
        m_pDesign->Doc()->m_sizePage = size;
        for (ui::CDrawView* view : m_pDesign->Views()) view->OnPageSizeChanged(size);
        m_pDesign->Doc()->UpdateAllViews(nullptr, HINT_UPDATE_WINDOW);
    }
    CDesignDocument* m_pDesign;
    CSize m_before;
    CSize m_after;
};

void SetupPrinter(QPrinter& printer, CDesignDocument* design)
{
    const CSize page = design->Doc()->PageSize();
    printer.setPageSize(QPageSize(QSizeF(page.cx / 100.0, page.cy / 100.0), QPageSize::Inch));
    printer.setFullPage(true);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));
    printer.setFromTo(1, design->Doc()->PageCount());
    printer.setDocName(design->DisplayName());
}

}  // namespace

CSize PageSizeForPaper(const QPrinter& printer)
{
    const QSizeF inches = printer.pageLayout().paintRect(QPageLayout::Inch).size();
    return CSize(static_cast<LONG>(inches.width() * 100 + 0.5), static_cast<LONG>(inches.height() * 100 + 0.5));
}

bool PrintPage(QPrinter* printer, CDesignDocument* design, bool preview)
{
    CDrawDoc* doc = design->Doc();
    // The pages asked for: the print dialog's range or the page shown, else
    // every page.
    int first = 0;
    int last = doc->PageCount() - 1;
    if (printer->printRange() == QPrinter::PageRange && printer->fromPage() > 0) {
        first = std::clamp(printer->fromPage() - 1, 0, last);
        last = std::clamp(printer->toPage() > 0 ? printer->toPage() - 1 : last, first, last);
    } else if (printer->printRange() == QPrinter::CurrentPage) {
        first = last = doc->CurrentPage();
    }
    QPainter painter;
    if (!painter.begin(printer)) return false;
    const QRect area = printer->pageLayout().paintRectPixels(printer->resolution());
    if (!preview && doc->Summary()) doc->Summary()->RecordPrint();
    bool ok = true;
    for (int index = first; index <= last && ok; ++index) {
        if (index > first) ok = printer->newPage();
        CDrawDoc::CPageShown shown(*doc, index);
        doc->m_bPreview = preview;
        for (CDrawObj* obj : *doc->GetObjects()) obj->m_bPreview = preview;
        {
            CQtDC dc(painter, printer->resolution(), printer->resolution(), true);
            PaintPageForPrint(&dc, *doc, area.width(), area.height());
        }
        doc->m_bPreview = 0;
        for (CDrawObj* obj : *doc->GetObjects()) obj->m_bPreview = 0;
    }
    const bool ended = painter.end();
    return ok && ended && printer->printerState() != QPrinter::Error;
}

void PrintDocument(QWidget* parent, CDesignDocument* design)
{
    QPrinter printer(QPrinter::HighResolution);
    SetupPrinter(printer, design);
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(1, design->Doc()->PageCount());
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage);
    dialog.setWindowTitle(QCoreApplication::translate("PageOutput", "Print"));
    // The page keeps its size unless asked: a printout on other paper
    // should not quietly reshape the design.
    auto* options = new QWidget;
    options->setWindowTitle(QCoreApplication::translate("PageOutput", "Calendar Page"));
    auto* fit = new QCheckBox(QCoreApplication::translate("PageOutput", "&Fit the page to the paper"), options);
    fit->setObjectName(QStringLiteral("fitPageToPaper"));
    fit->setToolTip(QCoreApplication::translate("PageOutput", "Give the calendar page the size of the paper's printable area (Undo takes it back)"));
    auto* layout = new QVBoxLayout(options);
    layout->addWidget(fit);
    layout->addStretch(1);
    dialog.setOptionTabs({options});
    if (dialog.exec() != QDialog::Accepted) return;

    CDrawDoc* doc = design->Doc();
    if (fit->isChecked()) {
        const CSize before = doc->PageSize();
        const CSize after = PageSizeForPaper(printer);
        if (after.cx > 0 && after.cy > 0 && !(after == before))
            design->UndoStack()->push(new CPageSizeCommand(design, before, after));
    }
    if (!PrintPage(&printer, design, false)) {
        const QString target = printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()
                                   ? QCoreApplication::translate("PageOutput", "the file \"%1\"").arg(QDir::toNativeSeparators(printer.outputFileName()))
                                   : QCoreApplication::translate("PageOutput", "the printer \"%1\"").arg(printer.printerName());
        ShowMessage(parent, QCoreApplication::translate("PageOutput", "The calendar could not be printed: %1 did not take the page.").arg(target),
                    QMessageBox::Critical);
        return;
    }
    // The print stamp is a change of the document.
    design->SetModified();
}

void PreviewDocument(QWidget* parent, CDesignDocument* design)
{
    QPrinter printer(QPrinter::HighResolution);
    SetupPrinter(printer, design);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QCoreApplication::translate("PageOutput", "Print Preview"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, [design](QPrinter* p) { PrintPage(p, design, true); });
    dialog.resize(900, 1000);
    dialog.exec();
}

const QList<int>& ExportResolutions()
{
    static const QList<int> dpi{100, 150, 300, 600};
    return dpi;
}

bool ExportPictureTo(CDesignDocument* design, const QString& path, QString* error, const CProgressReport& progress,
                     int dpi, bool everyPage)
{
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext != QLatin1String("bmp") && ext != QLatin1String("jpg")) {
        if (error) *error = QCoreApplication::translate("PageOutput", "ERROR: File extension must be - bmp or jpg.");
        return false;
    }
    CDrawDoc* doc = design->Doc();
    const int count = doc->PageCount();
    const int first = everyPage ? 0 : doc->CurrentPage();
    const int last = everyPage ? count - 1 : doc->CurrentPage();
    // Three steps a page: painted, converted, written.
    if (progress.m_begin) progress.m_begin(QCoreApplication::translate("PageOutput", "Saving the calendar picture..."), 0, 3 * (last - first + 1));
    CMessage why;
    bool ok = true;
    for (int index = first; index <= last && ok; ++index) {
        CDrawDoc::CPageShown shown(*doc, index);
        const std::string target = everyPage ? NumberedPagePath(QFile::encodeName(path).toStdString(), index, count)
                                             : QFile::encodeName(path).toStdString();
        const int done = 3 * (index - first);
        ok = ExportPagePicture(*doc, target, dpi, &why, [&progress, done](int step) {
            if (progress.m_set) progress.m_set(done + step);
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        });
    }
    if (progress.m_end) progress.m_end();
    if (!ok && error) *error = TranslatedMessage(why);
    return ok;
}

void ExportPicture(QWidget* parent, CDesignDocument* design, const CProgressReport& progress)
{
    // The resolution chosen last is offered again.
    static int s_nDpi = 100;
    const QString cwd = QDir::currentPath();
    QString path;
    int dpi = s_nDpi;
    bool everyPage = false;
    {
        CPreviewFileDialog dialog(
            false, true, QCoreApplication::translate("PageOutput", "Save Calendar Image As.."),
            QCoreApplication::translate("PageOutput", "JPEG Files (*.jpg) |*.jpg;*.jpeg|Bitmap Files (*.bmp) |*.bmp|All Files (*.*)|*.*||"),
            StartPath(FileKind::PagePicture), parent);
        // The resolution sits under the file type, as one more row of the
        // dialog's own grid.
        auto* resolution = new QComboBox(&dialog);
        resolution->setObjectName(QStringLiteral("resolution"));
        for (int d : ExportResolutions()) resolution->addItem(QCoreApplication::translate("PageOutput", "%1 dpi").arg(d), d);
        resolution->setCurrentIndex(std::max<int>(0, ExportResolutions().indexOf(s_nDpi)));
        resolution->setToolTip(QCoreApplication::translate("PageOutput", "100 dpi gives one pixel per 0.01 inch of the page; more gives a picture fit for print"));
        auto* label = new QLabel(QCoreApplication::translate("PageOutput", "&Resolution:"), &dialog);
        label->setBuddy(resolution);
        // A document of several pages: the page shown, or every page in
        // pictures of their own.
        QComboBox* pages = nullptr;
        QLabel* pagesLabel = nullptr;
        if (design->Doc()->PageCount() > 1) {
            pages = new QComboBox(&dialog);
            pages->setObjectName(QStringLiteral("pages"));
            pages->addItem(QCoreApplication::translate("PageOutput", "The page shown (page %1)").arg(design->Doc()->CurrentPage() + 1));
            pages->addItem(QCoreApplication::translate("PageOutput", "Every page (NAME-01, NAME-02 ...)"));
            pagesLabel = new QLabel(QCoreApplication::translate("PageOutput", "&Pages:"), &dialog);
            pagesLabel->setBuddy(pages);
        }
        if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
            const int row = grid->rowCount();
            grid->addWidget(label, row, 0);
            grid->addWidget(resolution, row, 1);
            if (pages) {
                grid->addWidget(pagesLabel, row + 1, 0);
                grid->addWidget(pages, row + 1, 1);
            }
        }
        if (dialog.exec() == QDialog::Accepted) {
            path = dialog.ChosenPath();
            NoteChosenFile(FileKind::PagePicture, path);
            dpi = resolution->currentData().toInt();
            everyPage = pages && pages->currentIndex() == 1;
        }
    }
    QDir::setCurrent(cwd);
    if (path.isEmpty()) return;
    s_nDpi = dpi;
    QString error;
    if (!ExportPictureTo(design, path, &error, progress, dpi, everyPage)) {
        ShowMessage(parent, error.isEmpty() ? QCoreApplication::translate("PageOutput", "The picture could not be written.") : error,
                    QMessageBox::Critical);
    }
}

void ExportPdf(QWidget* parent, CDesignDocument* design)
{
    QString initial;
    if (!design->FilePath().isEmpty())
        initial = QFileInfo(design->FilePath()).absolutePath() + "/" + QFileInfo(design->FilePath()).completeBaseName() + ".pdf";
    QString path = GetSaveFileNameWithPreview(parent, FileKind::PagePicture, QCoreApplication::translate("PageOutput", "Export as PDF"),
                                              QCoreApplication::translate("PageOutput", "PDF Files (*.pdf)|*.pdf||"), initial, false);
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
    CMessage why;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = ExportPagePdf(*design->Doc(), QFile::encodeName(path).toStdString(), &why);
    QApplication::restoreOverrideCursor();
    if (!ok) ShowMessage(parent, TranslatedMessage(why), QMessageBox::Critical);
}
