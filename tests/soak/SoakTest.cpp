// The soak: a seeded random run of real input against the designer's main
// window holding a generated design with a photo and a frame. Clicks, drags
// (past the pane's edge too), double-clicks, context menus, the keys of the
// command table, undo and redo, splits, new windows and property sheets
// opened and cancelled. Every dialog and menu is closed by a timer, so the
// run never waits. After every event the selections must point at objects
// on their page. Built with the sanitizers it fails on any report; a crash
// or report prints the seed and the last events.
//
// MONDREL_SOAK_SEED and MONDREL_SOAK_EVENTS choose the run.

#include "support/QtTestRegistry.h"
#include "support/ViewEvents.h"

#include "app/Actions.h"
#include "app/AppSettings.h"
#include "app/MainFrame.h"
#include "app/MessageBox.h"
#include "app/SamplePhoto.h"
#include "app/SplitFrame.h"
#include "document/CalendarGenerator.h"
#include "document/DrawDoc.h"
#include "objects/DrawObj.h"
#include "properties/PropertySheetsUI.h"
#include "view/DesignDocument.h"
#include "view/DrawView.h"
#include "view/EditTool.h"
#include "view/UndoCommands.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QTemporaryDir>
#include <QtGui/QContextMenuEvent>
#include <QtGui/QUndoStack>
#include <QtCore/QPointer>
#include <QtTest/QtTest>
#include <QtWidgets/QMdiArea>

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <random>
#include <string>

extern "C" void __sanitizer_set_death_callback(void (*callback)(void)) __attribute__((weak));

using namespace viewevents;

