// The print path as a person uses it: the main window's commands "Export as
// PDF", "Print..." (to a PDF file), "Print Preview" and "Save Calendar Image
// as..." on a design with a photo, driven through their dialogs. The PDF
// pages are rasterised with pdftoppm and compared with the picture export
// of the same page.

#include "support/QtTestRegistry.h"

#include "app/AppSettings.h"
#include "app/MainFrame.h"
#include "app/MessageBox.h"
#include "document/CalendarGenerator.h"
#include "document/DrawDoc.h"
#include "objects/DrawRect.h"
#include "properties/PreviewFileDialog.h"
#include "view/DesignDocument.h"
#include "view/PageOutput.h"
#include "view/UndoCommands.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QProcess>
#include <QtCore/QTemporaryDir>
#include <QtGui/QUndoStack>
#include <QtPrintSupport/QPrintDialog>
#include <QtPrintSupport/QPrintPreviewDialog>
#include <QtPrintSupport/QPrintPreviewWidget>
#include <QtPrintSupport/QPrinter>
#include <QtTest/QtTest>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>

#include <cmath>
#include <functional>

namespace {

// The photo's four quarters, left to right and top to bottom.
const QColor kQuarters[4] = {QColor(220, 30, 30), QColor(30, 200, 30), QColor(30, 30, 220), QColor(230, 220, 30)};

QString WritePhoto(const QString& path)
{
    QImage photo(400, 300, QImage::Format_RGB32);
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x) photo.setPixelColor(x, y, kQuarters[(y >= 150) * 2 + (x >= 200)]);
    photo.save(path, "BMP");
    return path;
}

// Runs act on the first window of type T once it shows, as a person would
// answer it. A dialog that never shows within 20 s closes whatever modal
// window waits, so that the test fails instead of hanging.
template <class T>
void WhenShown(const std::function<void(T*)>& act)
{
    auto* timer = new QTimer;
    timer->setInterval(20);
    QElapsedTimer waited;
    waited.start();
    QObject::connect(timer, &QTimer::timeout, [timer, act, waited] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<T*>(window);
            if (!dialog || !dialog->isVisible()) continue;
            timer->stop();
            timer->deleteLater();
            act(dialog);
            return;
        }
        if (waited.elapsed() < 20000) return;
        timer->stop();
        timer->deleteLater();
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) modal->reject();
    });
    timer->start();
}

// Answers the next file dialog with a path (and, when given, a resolution).
void AnswerFileDialog(const QString& path, const QString& resolution = QString())
{
    WhenShown<CPreviewFileDialog>([path, resolution](CPreviewFileDialog* dialog) {
        if (!resolution.isEmpty()) {
            if (auto* combo = dialog->findChild<QComboBox*>(QStringLiteral("resolution")))
                combo->setCurrentIndex(combo->findText(resolution));
        }
        // Typed into the name field, as a person does: selectFile() leaves
        // the field alone while it has the focus, which it has when a second
        // dialog opens.
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        name->setText(path);
        dialog->accept();
    });
}

// Points the print dialog at a PDF file, as a person picks "Print to File"
// and types a name.
void PrintToFile(QPrintDialog* dialog, const QString& pdf)
{
    if (auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"))) {
        for (int i = 0; i < printers->count(); ++i)
            if (printers->itemText(i).contains(QLatin1String("PDF"))) printers->setCurrentIndex(i);
    }
    if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("filename"))) name->setText(pdf);
    dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
    dialog->printer()->setOutputFileName(pdf);
}

// A page rasterised at 100 dots per inch: one pixel per page unit.
QImage Rasterise(const QString& pdf)
{
    const QString stem = pdf + QStringLiteral("-raster");
    QProcess p;
    p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-png"),
                                         QStringLiteral("-singlefile"), pdf, stem});
    p.waitForFinished(60000);
    return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

QColor Average(const QImage& image, QPoint centre, int radius = 4)
{
    long long r = 0, g = 0, b = 0, n = 0;
    for (int y = centre.y() - radius; y <= centre.y() + radius; ++y)
        for (int x = centre.x() - radius; x <= centre.x() + radius; ++x) {
            if (!image.rect().contains(x, y)) continue;
            const QRgb p = image.pixel(x, y);
            r += qRed(p);
            g += qGreen(p);
            b += qBlue(p);
            ++n;
        }
    if (n == 0) return QColor();
    return QColor(int(r / n), int(g / n), int(b / n));
}

