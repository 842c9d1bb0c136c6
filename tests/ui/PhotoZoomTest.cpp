// A photo in the designer: decoded for the zoom it is shown at, and decoded
// again off the window's thread when the view zooms in, the smaller copy
// shown meanwhile; only the photos in view are decoded again.

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
#include <vector>

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

// A photo object of the file at place on the page; its picture holder.
const CPictureHolder* AddPhoto(CDesignDocument& design, const QString& photo, const CRect& place)
{
    auto* image = new CDrawRect(place, CDrawRect::kindImage);
    image->SetImageFile(photo.toStdString(), "jpg");
    design.Doc()->Add(image);
    return image->m_pImage.get();
}

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
        const CPictureHolder* holder = AddPhoto(design, photo, CRect(300, -250, -300, 350));
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

    // Zoomed in with the wheel over one photo of a page of four, only that
    // photo is decoded again; the one beside it, which the view draws for
    // its reach, and the two far away keep their copies until scrolled to.
    void zoomingInDecodesOnlyThePhotosInView()
    {
        QTemporaryDir dir;
        CHistorySink::Install();
        CDesignDocument design;
        // Generated photos are stored right to left; four quadrants of the
        // page, the top right one close beside the top left one.
        const CRect places[] = {CRect(-100, 150, -400, 450), CRect(240, 150, -60, 450), CRect(-100, -450, -400, -150),
                                CRect(400, -450, 100, -150)};
        std::vector<const CPictureHolder*> holders;
        for (int i = 0; i < 4; ++i) {
            const QString photo = dir.filePath(QStringLiteral("photo%1.jpg").arg(i));
            QCOMPARE(QProcess::execute("convert", {"-size", "1600x1200", QStringLiteral("gradient:#%1-#102080").arg(
                                                                             0x205030 + 0x302010 * i, 6, 16, QChar('0')),
                                                   photo}),
                     0);
            holders.push_back(AddPhoto(design, photo, places[i]));
        }
        ui::CDrawView view(&design);
        view.resize(700, 600);
        view.SetZoom(50);  // the whole page in view
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        for (const CPictureHolder* holder : holders) QTRY_COMPARE(holder->DecodeCount(), 1);

        // Ctrl+wheel over the middle of the top left photo, up to 400 %,
        // then one notch more: 600 %.
        CPoint centre(-250, 300);
        view.PageToWindow(centre);
        const QPoint at(centre.x, centre.y);
        const auto wheel = [&view, at](QPoint delta, Qt::KeyboardModifiers keys) {
            QWheelEvent event(at, view.viewport()->mapToGlobal(at), QPoint(), delta, Qt::NoButton, keys,
                              Qt::NoScrollPhase, false);
            QApplication::sendEvent(view.viewport(), &event);
            view.viewport()->repaint();
        };
        for (int i = 0; i < 10 && view.Zoom() < 400; ++i) wheel(QPoint(0, 120), Qt::ControlModifier);
        QCOMPARE(view.Zoom(), 400);
        QTest::qWait(500);
        int counts[4];
        for (int i = 0; i < 4; ++i) counts[i] = holders[static_cast<std::size_t>(i)]->DecodeCount();
        wheel(QPoint(0, 120), Qt::ControlModifier);
        QCOMPARE(view.Zoom(), 600);
        QTRY_COMPARE(holders[0]->DecodeCount(), counts[0] + 1);
        QTest::qWait(200);
        QCOMPARE(holders[0]->DecodeCount(), counts[0] + 1);
        for (int i = 1; i < 4; ++i) QCOMPARE(holders[static_cast<std::size_t>(i)]->DecodeCount(), counts[i]);

        // Scrolled right until the photo beside it is in view: decoded then,
        // at 600 %.
        for (int i = 0; i < 60 && holders[1]->DecodeCount() == counts[1]; ++i) {
            wheel(QPoint(-120, 0), Qt::NoModifier);
            QTest::qWait(10);
        }
        QTRY_COMPARE(holders[1]->DecodeCount(), counts[1] + 1);
        QTRY_VERIFY(holders[1]->LastDecodeSize().cx >= holders[0]->LastDecodeSize().cx);
        QCOMPARE(holders[2]->DecodeCount(), counts[2]);
        QCOMPARE(holders[3]->DecodeCount(), counts[3]);
    }
};

MONDREL_QT_TEST(PhotoZoomTest)
#include "PhotoZoomTest.moc"
