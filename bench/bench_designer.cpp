// Speed of the designer's window: from nothing to a shown main window with
// the demo calendar (twelve months and a 12-megapixel photo) painted; the
// repaint of one step while a calendar is dragged across that page; undo
// and redo of one move on a page of 2000 objects; a wall calendar of a cover
// and twelve months, each with its own camera photo (10-24 MP), opened to a
// painted window, the next page shown and painted, and the page strip's
// pictures of its pages drawn; the file dialog's preview of a 20 MP photo.

#include "app/AppSettings.h"
#include "app/MainFrame.h"
#include "app/PageStrip.h"
#include "app/SplitFrame.h"
#include "document/CalendarGenerator.h"
#include "document/DrawDoc.h"
#include "properties/PreviewPane.h"
#include "objects/DrawRect.h"
#include "view/DesignDocument.h"
#include "view/DrawView.h"
#include "view/PageCommands.h"
#include "view/UndoCommands.h"

#include "BenchSupport.h"

#include <benchmark/benchmark.h>

#include <QtCore/QElapsedTimer>
#include <QtGui/QUndoStack>
#include <QtWidgets/QApplication>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

std::filesystem::path WorkDir() { return BenchFolder("bench-ui"); }

// The demo calendar with a 4000 x 3000 photo, saved once.
std::string DemoDocument()
{
    static std::string path = [] {
        const std::string photo = (WorkDir() / "photo12mp.jpg").string();
        const std::string cmd = "convert -size 1000x750 -seed 7 plasma:fractal -resize 4000x3000! "
                                "-attenuate 0.4 +noise Gaussian -quality 92 '" + photo + "'";
        if (std::system(cmd.c_str()) != 0) std::abort();
        CDrawDoc doc;
        doc.OnNewDocument();
        CNewCalendarChoices ch;
        ch.m_strPhotoPath = photo;
        ch.m_strPhotoType = "jpg";
        ch.m_nMonths = 12;
        ch.m_nYear = 2027;
        CCalendarGenerator::Generate(doc, ch);
        const std::string out = (WorkDir() / "demo.mdr").string();
        if (!doc.OnSaveDocument(out, nullptr)) std::abort();
        return out;
    }();
    return path;
}

// Camera photo number i of the given size ("5472x3648"), made once: smooth
// shapes with fine grain, as a camera gives.
std::string CameraPhoto(int i, const std::string& size)
{
    const std::string photo = (WorkDir() / ("wall-camera" + std::to_string(i) + ".jpg")).string();
    const std::string cmd = "test -s '" + photo + "' || convert -size 640x480 -seed " + std::to_string(i + 3) +
                            " plasma:fractal -blur 0x1 -resize " + size + "! -attenuate 0.3 +noise Gaussian" +
                            " -quality 92 '" + photo + "'";
    if (std::system(cmd.c_str()) != 0) std::abort();
    return photo;
}

// A wall calendar: a cover and twelve months, twelve different camera-sized
// photos from 10 to 24 megapixels (smooth shapes with fine grain, as a camera
// gives), saved once.
std::string WallDocument()
{
    static std::string path = [] {
        CDrawDoc doc;
        doc.OnNewDocument();
        CNewCalendarChoices ch;
        const char* sizes[] = {"3648x2736", "4000x3000", "4608x3456", "5472x3648", "6000x4000", "4032x3024",
                               "3872x2592", "4928x3264", "5184x3456", "4288x2848", "5616x3744", "4896x3672"};
        for (int i = 0; i < 12; ++i) ch.m_photos.push_back({CameraPhoto(i, sizes[i]), "jpg"});
        ch.m_bPagePerMonth = true;
        ch.m_bCover = true;
        ch.m_nMonths = 12;
        ch.m_nFirstMonth = 0;
        ch.m_nYear = 2027;
        CCalendarGenerator::GenerateWall(doc, ch);
        const std::string out = (WorkDir() / "wall.mdr").string();
        if (!doc.OnSaveDocument(out, nullptr)) std::abort();
        return out;
    }();
    return path;
}

void Settle()
{
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

// A new main window opening the document, up to its first painted view.
void OpenToPaintedWindow(benchmark::State& state, const std::string& document)
{
    const QString path = QString::fromStdString(document);
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        auto* frame = new CMainFrame;
        frame->show();
        frame->OpenDocument(path);
        frame->ActiveView()->viewport()->repaint();
        Settle();
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
        delete frame;
    }
}

void BM_StartToPaintedWindow(benchmark::State& state) { OpenToPaintedWindow(state, DemoDocument()); }
BENCHMARK(BM_StartToPaintedWindow)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

void BM_WallStartToPaintedWindow(benchmark::State& state) { OpenToPaintedWindow(state, WallDocument()); }
BENCHMARK(BM_WallStartToPaintedWindow)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

