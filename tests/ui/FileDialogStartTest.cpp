// Where the file dialogs open: in the folder of the document in front, else
// where a file of the same kind was last chosen (kept in the settings, so
// after a restart too), else in the user's Pictures or Documents folder;
// never in the program's folder, which is the current folder.

#include "support/QtTestRegistry.h"

#include "NextModal.h"

#include "app/AppSettings.h"
#include "app/MainFrame.h"
#include "app/MessageBox.h"
#include "document/DrawDoc.h"
#include "objects/DrawRect.h"
#include "objects/Environment.h"
#include "platform/QtSettingsStore.h"
#include "properties/BImgDlg.h"
#include "properties/FramePage.h"
#include "properties/ImagePage.h"
#include "properties/Interior5.h"
#include "properties/IntroPage.h"
#include "properties/PlacesBar.h"
#include "properties/PreviewFileDialog.h"
#include "view/DesignDocument.h"
#include "view/UndoCommands.h"

#include <QtCore/QDir>
#include <QtCore/QStandardPaths>
#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QPushButton>

#include <functional>
#include <memory>

namespace {

// The folder of the file dialog that open brings up, answered as a person
// would: choose is picked in it, or the dialog is cancelled when it is empty.
QString StartOf(const std::function<void()>& open, const QString& choose = QString(),
                QString* title = nullptr)
{
    // Shared with the driver, which may outlive this call when no dialog comes.
    auto seen = std::make_shared<std::pair<QString, QString>>(QStringLiteral("(no dialog)"), QString());
    DriveNextModal<CPreviewFileDialog>([seen, choose](CPreviewFileDialog& dialog) {
        *seen = {QDir(dialog.directory()).canonicalPath(), dialog.windowTitle()};
        if (choose.isEmpty()) {
            dialog.reject();
        } else {
            dialog.selectFile(choose);
            dialog.accept();
        }
    });
    open();
    if (title) *title = seen->second;
    return seen->first;
}

QString Canonical(const QString& folder)
{
    return QDir(folder).canonicalPath();
}

QString WritePicture(const QString& folder, const QString& name)
{
    QImage picture(24, 16, QImage::Format_RGB32);
    picture.fill(QColor(30, 160, 90));
    const QString path = QDir(folder).filePath(name);
    picture.save(path, "JPEG");
    return path;
}

}  // namespace

class FileDialogStartTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString m_strIni;
    QString m_strPictures;
    QString m_strDocuments;

    // The program starts again: a new store reads the same settings file.
    void Restart() { Environment().m_settings = std::make_shared<CQtSettingsStore>(m_strIni); }

private slots:
    void initTestCase()
    {
        CHistorySink::Install();
        AppSettings().m_bNoNewWizard = 1;
        m_strPictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
        m_strDocuments = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QVERIFY(QDir().mkpath(m_strPictures));
        QVERIFY(QDir().mkpath(m_strDocuments));
        // The program's folder is the current folder, as at start-up.
        QDir::setCurrent(QCoreApplication::applicationDirPath());
    }

    void init()
    {
        m_strIni = m_dir.filePath(QStringLiteral("Mondrel-%1.ini").arg(QTest::currentTestFunction()));
        QFile::remove(m_strIni);
        Restart();
        // No message is expected; one would fail the test instead of waiting.
        SetMessageHook([](const CMessageRequest& r) {
            qWarning("unexpected message: %s", qPrintable(r.m_strText));
            return QMessageBox::Cancel;
        });
    }

    void cleanup()
    {
        SetDocumentPathSource({});
        SetMessageHook({});
    }

    // Without a document: Pictures for pictures, Documents for documents;
    // then the folder of the last picture chosen, after a restart as well,
    // and the recent places with it.
    void withoutADocument()
    {
        const QString photos = m_dir.filePath("photos");
        QVERIFY(QDir().mkpath(photos));
        const QString photo = WritePicture(photos, "beach.jpg");

        CIntroPage intro;
        QString title;
        QCOMPARE(StartOf([&] { QTest::mouseClick(intro.BrowseButton(), Qt::LeftButton); }, photo, &title),
                 Canonical(m_strPictures));
        QCOMPARE(title, QStringLiteral("Select Image File"));

        Restart();
        QVERIFY(CPlacesBar::RecentFolders().contains(Canonical(photos)));
        CInterior5 frame;
        QCOMPARE(StartOf([&] { QTest::mouseClick(frame.PatternButton(), Qt::LeftButton); }), Canonical(photos));
        CBImgDlg background;
        background.DrawCheck()->click();
        QCOMPARE(StartOf([&] { QTest::mouseClick(background.ImageButton(), Qt::LeftButton); }), Canonical(photos));

        // Documents have their own folder.
        CMainFrame window;
        QCOMPARE(StartOf([&] { window.Action("file_open")->trigger(); }), Canonical(m_strDocuments));
        QCOMPARE(QDir::currentPath(), QCoreApplication::applicationDirPath());
    }

    // With a saved document in front, every dialog of the window and of the
    // sheets opens in its folder; the program's own default picture does
    // not pull a dialog into the program's folders.
    void withADocument()
    {
        const QString folder = m_dir.filePath("calendars");
        QVERIFY(QDir().mkpath(folder));
        CMainFrame window;
        CDesignDocument* design = window.NewDocument(false);
        QVERIFY(design->Save(QDir(folder).filePath("family.mdr"), nullptr));
        auto* image = new CDrawRect(CRect(-100, 100, 100, -100), CDrawRect::kindImage);
        design->Doc()->Add(image);

        for (const char* action : {"file_open", "file_save_as", "export_picture", "insert_object"})
            QCOMPARE(StartOf([&] { window.Action(action)->trigger(); }), Canonical(folder));

        CImagePropPage page;
        page.m_strPath = image->m_strImagePath;
        page.ToControls();
        QCOMPARE(StartOf([&] { QTest::mouseClick(page.m_pBrowse, Qt::LeftButton); }), Canonical(folder));

        // A picture of the user's is shown selected in its own folder.
        const QString elsewhere = m_dir.filePath("elsewhere");
        QVERIFY(QDir().mkpath(elsewhere));
        CFramePropPage framePage;
        framePage.m_strPath = WritePicture(elsewhere, "pattern.jpg").toStdString();
        framePage.ToControls();
        framePage.m_pPattern->setEnabled(true);
        QCOMPARE(StartOf([&] { QTest::mouseClick(framePage.m_pPattern, Qt::LeftButton); }), Canonical(elsewhere));
    }

    // Save As of a new calendar offers its name in the last folder a
    // document was saved in, or in Documents.
    void saveAsOfANewCalendar()
    {
        CMainFrame window;
        window.NewDocument(false);
        auto saveAs = [&window] { window.Action("file_save_as")->trigger(); };
        QCOMPARE(StartOf(saveAs), Canonical(m_strDocuments));

        const QString folder = m_dir.filePath("kept");
        QVERIFY(QDir().mkpath(folder));
        StartOf(saveAs, QDir(folder).filePath("first.mdr"));
        QVERIFY(QFileInfo::exists(QDir(folder).filePath("first.mdr")));

        Restart();
        CMainFrame next;
        next.NewDocument(false);
        QCOMPARE(StartOf([&next] { next.Action("file_save_as")->trigger(); }), Canonical(folder));
    }
};

MONDREL_QT_TEST(FileDialogStartTest)
#include "FileDialogStartTest.moc"