namespace {

// The last events, kept in fixed storage so a dying process can print them.
constexpr int kKept = 40;
std::array<std::array<char, 160>, kKept> g_events{};
int g_eventCount = 0;
unsigned g_seed = 0;

void PrintLastEvents()
{
    std::fprintf(stderr, "\nsoak: seed %u, %d events run; the last ones:\n", g_seed, g_eventCount);
    const int first = std::max(0, g_eventCount - kKept);
    for (int i = first; i < g_eventCount; ++i) std::fprintf(stderr, "  %s\n", g_events[i % kKept].data());
    std::fprintf(stderr, "soak: run again with MONDREL_SOAK_SEED=%u MONDREL_SOAK_EVENTS=%d\n", g_seed, g_eventCount);
    std::fflush(stderr);
}

void OnFatalSignal(int signal)
{
    PrintLastEvents();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void Note(const QString& text)
{
    const QByteArray bytes = QStringLiteral("#%1 %2").arg(g_eventCount).arg(text).toUtf8();
    auto& slot = g_events[g_eventCount % kKept];
    std::snprintf(slot.data(), slot.size(), "%s", bytes.constData());
    ++g_eventCount;
}

unsigned EnvNumber(const char* name, unsigned fallback)
{
    bool ok = false;
    const unsigned value = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? value : fallback;
}

// Commands a person may use in any order, with their keys where the table
// gives one. Printing, exporting, help and quitting leave the window or
// wait on the system, and are left out.
bool Excluded(const char* id)
{
    for (const char* out : {"file_exit", "file_print", "print_preview", "export_picture", "export_pdf", "help_topics",
                            "help_tip", "help_about", "insert_object", "file_open", "file_save_as"})
        if (std::strcmp(id, out) == 0) return true;
    return false;
}

}  // namespace

class SoakTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<CMainFrame> m_frame;
    std::mt19937 m_random;
    std::vector<const CActionSpec*> m_commands;
    QString m_photo;

    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_random); }
    bool Chance(int percent) { return Pick(100) < percent; }

    CDesignDocument* MakeDesign()
    {
        const std::string photo = m_photo.toStdString();
        const int layout = Pick(8);
        return m_frame->RestoreDocument(
            [photo, layout](CDrawDoc& doc) {
                CNewCalendarChoices choices;
                choices.m_strPhotoPath = photo;
                choices.m_strPhotoType = "jpg";
                choices.m_bFrame = 1;
                choices.m_nFrameThickness = 15;
                choices.m_nMonths = 12;
                choices.m_nYear = 2027;
                choices.m_nLayout = layout;
                return CCalendarGenerator::Generate(doc, choices);
            },
            m_dir.filePath("soak.mdr"));
    }

    ui::CDrawView* Pane()
    {
        // A window closed a moment ago waits to be deleted, hidden: nobody
        // can click it.
        CSplitFrame* frame = m_frame->ActiveFrame();
        if (!frame || !frame->isVisible()) return nullptr;
        const std::vector<ui::CDrawView*> panes = frame->Panes();
        // Mostly the active pane; now and then another, which a click activates.
        if (Chance(85) || panes.size() == 1) return frame->ActivePane();
        return panes[Pick(int(panes.size()))];
    }

    QPoint RandomPoint(ui::CDrawView* view)
    {
        const QSize area = view->viewport()->size();
        // Mostly on an object, so that moves and sizes happen.
        const auto* objects = view->GetDocument()->GetObjects();
        if (!objects->empty() && Chance(60)) {
            const CDrawObj* obj = *std::next(objects->begin(), Pick(int(objects->size())));
            const CRect r = obj->m_position.Normalized();
            CPoint p(r.left + (r.Width() > 0 ? Pick(r.Width()) : 0), r.top + (r.Height() > 0 ? Pick(r.Height()) : 0));
            if (Chance(30)) p = obj->m_position.TopLeft();  // a handle
            view->PageToWindow(p);
            return QPoint(p.x, p.y);
        }
        return QPoint(Pick(std::max(1, area.width())), Pick(std::max(1, area.height())));
    }

    Qt::KeyboardModifiers RandomModifiers()
    {
        const int r = Pick(10);
        if (r == 0) return Qt::ShiftModifier;
        if (r == 1) return Qt::ControlModifier;
        return Qt::NoModifier;
    }

    static QString Where(QPoint p) { return QStringLiteral("(%1,%2)").arg(p.x()).arg(p.y()); }

    void OneEvent()
    {
        // A window closed by the last event is let go first.
        if (m_frame->ActiveFrame() && !m_frame->ActiveFrame()->isVisible()) QTest::qWait(0);
        if (!m_frame->ActiveFrame() || !m_frame->ActiveFrame()->isVisible()) {
            Note("new design");
            MakeDesign();
        }
        ui::CDrawView* view = Pane();
        QVERIFY(view);
        const int kind = Pick(100);
        if (kind < 22) {
            const QPoint p = RandomPoint(view);
            const Qt::KeyboardModifiers m = RandomModifiers();
            Note(QStringLiteral("click %1 mods %2").arg(Where(p)).arg(int(m)));
            Click(view, p, m);
        } else if (kind < 50) {
            const QPoint from = RandomPoint(view);
            const Qt::KeyboardModifiers m = RandomModifiers();
            QPoint to = from + QPoint(Pick(200) - 100, Pick(200) - 100);
            const bool pastEdge = Chance(12);
            if (pastEdge) to = QPoint(Chance(50) ? -30 : view->viewport()->width() + 30, to.y());
            Note(QStringLiteral("drag %1 to %2 mods %3%4").arg(Where(from), Where(to)).arg(int(m)).arg(pastEdge ? " past the edge" : ""));
            // The window may go while the button is held (a message, a
            // sheet or the recovery of a document answered meanwhile).
            const QPointer<ui::CDrawView> held = view;
            Press(view, from, m);
            for (int i = 1; i <= 3 && held; ++i) MoveHeld(view, from + (to - from) * i / 3, m);
            if (pastEdge && held) QTest::qWait(40 + Pick(60));
            if (Chance(10) && held) {
                Note("escape while dragging");
                Key(m_frame.get(), Qt::Key_Escape);
            }
            if (!held) {
                Note("the pane went while the button was held");
                return;
            }
            Release(view, Chance(30) ? from : to, m);
        } else if (kind < 54) {
            const QPoint p = RandomPoint(view);
            Note(QStringLiteral("double-click %1").arg(Where(p)));
            const Qt::KeyboardModifiers m = Chance(20) ? Qt::ShiftModifier : Qt::NoModifier;
            // The double-click opens a sheet; a window closed just before
            // goes while the sheet is open.
            const QPointer<ui::CDrawView> held = view;
            Click(view, p, m);
            if (held) SendMouse(view, QEvent::MouseButtonDblClick, p, Qt::LeftButton, Qt::LeftButton, m);
            if (held) Release(view, p, m);
            if (!held) Note("the pane went during the double-click");
        } else if (kind < 56) {
            const QPoint p = RandomPoint(view);
            Note(QStringLiteral("context menu %1").arg(Where(p)));
            QContextMenuEvent menu(QContextMenuEvent::Mouse, p, view->viewport()->mapToGlobal(p));
            QCoreApplication::sendEvent(view->viewport(), &menu);
        } else if (kind < 68) {
            const bool undo = Chance(60);
            Note(undo ? "undo (Ctrl+Z)" : "redo (Ctrl+Y)");
            Key(m_frame.get(), undo ? Qt::Key_Z : Qt::Key_Y, Qt::ControlModifier);
        } else if (kind < 88) {
            const CActionSpec* row = m_commands[Pick(int(m_commands.size()))];
            if (!row->m_keys.isEmpty() && Chance(70)) {
                const QKeyCombination key = row->m_keys[Pick(int(row->m_keys.size()))][0];
                Note(QStringLiteral("key %1 (%2)").arg(QKeySequence(key).toString(), row->m_id));
                Key(m_frame.get(), key.key(), key.keyboardModifiers());
            } else {
                Note(QStringLiteral("command %1").arg(row->m_id));
                m_frame->Action(row->m_id)->trigger();
            }
        } else if (kind < 96) {
            static const int keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down, Qt::Key_Escape,
                                       Qt::Key_Delete};
            const int key = keys[Pick(int(std::size(keys)))];
            const Qt::KeyboardModifiers m = Chance(30) ? Qt::ShiftModifier : Qt::NoModifier;
            Note(QStringLiteral("key %1 mods %2").arg(QKeySequence(key).toString()).arg(int(m)));
            Key(m_frame.get(), key, m);
        } else if (kind < 98) {
            const QPoint p = RandomPoint(view);
            Note(QStringLiteral("hover %1").arg(Where(p)));
            Hover(view, p);
        } else {
            Note("properties of the selection");
            m_frame->Action("properties")->trigger();
        }
        if (Chance(20)) QCoreApplication::processEvents();
    }

    // Every selection points at objects on its own view's page, and every
    // view shows a page the document has.
    void CheckSelections()
    {
        for (CDesignDocument* design : m_frame->Documents()) {
            for (ui::CDrawView* view : design->Views()) {
                const CDrawPage* page = design->Doc()->GetPage(view->Page());
                QVERIFY2(page, "a view shows a page that is gone");
                const auto* objects = page->GetObjects();
                for (CDrawObj* obj : view->Selection())
                    QVERIFY2(std::find(objects->begin(), objects->end(), obj) != objects->end(),
                             "a selection holds an object that is not on its page");
            }
        }
    }