bool Near(const QColor& a, const QColor& b, int tolerance = 40)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

double Psnr(const QImage& a, const QImage& b)
{
    double sum = 0;
    long long n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            for (int d : {qRed(p) - qRed(q), qGreen(p) - qGreen(q), qBlue(p) - qBlue(q)}) sum += double(d) * d;
            n += 3;
        }
    const double mse = sum / double(n);
    return mse == 0 ? 99.0 : 10 * std::log10(255.0 * 255.0 / mse);
}

// The photo's rectangle in pixels of a 100 dots per inch page picture.
QRect PhotoPixels(CDrawDoc& doc)
{
    for (CDrawObj* obj : *doc.GetObjects()) {
        auto* rect = dynamic_cast<CDrawRect*>(obj);
        if (!rect || rect->m_nKind != CDrawRect::kindImage) continue;
        const CRect p = rect->m_position.Normalized();
        const CSize page = doc.PageSize();
        // Page units grow upwards from the page's centre.
        return QRect(QPoint(p.left + page.cx / 2, page.cy / 2 - p.bottom),
                     QPoint(p.right + page.cx / 2 - 1, page.cy / 2 - p.top - 1));
    }
    return {};
}

// The centres of the photo's four quarters, inset from their edges.
QList<QPoint> QuarterCentres(const QRect& photo)
{
    const int w = photo.width(), h = photo.height();
    return {photo.topLeft() + QPoint(w / 4, h / 4), photo.topLeft() + QPoint(3 * w / 4, h / 4),
            photo.topLeft() + QPoint(w / 4, 3 * h / 4), photo.topLeft() + QPoint(3 * w / 4, 3 * h / 4)};
}

}  // namespace

class PrintPathTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_strPhoto;

    // A wizard page of one month with the photo, in a window of its own.
    CDesignDocument* NewDesign(CMainFrame& frame)
    {
        CDesignDocument* design = frame.NewDocument(false);
        CNewCalendarChoices choices;
        choices.m_strPhotoPath = m_strPhoto.toStdString();
        choices.m_strPhotoType = "bmp";
        choices.m_nMonths = 1;
        choices.m_nYear = 2027;
        choices.m_bFrame = 1;
        if (!CCalendarGenerator::Generate(*design->Doc(), choices)) return nullptr;
        design->Doc()->UpdateAllViews(nullptr, HINT_UPDATE_WINDOW);
        return design;
    }

    // The page exported as a picture through "Save Calendar Image as...".
    QImage ExportedPicture(CMainFrame& frame, const QString& name)
    {
        const QString path = m_dir.filePath(name);
        AnswerFileDialog(path);
        frame.Action("export_picture")->trigger();
        return QImage(path).convertToFormat(QImage::Format_RGB32);
    }

    // The PDF page agrees with the picture export: the photo's quarters
    // stand where they should in both, and the pages are alike overall.
    void ComparePages(const QImage& pdfPage, const QImage& picture, CDrawDoc& doc, const char* what)
    {
        QCOMPARE(pdfPage.size(), picture.size());
        const QRect photo = PhotoPixels(doc);
        QVERIFY(photo.width() > 100 && photo.height() > 100);
        const QList<QPoint> centres = QuarterCentres(photo);
        for (int i = 0; i < 4; ++i) {
            const QColor inPdf = Average(pdfPage, centres[i]);
            const QColor inPicture = Average(picture, centres[i]);
            QVERIFY2(Near(inPicture, kQuarters[i]), qPrintable(QStringLiteral("%1 picture quarter %2: %3")
                                                                  .arg(what).arg(i).arg(inPicture.name())));
            QVERIFY2(Near(inPdf, kQuarters[i]),
                     qPrintable(QStringLiteral("%1 quarter %2: %3").arg(what).arg(i).arg(inPdf.name())));
        }
        // Outside the photo the page shows the background, not a strip of it.
        const QPoint besides(std::min(photo.right() + 20, picture.width() - 5), photo.center().y());
        QVERIFY(Near(Average(pdfPage, besides), Average(picture, besides)));
        const double psnr = Psnr(pdfPage, picture);
        qInfo("%s against the picture export: PSNR %.1f dB", what, psnr);
        QVERIFY2(psnr > 20, qPrintable(QString::number(psnr)));
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty()) QSKIP("pdftoppm is not installed");
        CHistorySink::Install();
        AppSettings().m_bNoNewWizard = 1;
        m_strPhoto = WritePhoto(m_dir.filePath(QStringLiteral("photo.bmp")));
        SetMessageHook([](const CMessageRequest& r) {
            qWarning("message: %s", qPrintable(r.m_strText));
            return QMessageBox::Ok;
        });
    }

    void cleanupTestCase() { SetMessageHook({}); }

    // First, while no print or preview of the tests below has run: the
    // file dialog is then the only modal window to answer.
    void theChosenResolutionReachesThePictureHeaders_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("resolution");
        QTest::addColumn<int>("dpi");
        QTest::newRow("JPEG at 300 dpi") << "page300.jpg" << "300 dpi" << 300;
        QTest::newRow("BMP at 150 dpi") << "page150.bmp" << "150 dpi" << 150;
        QTest::newRow("JPEG at 100 dpi") << "page100.jpg" << "100 dpi" << 100;
    }
    void theChosenResolutionReachesThePictureHeaders()
    {
        QFETCH(QString, name);
        QFETCH(QString, resolution);
        QFETCH(int, dpi);
        CMainFrame frame;
        frame.show();
        QVERIFY(NewDesign(frame));
        const QString path = m_dir.filePath(name);
        AnswerFileDialog(path, resolution);
        frame.Action("export_picture")->trigger();
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        auto word = [&](int at) { return (uchar(bytes[at]) << 8) | uchar(bytes[at + 1]); };
        auto dword = [&](int at) {
            return int(uchar(bytes[at]) | uchar(bytes[at + 1]) << 8 | uchar(bytes[at + 2]) << 16 | uchar(bytes[at + 3]) << 24);
        };
        if (name.endsWith(QLatin1String(".jpg"))) {
            // The JFIF segment: units 1 (dots per inch), then both densities.
            QVERIFY(bytes.mid(6, 5) == QByteArray("JFIF\0", 5));
            QCOMPARE(int(uchar(bytes[13])), 1);
            QCOMPARE(word(14), dpi);
            QCOMPARE(word(16), dpi);
        } else {
            const int perMetre = int(std::lround(dpi / 0.0254));
            QCOMPARE(dword(38), perMetre);
            QCOMPARE(dword(42), perMetre);
        }
        // Another reader agrees, and the picture has the pixels of the size.
        const QImage image(path);
        QCOMPARE(image.size(), QSize(850 * dpi / 100, 1100 * dpi / 100));
        QCOMPARE(int(std::lround(image.dotsPerMeterX() * 0.0254)), dpi);
    }

    void thePdfExportShowsThePhotoInItsRectangle()
    {
        CMainFrame frame;
        frame.show();
        CDesignDocument* design = NewDesign(frame);
        QVERIFY(design);
        const QImage picture = ExportedPicture(frame, QStringLiteral("page.bmp"));
        QCOMPARE(picture.size(), QSize(850, 1100));

        const QString pdf = m_dir.filePath(QStringLiteral("page.pdf"));
        AnswerFileDialog(pdf);
        frame.Action("export_pdf")->trigger();
        QVERIFY(QFile::exists(pdf));
        ComparePages(Rasterise(pdf), picture, *design->Doc(), "Export as PDF");
    }

    void printingToAPdfFileMatchesThePictureAndKeepsThePageSize()
    {
        CMainFrame frame;
        frame.show();
        CDesignDocument* design = NewDesign(frame);
        QVERIFY(design);
        const QImage picture = ExportedPicture(frame, QStringLiteral("before-print.bmp"));
        const int steps = design->UndoStack()->count();

        const QString pdf = m_dir.filePath(QStringLiteral("printed.pdf"));
        bool answered = false;
        WhenShown<QPrintDialog>([&](QPrintDialog* dialog) {
            auto* fit = dialog->findChild<QCheckBox*>(QStringLiteral("fitPageToPaper"));
            answered = fit && !fit->isChecked();
            PrintToFile(dialog, pdf);
            dialog->accept();
        });
        frame.Action("file_print")->trigger();
        QVERIFY(answered);
        QVERIFY(QFile::exists(pdf));
        ComparePages(Rasterise(pdf), picture, *design->Doc(), "Print to a PDF file");
        // The page keeps its size and no step was added.
        QCOMPARE(design->Doc()->PageSize(), CSize(850, 1100));
        QCOMPARE(design->UndoStack()->count(), steps);
    }

    void fittingThePageToThePaperIsOneUndoStep()
    {
        CMainFrame frame;
        frame.show();
        CDesignDocument* design = NewDesign(frame);
        QVERIFY(design);
        const int steps = design->UndoStack()->count();
        const QString pdf = m_dir.filePath(QStringLiteral("a4.pdf"));
        bool paperChosen = false, fitFound = false;
        WhenShown<QPrintDialog>([&](QPrintDialog* dialog) {
            PrintToFile(dialog, pdf);
            if (auto* fit = dialog->findChild<QCheckBox*>(QStringLiteral("fitPageToPaper"))) {
                fit->setChecked(true);
                fitFound = true;
            }
            // The paper is chosen in the printer's properties.
            auto* watch = new QTimer(dialog);
            QObject::connect(watch, &QTimer::timeout, [&, dialog, watch] {
                auto* properties = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                if (!properties || properties == dialog) return;
                watch->stop();
                if (auto* paper = properties->findChild<QComboBox*>(QStringLiteral("pageSizeCombo"))) {
                    const int a4 = paper->findText(QStringLiteral("A4"), Qt::MatchStartsWith);
                    if (a4 >= 0) {
                        paper->setCurrentIndex(a4);
                        paperChosen = true;
                    }
                }
                properties->accept();
            });
            watch->start(20);
            if (auto* button = dialog->findChild<QPushButton*>(QStringLiteral("properties"))) button->click();
            dialog->accept();
        });
        frame.Action("file_print")->trigger();
        QVERIFY(fitFound);
        QVERIFY(paperChosen);
        QVERIFY(QFile::exists(pdf));
        // A4 is 8.27 x 11.69 inches.
        QCOMPARE(design->Doc()->PageSize(), CSize(827, 1169));
        QCOMPARE(design->UndoStack()->count(), steps + 1);
        frame.Action("edit_undo")->trigger();
        QCOMPARE(design->Doc()->PageSize(), CSize(850, 1100));
    }

    void aPrintThatCannotBeWrittenIsReported()
    {
        CMainFrame frame;
        frame.show();
        CDesignDocument* design = NewDesign(frame);
        QVERIFY(design);
        QStringList shown;
        SetMessageHook([&shown](const CMessageRequest& r) {
            shown << r.m_strText;
            return QMessageBox::Ok;
        });
        const QString pdf = m_dir.filePath(QStringLiteral("no/such/folder/printed.pdf"));
        WhenShown<QPrintDialog>([&](QPrintDialog* dialog) {
            PrintToFile(dialog, pdf);
            dialog->accept();
        });
        frame.Action("file_print")->trigger();
        SetMessageHook({});
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].startsWith(QStringLiteral("The calendar could not be printed")), qPrintable(shown[0]));
        QVERIFY(shown[0].contains(QStringLiteral("printed.pdf")));
        QVERIFY(!design->IsModified() || design->UndoStack()->count() > 0);
    }

    void thePreviewOfAPagePaintsItsPhoto()
    {
        CMainFrame frame;
        frame.show();
        QVERIFY(NewDesign(frame));
        int reddish = -1;
        WhenShown<QPrintPreviewDialog>([&](QPrintPreviewDialog* dialog) {
            auto* preview = dialog->findChild<QPrintPreviewWidget*>();
            if (!preview) {
                dialog->reject();
                return;
            }
            preview->fitInView();
            // Painting the preview replays the recorded page, photo included.
            const QImage shot = preview->grab().toImage();
            reddish = 0;
            for (int y = 0; y < shot.height(); ++y)
                for (int x = 0; x < shot.width(); ++x)
                    if (Near(shot.pixelColor(x, y), kQuarters[0], 30)) ++reddish;
            dialog->reject();
        });
        frame.Action("print_preview")->trigger();
        QVERIFY2(reddish > 100, qPrintable(QString::number(reddish)));
    }

};

MONDREL_QT_TEST(PrintPathTest)
#include "PrintPathTest.moc"
