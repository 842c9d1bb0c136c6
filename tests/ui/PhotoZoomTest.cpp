// A photo in the designer: decoded for the zoom it is shown at, and decoded
// again off the window's thread when the view zooms in, the smaller copy
// shown meanwhile.

#include "support/PoolGate.h"
#include "support/QtTestRegistry.h"

#include "document/DrawDoc.h"
#include "imageio/PictureHolder.h"
#include "imageio/WorkerPool.h"
#include "objects/DrawRect.h"
#include "view/DesignDocument.h"
#include "view/DrawView.h"
#include "view/UndoCommands.h"

#include <QtTest/QtTest>

#include <memory>

namespace {

class CPaintCounter : public QObject {
public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) ++count;
        return false;
    }
};

}  // namespace

class PhotoZoomTest : public QObject {
    Q_OBJECT

private slots:
    void zoomingInDecodesAgainOffTheWindowsThread()
    {
        QTemporaryDir dir;
        const QString photo = dir.filePath("photo.jpg");
        QCOMPARE(QProcess::execute("convert", {"-size", "2400x1800", "gradient:#f0d020-#102080", "-fill", "#c02020",
                                               "-draw", "rectangle 800,600 1600,1200", photo}),
                 0);
        CHistorySink::Install();
        CDesignDocument design;
        auto* image = new CDrawRect(CRect(300, -250, -300, 350), CDrawRect::kindImage);
        image->SetImageFile(photo.toStdString(), "jpg");
        design.Doc()->Add(image);
        const CPictureHolder* holder = image->m_pImage.get();
        QVERIFY(holder && holder->IsValid());

        ui::CDrawView view(&design);
        CPaintCounter paints;
        view.viewport()->installEventFilter(&paints);
        view.resize(700, 600);
        view.SetZoom(100);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QTRY_VERIFY(paints.count > 0);
        // The first paint decodes what 100 % needs: far less than the photo.
        QCOMPARE(holder->DecodeCount(), 1);
        const CSize first = holder->LastDecodeSize();
        QVERIFY(first.cx < 1200);

        {
            CPoolGate gate;
            // Zoomed in about the middle of the photo, which stays in view.
            CPoint centre(0, 125);
            view.PageToWindow(centre);
            const QPoint anchor(centre.x, centre.y);
            QVERIFY(view.viewport()->rect().contains(anchor));
            view.SetZoom(400, &anchor);
            const QImage shown = view.viewport()->grab().toImage();
            // Painted at once from the copy held: no decode on this thread.
            QCOMPARE(holder->DecodeCount(), 1);
            // The photo's red box, enlarged, is under the anchor.
            const QColor middle = shown.pixelColor(anchor);
            QVERIFY2(middle.red() > 150 && middle.green() < 90, qPrintable(middle.name()));
            const int before = paints.count;
            gate.Open();
            // The sharper copy comes in on the worker pool and the view
            // paints again.
            QTRY_COMPARE(holder->DecodeCount(), 2);
            QTRY_VERIFY(paints.count > before);
        }
        QVERIFY(holder->LastDecodeSize().cx > 2 * first.cx);
    }
};

MONDREL_QT_TEST(PhotoZoomTest)
#include "PhotoZoomTest.moc"