private slots:
    void initTestCase()
    {
        g_seed = EnvNumber("MONDREL_SOAK_SEED", std::random_device{}());
        m_random.seed(g_seed);
        std::fprintf(stderr, "soak: seed %u\n", g_seed);
        std::signal(SIGSEGV, OnFatalSignal);
        std::signal(SIGABRT, OnFatalSignal);
        std::signal(SIGBUS, OnFatalSignal);
        std::signal(SIGFPE, OnFatalSignal);
        if (__sanitizer_set_death_callback) __sanitizer_set_death_callback(PrintLastEvents);
        CHistorySink::Install();
        InstallPropertySheets();
        // Every question is answered "No": closing never saves.
        SetMessageHook([](const CMessageRequest&) { return QMessageBox::No; });
        m_photo = m_dir.filePath("photo.jpg");
        std::string error;
        QVERIFY2(MakeSamplePhoto(m_photo.toStdString(), &error, 640, 427), error.c_str());
        for (const CActionSpec& row : ActionTable())
            if (!Excluded(row.m_id)) m_commands.push_back(&row);
    }

    void randomInput()
    {
        const int count = int(EnvNumber("MONDREL_SOAK_EVENTS", 2000));
        CModalCloser closer(10);
        AppSettings().m_bNoNewWizard = 0;
        m_frame = std::make_unique<CMainFrame>();
        QVERIFY(ShowFrame(*m_frame, QSize(900, 700)));
        QVERIFY(MakeDesign());
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < count; ++i) {
            OneEvent();
            CheckSelections();
            if (QTest::currentTestFailed()) {
                PrintLastEvents();
                return;
            }
            // The window count stays bounded: extra windows close now and then.
            if (m_frame->MdiArea()->subWindowList().size() > 4) {
                Note("close the extra windows");
                m_frame->MdiArea()->subWindowList().front()->close();
            }
        }
        CEditTool::EndDrag();
        m_frame->CloseAllDocuments();
        m_frame.reset();
        std::fprintf(stderr, "soak: seed %u, %d events in %.1f s, %d dialogs and menus closed\n", g_seed, count,
                     timer.elapsed() / 1000.0, closer.Closed());
    }
};

MONDREL_QT_TEST(SoakTest)
#include "SoakTest.moc"