// The next page shown and painted, round the thirteen pages (each photo
// decoded the first time its page is shown).
void BM_WallNextPage(benchmark::State& state)
{
    CMainFrame frame;
    frame.resize(1200, 1000);
    frame.show();
    CDesignDocument* design = frame.OpenDocument(QString::fromStdString(WallDocument()));
    ui::CDrawView* view = frame.ActiveView();
    Settle();
    for (auto _ : state) {
        const int next = (design->Doc()->CurrentPage() + 1) % design->Doc()->PageCount();
        QElapsedTimer timer;
        timer.start();
        GoToPage(design, next);
        view->viewport()->repaint();
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
    }
}
BENCHMARK(BM_WallNextPage)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(26);

// The page strip's thirteen pictures of a wall calendar just opened, drawn
// from nothing: each photo decoded at the size of its small picture only,
// on the worker pool. The time until every picture is in, and the longest
// the window was held by one drawing of them.
void BM_WallStripPictures(benchmark::State& state)
{
    for (auto _ : state) {
        CMainFrame frame;
        frame.resize(1200, 1000);
        frame.show();
        CDesignDocument* design = frame.OpenDocument(QString::fromStdString(WallDocument()));
        frame.ActiveView()->viewport()->repaint();
        CPageStrip* strip = frame.PageStrip();
        auto stale = [&] {
            for (int i = 0; i < design->Doc()->PageCount(); ++i)
                if (strip->IsStale(i)) return true;
            return false;
        };
        QElapsedTimer timer;
        timer.start();
        strip->DrawStale();
        while (stale() && timer.elapsed() < 60000) QApplication::processEvents(QEventLoop::AllEvents, 5);
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
        state.counters["pictures"] = strip->PicturesDrawn();
        state.counters["longest_ms"] = strip->LongestDrawMilliseconds();
    }
}
BENCHMARK(BM_WallStripPictures)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

void BM_DragRepaintStep(benchmark::State& state)
{
    CMainFrame frame;
    frame.resize(1200, 1000);
    frame.show();
    frame.OpenDocument(QString::fromStdString(DemoDocument()));
    ui::CDrawView* view = frame.ActiveView();
    view->SetZoom(100);
    Settle();
    CDrawObj* calendar = nullptr;
    for (CDrawObj* obj : *view->GetDocument()->GetObjects())
        if (auto* r = dynamic_cast<CDrawRect*>(obj); r && r->m_nKind == CDrawRect::kindCalendar && !calendar)
            calendar = obj;
    view->SelectDrawObj(calendar);
    view->viewport()->repaint();
    int step = 0;
    for (auto _ : state) {
        CRect r = calendar->m_position;
        const int dx = (step++ / 40) % 2 ? -5 : 5;
        CRect before = r;
        r.OffsetRect(dx, 0);
        calendar->MoveTo(r, view);
        // The region this step leaves dirty (old and new place with their
        // handles), painted now.
        view->PageToWindow(before);
        CRect after = r;
        view->PageToWindow(after);
        const QRect dirty = QRect(QPoint(before.left, before.top), QPoint(before.right, before.bottom))
                                .united(QRect(QPoint(after.left, after.top), QPoint(after.right, after.bottom)))
                                .adjusted(-8, -8, 8, 8);
        QElapsedTimer timer;
        timer.start();
        view->viewport()->repaint(dirty);
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
        if (!view->viewport()->rect().contains(dirty)) state.SkipWithError("the calendar is out of sight");
    }
}
BENCHMARK(BM_DragRepaintStep)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(200);

void BM_UndoRedoMove2000(benchmark::State& state)
{
    CHistorySink::Install();
    CDesignDocument design;
    for (int i = 0; i < 2000; ++i) {
        auto* r = new CDrawRect(CRect(i % 40 * 20, i / 40 * 20, i % 40 * 20 + 15, i / 40 * 20 - 15),
                                i % 3 == 0 ? CDrawRect::kindCalendar : CDrawRect::kindEllipse);
        design.Doc()->Add(r);
    }
    ui::CDrawView view(&design);
    CDrawObj* target = *std::next(design.Doc()->GetObjects()->begin(), 1500);
    view.SelectDrawObj(target);
    view.MoveSelectionBy(7, 3, false);
    QUndoStack* stack = design.UndoStack();
    for (auto _ : state) {
        stack->undo();
        stack->redo();
    }
}
BENCHMARK(BM_UndoRedoMove2000)->Unit(benchmark::kMillisecond);

// The file dialog's preview of a 20 MP camera photo chosen in the list, up
// to the painted pane (the photo is decoded at the pane's size, on the
// window's thread).
void BM_PreviewPane20MP(benchmark::State& state)
{
    const QString photo = QString::fromStdString(CameraPhoto(3, "5472x3648"));
    CPreviewPane pane;
    pane.resize(240, 320);
    pane.show();
    Settle();
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        if (!pane.SetPreviewPath(photo)) state.SkipWithError("no preview");
        pane.repaint();
        state.SetIterationTime(timer.nsecsElapsed() / 1e9);
        pane.SetPreviewPath(QString());
    }
}
BENCHMARK(BM_PreviewPane20MP)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(9);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const auto home = WorkDir() / "home";
    std::filesystem::create_directories(home);
    qputenv("HOME", home.string().c_str());
    qputenv("XDG_CONFIG_HOME", (home / ".config").string().c_str());
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    AppSettings().m_bNoNewWizard = 1;
    return RunBenchmarks(argc, argv, WorkDir());
}
