// Crash recovery through the application: a modified document's copy is
// written, the program goes away without closing (as when it is killed),
// and the next start offers the copy and restores the edit; a clean close
// leaves nothing behind.

#include "support/QtTestRegistry.h"

#include "app/AppSettings.h"
#include "app/MainFrame.h"
#include "app/MessageBox.h"
#include "app/MondrelApp.h"
#include "app/RecoveryStore.h"
#include "document/DrawDoc.h"
#include "objects/DrawRect.h"
#include "platform/QtSettingsStore.h"
#include "view/DesignDocument.h"
#include "view/DrawView.h"

#include <QtTest/QtTest>

class RecoveryTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        CQtSettingsStore store;
        store.WriteProfileInt("Settings", "NoNewWizard", 1);
    }

    void aKilledSessionIsRestoredAtTheNextStart()
    {
        QStringList asked;
        SetMessageHook([&asked](const CMessageRequest& r) {
            asked << r.m_strText;
            return r.m_buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok;
        });
        {
            auto first = std::make_unique<CMondrelApp>();
            QVERIFY(first->InitInstance({}, false));
            CMainFrame* frame = first->MainFrame();
            QCOMPARE(frame->Documents().size(), std::size_t(1));
            ui::CDrawView* view = frame->ActiveView();
            auto* rect = new CDrawRect(CRect(10, 20, 110, -80), CDrawRect::kindEllipse);
            view->GetDocument()->Add(rect);
            view->SelectDrawObj(rect);
            view->MoveSelectionBy(5, 0, false);
            QVERIFY(view->Design()->IsModified());
            first->SaveRecoveryCopies();
            QCOMPARE(first->Recovery()->List().size(), std::size_t(1));
            // The process ends here without closing anything: the copy stays.
            first.release();
        }
        QVERIFY(asked.isEmpty());

        CMondrelApp second;
        QVERIFY(second.InitInstance({}, false));
        QCOMPARE(asked.size(), 1);
        QVERIFY(asked[0].contains("not closed properly"));
        CMainFrame* frame = second.MainFrame();
        QCOMPARE(frame->Documents().size(), std::size_t(1));
        CDesignDocument* restored = frame->Documents().front();
        QVERIFY(restored->IsModified());
        QCOMPARE(int(restored->Doc()->GetObjects()->size()), 1);
        QCOMPARE(restored->Doc()->GetObjects()->front()->m_position.left, 15);
        // The offer is made once: the restored document has its own copy now.
        QVERIFY(second.Recovery()->List().empty());
        second.SaveRecoveryCopies();
        QCOMPARE(second.Recovery()->List().size(), std::size_t(1));

        // A clean close, without saving, leaves no copy.
        SetMessageHook([](const CMessageRequest&) { return QMessageBox::No; });
        QVERIFY(frame->CloseAllDocuments());
        QVERIFY(second.Recovery()->List().empty());
        SetMessageHook({});
    }
};

MONDREL_QT_TEST(RecoveryTest)
#include "RecoveryTest.moc"
