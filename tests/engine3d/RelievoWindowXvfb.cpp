#include "engine3d/MainFrame.h"
#include "engine3d/RelievoView.h"
#include "support/QtTestRegistry.h"
#include "text3d/ExchangeNames.h"
#include "text3d/TextReply.h"
#include "text3d/TextRequest.h"

#include <QtCore/QDir>
#include <QtCore/QTemporaryDir>
#include <QtTest/QtTest>
#include <QtWidgets/QMessageBox>

// The engine's window on a real display (run under xvfb-run): the offscreen
// platform has no OpenGL.
class RelievoWindowXvfb : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_folder;
    QString m_strPrevious;

    static void WriteRequest(int width, int height)
    {
        CTextRequest r;
        r.m_nWidth = width;
        r.m_nHeight = height;
        r.m_strFaceName = "DejaVu Sans";
        r.m_strText = "Calendar";
        QVERIFY(WriteExchangeFile(kRequestFile, r.Write(CTextRequest::Form::designer)));
    }

    static bool ReadReply(CDibSection& picture)
    {
        std::vector<BYTE> bytes;
        return ReadExchangeFile(kReplyFile, bytes, 1u << 30) && CTextReply::Read(bytes, picture);
    }

    static bool ReadUpdated(CTextRequest& updated)
    {
        std::vector<BYTE> bytes;
        return ReadExchangeFile(kRequestFile, bytes, 1u << 26) && updated.Read(bytes, CTextRequest::Form::updated);
    }

    // The box of the pixels that are not white, in top-down coordinates.
    static QRect Lettering(const QImage& image)
    {
        QRect box;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) box |= QRect(x, y, 1, 1);
        return box;
    }

    static QImage FromPicture(const CDibSection& p)
    {
        QImage image(p.Width(), p.Height(), QImage::Format_RGB32);
        for (int y = 0; y < p.Height(); ++y)
            std::memcpy(image.scanLine(p.Height() - 1 - y), p.GetBits() + std::size_t(y) * p.Width() * 4, p.Width() * 4);
        return image;
    }

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() == QLatin1String("offscreen"))
            QSKIP("needs a display with OpenGL (run under xvfb-run)");
        QVERIFY(m_folder.isValid());
        m_strPrevious = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_folder.path()));
    }

    void cleanupTestCase()
    {
        if (!m_strPrevious.isEmpty()) QDir::setCurrent(m_strPrevious);
    }

    void showsTheRequestCentredAndReturnsIt()
    {
        WriteRequest(300, 150);
        CMainFrame frame;
        frame.resize(640, 480);
        QSignalSpy written(frame.View(), &CRelievoView::ReplyWritten);
        frame.show();
        // The first paint may come inside show() already.
        QTRY_VERIFY_WITH_TIMEOUT(written.count() > 0, 20000);
        QVERIFY(!QFile::exists(QString::fromLatin1(kRequestFile)));
        CDibSection reply;
        QVERIFY(ReadReply(reply));
        QCOMPARE(reply.Width(), 300);
        QCOMPARE(reply.Height(), 150);

        // The window shows the very picture, centred in the view.
        const QImage shown = frame.View()->grabFramebuffer();
        const qreal ratio = frame.View()->devicePixelRatioF();
        const QRect inPicture = Lettering(FromPicture(reply));
        const QRect inView = Lettering(shown);
        QVERIFY(!inPicture.isEmpty());
        const QPoint offset((shown.width() - qRound(300 * ratio)) / 2, (shown.height() - qRound(150 * ratio)) / 2);
        if (ratio == 1.0) {
            QVERIFY2((inView.topLeft() - (inPicture.topLeft() + offset)).manhattanLength() <= 2,
                     qPrintable(QStringLiteral("%1,%2").arg(inView.left()).arg(inView.top())));
            QCOMPARE(inView.size(), inPicture.size());
        }

        // File, Return writes the reply and the updated request and closes.
        QFile::remove(QString::fromLatin1(kReplyFile));
        QAction* ret = frame.findChild<QAction*>(QStringLiteral("actionReturn"));
        QVERIFY(ret);
        ret->trigger();
        QVERIFY(ReadReply(reply));
        QCOMPARE(reply.Width(), 300);
        CTextRequest updated;
        QVERIFY(ReadUpdated(updated));
        QCOMPARE(updated.m_strText, std::string("Calendar"));
        QCOMPARE(updated.m_params.scale[3], 0.0f);
        QTRY_VERIFY(!frame.isVisible());
    }

    void resizingChangesTheCaptureAndClosingReturns()
    {
        QFile::remove(QString::fromLatin1(kReplyFile));
        QFile::remove(QString::fromLatin1(kRequestFile));
        WriteRequest(200, 100);
        CMainFrame frame;
        frame.resize(500, 400);
        QSignalSpy written(frame.View(), &CRelievoView::ReplyWritten);
        frame.show();
        QTRY_VERIFY_WITH_TIMEOUT(written.count() > 0, 20000);
        frame.resize(520, 430);
        QTRY_VERIFY(frame.View()->Scene().CaptureWidth() == frame.View()->width());
        const int width = frame.View()->width() / 2 * 2;
        const int height = frame.View()->height() / 2 * 2;
        frame.View()->SetGlyphStyle(1);

        // Closing the window acts as File, Return.
        frame.close();
        CDibSection reply;
        QVERIFY(ReadReply(reply));
        QCOMPARE(reply.Width(), width);
        QCOMPARE(reply.Height(), height);
        CTextRequest updated;
        QVERIFY(ReadUpdated(updated));
        QCOMPARE(updated.m_bWireframe, 1);
    }

    void aDamagedRequestIsAnsweredWithNothing()
    {
        QFile::remove(QString::fromLatin1(kReplyFile));
        std::vector<BYTE> cut = CTextRequest().Write(CTextRequest::Form::designer);
        cut.resize(cut.size() - 3);
        QVERIFY(WriteExchangeFile(kRequestFile, cut));
        // The engine says why in a message box; a person reads it and closes it.
        QStringList warnings;
        QTimer closer;
        connect(&closer, &QTimer::timeout, [&warnings] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                warnings << box->text();
                box->accept();
            }
        });
        closer.start(20);
        CMainFrame frame;
        frame.resize(500, 400);
        QSignalSpy refused(frame.View(), &CRelievoView::RequestRefused);
        frame.show();
        QTRY_VERIFY_WITH_TIMEOUT(refused.count() == 1 && warnings.size() == 1, 20000);
        QVERIFY(!QFile::exists(QString::fromLatin1(kRequestFile)));
        // File, Return answers nothing: the designer keeps its own text
        // rather than receiving the engine's default scene.
        frame.findChild<QAction*>(QStringLiteral("actionReturn"))->trigger();
        QVERIFY(!QFile::exists(QString::fromLatin1(kReplyFile)));
        QVERIFY(!QFile::exists(QString::fromLatin1(kRequestFile)));
        QTRY_VERIFY(!frame.isVisible());
    }
};

MONDREL_QT_TEST(RelievoWindowXvfb)
#include "RelievoWindowXvfb.moc"
