#include "app/MainFrame.h"

#include "app/AboutBox.h"
#include "app/Actions.h"
#include "app/AppSettings.h"
#include "app/Artwork.h"
#include "app/DataFiles.h"
#include "app/HelpWindow.h"
#include "app/MainFrameBackground.h"
#include "app/MessageBox.h"
#include "app/PageStrip.h"
#include "app/ProgressStatusBar.h"
#include "app/SplitFrame.h"
#include "app/TipOfDayDialog.h"
#include "app/WindowState.h"
#include "document/DrawDoc.h"
#include "platform/TranslatedMessage.h"
#include "objects/DrawItem.h"
#include "objects/DrawOleObj.h"
#include "objects/Environment.h"
#include "properties/PreviewFileDialog.h"
#include "view/DesignDocument.h"
#include "view/DrawView.h"
#include "view/EditTool.h"
#include "view/PageCommands.h"
#include "view/PageOutput.h"
#include "view/UndoCommands.h"

#include "properties/NewCalendarWizard.h"
#include "properties/BackgroundSheets.h"
#include "properties/OptionsSheet.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QFileInfo>
#include <QtCore/QMimeData>
#include <QtCore/QPointer>
#include <QtCore/QTimer>
#include <QtCore/QUrl>
#include <QtGui/QClipboard>
#include <QtGui/QCloseEvent>
#include <QtGui/QDropEvent>
#include <QtGui/QGuiApplication>
#include <QtGui/QUndoGroup>
#include <QtGui/QUndoStack>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QMdiArea>
#include <QtWidgets/QMdiSubWindow>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QProgressBar>
#include <QtWidgets/QStatusBar>
#include <QtWidgets/QToolBar>

#include <algorithm>

namespace {

constexpr int kRecentCount = 4;

const char* const kToolIds[toolCount] = {"tool_select",  "tool_line",   "tool_rect",     "tool_roundrect",
                                          "tool_ellipse", "tool_polygon", "tool_text",    "tool_calendar",
                                          "tool_image",   "tool_frame",  "tool_polyline"};

QString SplitPrompt(const char* prompt, bool tooltip)
{
    const QString text = QCoreApplication::translate("Actions", prompt);
    const int nl = text.indexOf('\n');
    if (nl < 0) return tooltip ? QString() : text;
    return tooltip ? text.mid(nl + 1) : text.left(nl);
}

// Tile: the open windows one above the other, each as wide as the area;
// minimised windows stay where they are.
void TileHorizontally(QMdiArea* area)
{
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* w : area->subWindowList())
        if (!w->isHidden() && !w->isMinimized()) windows << w;
    if (windows.isEmpty()) return;
    const QRect room = area->viewport()->rect();
    const int n = static_cast<int>(windows.size());
    const int height = std::max(1, room.height() / n);
    for (int i = 0; i < n; ++i) {
        QMdiSubWindow* w = windows[i];
        if (w->isMaximized()) w->showNormal();
        const int top = room.top() + i * height;
        w->setGeometry(room.left(), top, room.width(), i == n - 1 ? room.bottom() + 1 - top : height);
    }
}

// Arrange Icons: the minimised windows in rows along the bottom of the area,
// left to right; the open ones are left alone.
void ArrangeIcons(QMdiArea* area)
{
    const QRect room = area->viewport()->rect();
    int x = room.left();
    int bottom = room.bottom() + 1;
    int rowHeight = 0;
    for (QMdiSubWindow* w : area->subWindowList()) {
        if (w->isHidden() || !w->isMinimized()) continue;
        const QSize size = w->size();
        if (x > room.left() && x + size.width() > room.right() + 1) {
            x = room.left();
            bottom -= rowHeight;
            rowHeight = 0;
        }
        w->move(x, bottom - size.height());
        x += size.width();
        rowHeight = std::max(rowHeight, size.height());
    }
}

// The calendar documents among files dragged from a file manager.
QStringList DocumentFiles(const QMimeData* data)
{
    QStringList files;
    if (!data || !data->hasUrls()) return files;
    for (const QUrl& url : data->urls()) {
        if (!url.isLocalFile()) continue;
        const QFileInfo info(url.toLocalFile());
        if (info.isFile() && info.suffix().compare(QLatin1String("mdr"), Qt::CaseInsensitive) == 0)
            files << info.absoluteFilePath();
    }
    return files;
}

// Insert New Object could not make its object; the picture's own fault is
// said in plain words after it.
const char* const kCreateFailed =
    QT_TRANSLATE_NOOP("CMainFrame", "Failed to create object.  Make sure the object is entered in the system registry.");
constexpr qint64 kMaxInsertedFile = qint64(256) << 20;

void ReportInsertFailure(QWidget* parent, const QString& path, const QString& reason)
{
    ShowMessage(parent,
                QCoreApplication::translate("CMainFrame", "Failed to create object.  The picture \"%1\" cannot be read: %2.")
                    .arg(QFileInfo(path).fileName(), reason),
                QMessageBox::Critical);
}

}  // namespace

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Mondrel"));
    setWindowIcon(AppIcon());
    // The program's picture is painted behind the document windows.
    m_pMdi = new CMainFrameBackground(this);
    m_pMdi->setObjectName(QStringLiteral("mdiArea"));
    m_pMdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_pMdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_pMdi);
    m_pUndoGroup = new QUndoGroup(this);
    // File dialogs start in the folder of the document in front.
    SetDocumentPathSource([self = QPointer<CMainFrame>(this)] {
        const CDesignDocument* design = self ? self->ActiveDocument() : nullptr;
        return design ? design->FilePath() : QString();
    });

    CreateActions();
    CreateMenus();
    CreateToolbar();
    CreateStatusBar();
    CreatePageStrip();

    connect(m_pMdi, &QMdiArea::subWindowActivated, this, [this] { OnFrameActivated(); });
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this] { UpdateActions(); });
    CEditTool::SetToolChangedHook([this](int tool) {
        if (tool >= 0 && tool < toolCount) Action(kToolIds[tool])->setChecked(true);
        UpdateActions();
    });
    CSplitFrame::SetClosePrompt([this](CSplitFrame* frame) {
        // Only the last window of a document asks.
        int windows = 0;
        for (QMdiSubWindow* w : m_pMdi->subWindowList())
            if (auto* f = qobject_cast<CSplitFrame*>(w); f && f->Design() == frame->Design()) ++windows;
        return windows > 1 || PromptToSave(frame->Design());
    });

    const CSettingsStore& store = *Environment().m_settings;
    QStringList recent;
    for (int i = 1; i <= kRecentCount; ++i) {
        const std::string file = store.GetProfileString("Recent File List", "File" + std::to_string(i), "");
        if (!file.empty()) recent << QString::fromStdString(file);
    }
    m_recent = recent;
    UpdateRecentMenu();
    setAcceptDrops(true);
    resize(1100, 860);
    RestoreState();
    UpdateActions();
}

CMainFrame::~CMainFrame()
{
    CEditTool::EndDrag();
    CEditTool::SetToolChangedHook({});
    CSplitFrame::SetClosePrompt({});
    // The windows and their views go while their documents are still there.
    m_bDestroying = true;
    // The strip is hidden as the window goes, after the actions.
    disconnect(m_pStrip, nullptr, this, nullptr);
    m_pStrip->SetDocument(nullptr);
    delete m_pMdi;
    m_pMdi = nullptr;
    for (CDesignDocument* d : m_documents) delete d;
    m_documents.clear();
}

QAction* CMainFrame::Action(const char* id) const
{
    auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

// --- Building the window ------------------------------------------------------------

void CMainFrame::CreateActions()
{
    m_pTools = new QActionGroup(this);
    m_pTools->setExclusive(true);
    for (const CActionSpec& row : ActionTable()) {
        QAction* action = nullptr;
        action = new QAction(QCoreApplication::translate("Actions", row.m_text), this);
        const bool undo = std::strcmp(row.m_id, "edit_undo") == 0;
        if (undo || std::strcmp(row.m_id, "edit_redo") == 0) {
            // The step's name goes into the menu text: "Undo Move".
            const QString verb = undo ? tr("&Undo") : tr("&Redo");
            const QString verbWithName = undo ? tr("&Undo %1") : tr("&Redo %1");
            const QString key = undo ? tr("\tCtrl+Z") : tr("\tCtrl+Shift+Z");
            action->setEnabled(false);
            connect(m_pUndoGroup, undo ? &QUndoGroup::canUndoChanged : &QUndoGroup::canRedoChanged, action,
                    &QAction::setEnabled);
            connect(m_pUndoGroup, undo ? &QUndoGroup::undoTextChanged : &QUndoGroup::redoTextChanged, action,
                    [action, verb, verbWithName, key](const QString& name) {
                        action->setText((name.isEmpty() ? verb : verbWithName.arg(name)) + key);
                    });
        }
        action->setObjectName(QString::fromLatin1(row.m_id));
        action->setShortcuts(row.m_keys);
        action->setStatusTip(SplitPrompt(row.m_prompt, false));
        const QString tip = SplitPrompt(row.m_prompt, true);
        action->setToolTip(tip.isEmpty() ? SplitPrompt(row.m_prompt, false) : tip);
        if (row.m_icon) action->setIcon(CommandIcon(QString::fromLatin1(row.m_icon)));
        action->setCheckable(row.m_bCheckable);
        m_actions[row.m_id] = action;
        addAction(action);
    }
    for (int tool = 0; tool < toolCount; ++tool) m_pTools->addAction(Action(kToolIds[tool]));
    Action("tool_select")->setChecked(true);

    // File
    Connect("file_new", [this] { NewDocument(); });
    Connect("file_open", [this] {
        const QString path = GetOpenFileNameWithPreview(this, FileKind::Document,
                                                        tr("Select Saved Mondrel File to open"),
                                                        tr("Mondrel Files (.mdr)|*.mdr||"));
        if (!path.isEmpty()) OpenDocument(path);
    });
    Connect("file_close", [this] {
        if (CSplitFrame* frame = ActiveFrame()) frame->close();
    });
    Connect("file_save", [this] {
        if (CDesignDocument* d = ActiveDocument()) SaveDocument(d, false);
    });
    Connect("file_save_as", [this] {
        if (CDesignDocument* d = ActiveDocument()) SaveDocument(d, true);
    });
    Connect("export_picture", [this] {
        if (CDesignDocument* d = ActiveDocument()) {
            CProgressReport report{[this](const QString& t, int l, int h) { BeginProgress(t, l, h); },
                                   [this](int p) { SetProgress(p); }, [this] { EndProgress(); }};
            ExportPicture(this, d, report);
        }
    });
    Connect("export_pdf", [this] {
        if (CDesignDocument* d = ActiveDocument()) ExportPdf(this, d);
    });
    Connect("file_print", [this] {
        if (CDesignDocument* d = ActiveDocument()) PrintDocument(this, d);
    });
    Connect("print_preview", [this] {
        if (CDesignDocument* d = ActiveDocument()) PreviewDocument(this, d);
    });
    Connect("insert_object", [this] {
        ui::CDrawView* view = ActiveView();
        if (!view) return;
        const QString path = GetOpenFileNameWithPreview(
            this, FileKind::Picture, tr("Insert Picture"),
            tr("Pictures|*.bmp;*.gif;*.jpg;*.jpeg;*.png;*.ico;*.tif;*.tiff;*.tga;*.pcx|All Files (*.*)|*.*||"));
        if (path.isEmpty()) return;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            ReportInsertFailure(this, path, file.errorString());
            return;
        }
        if (file.size() > kMaxInsertedFile) {
            ReportInsertFailure(this, path, tr("the file is larger than 256 MB"));
            return;
        }
        QImage picture;
        if (!picture.loadFromData(file.readAll())) {
            ReportInsertFailure(this, path, tr("it is not a picture in a format the program reads, or it is damaged"));
            return;
        }
        QMimeData data;
        data.setImageData(picture);
        const QPoint corner(10, 10);
        if (!view->InsertFromMime(&data, &corner))
            ShowMessage(this, tr(kCreateFailed), QMessageBox::Critical);
    });
    Connect("file_exit", [this] { close(); });

    // Edit
    OnViewCommand(nullptr);
    Connect("edit_cut", [this] { OnViewCommand([](ui::CDrawView* v) { v->CutSelection(); }); });
    Connect("edit_copy", [this] { OnViewCommand([](ui::CDrawView* v) { v->CopySelection(); }); });
    Connect("edit_paste", [this] { OnViewCommand([](ui::CDrawView* v) { v->PasteClipboard(); }); });
    Connect("edit_delete", [this] { OnViewCommand([](ui::CDrawView* v) { v->DeleteSelection(); }); });
    Connect("edit_select_all", [this] { OnViewCommand([](ui::CDrawView* v) { v->SelectAll(); }); });
    Connect("properties", [this] { OnViewCommand([](ui::CDrawView* v) { v->EditProperties(); }); });
    Connect("object_properties", [this] { OnViewCommand([](ui::CDrawView* v) { v->EditProperties(); }); });
    // Undo and redo end a drag first, so no step is undone under the mouse.
    Connect("edit_undo", [this] {
        CEditTool::EndDrag();
        m_pUndoGroup->undo();
    });
    Connect("edit_redo", [this] {
        CEditTool::EndDrag();
        m_pUndoGroup->redo();
    });

    // View
    Connect("view_toolbar", [this] { m_pToolbar->setVisible(Action("view_toolbar")->isChecked()); });
    Connect("view_status_bar", [this] { statusBar()->setVisible(Action("view_status_bar")->isChecked()); });
    Connect("view_grid", [this] {
        if (ui::CDrawView* v = ActiveView()) v->SetDesignGrid(!v->IsDesignGrid());
        UpdateActions();
    });
    Connect("view_show_objects", [this] {
        CDrawOleObj::c_bShowObjects = !CDrawOleObj::c_bShowObjects;
        for (CDesignDocument* d : m_documents) d->Doc()->UpdateAllViews(nullptr, HINT_UPDATE_OLE_ITEMS);
        UpdateActions();
    });
    Connect("zoom_in", [this] { OnViewCommand([](ui::CDrawView* v) { v->ZoomIn(); }); });
    Connect("zoom_out", [this] { OnViewCommand([](ui::CDrawView* v) { v->ZoomOut(); }); });
    Connect("zoom_fit", [this] { OnViewCommand([](ui::CDrawView* v) { v->ZoomToFitPage(); }); });
    Connect("zoom_width", [this] { OnViewCommand([](ui::CDrawView* v) { v->ZoomToFitWidth(); }); });
    Connect("zoom_actual", [this] { OnViewCommand([](ui::CDrawView* v) { v->SetZoom(100); }); });
    Connect("background_color", [this] {
        if (CDesignDocument* d = ActiveDocument()) EditBackgroundColor(this, d->Doc());
    });
    Connect("background_image", [this] {
        if (CDesignDocument* d = ActiveDocument()) EditBackgroundImage(this, d->Doc());
    });
    Connect("options", [this] {
        const CAppSettings before = AppSettings();
        if (!EditOptions(this)) return;
        // The grid's settings reach the open views at once. Grid on or off
        // goes to them only when the option itself changed, so a view whose
        // grid was switched from the View menu keeps it otherwise.
        const CAppSettings& now = AppSettings();
        for (CDesignDocument* d : m_documents) {
            for (ui::CDrawView* v : d->Views()) {
                if ((now.m_bDrawGrid != 0) != (before.m_bDrawGrid != 0)) v->SetDesignGrid(now.m_bDrawGrid != 0);
                v->SetGridColor(now.m_crGridColor);
            }
        }
        UpdateActions();
    });

    // Draw
    for (int tool = 0; tool < toolCount; ++tool) {
        Connect(kToolIds[tool], [tool] {
            CEditTool::EndDrag();
            CEditTool::SetCurrentTool(tool);
        });
    }

    // Object
    const std::pair<const char*, ArrangeCommand> arrange[] = {
        {"align_top", ArrangeCommand::alignTop},       {"align_bottom", ArrangeCommand::alignBottom},
        {"align_center", ArrangeCommand::alignCenter}, {"align_vcenter", ArrangeCommand::alignVCenter},
        {"align_left", ArrangeCommand::alignLeft},     {"align_right", ArrangeCommand::alignRight},
        {"same_width", ArrangeCommand::sameWidth},     {"same_height", ArrangeCommand::sameHeight},
        {"same_size", ArrangeCommand::sameSize},       {"space_across", ArrangeCommand::spaceAcross},
        {"space_down", ArrangeCommand::spaceDown}};
    for (const auto& [id, command] : arrange) {
        const ArrangeCommand c = command;
        Connect(id, [this, c] { OnViewCommand([c](ui::CDrawView* v) { v->Arrange(c); }); });
    }
    const std::pair<const char*, ZOrderCommand> order[] = {{"move_front", ZOrderCommand::toFront},
                                                           {"move_back", ZOrderCommand::toBack},
                                                           {"move_forward", ZOrderCommand::forward},
                                                           {"move_backward", ZOrderCommand::backward}};
    for (const auto& [id, command] : order) {
        const ZOrderCommand c = command;
        Connect(id, [this, c] { OnViewCommand([c](ui::CDrawView* v) { v->ChangeZOrder(c); }); });
    }

    // Page: each command is one step of the document's history; turning
    // the pages is not.
    const std::pair<const char*, std::function<void(CDesignDocument*)>> pages[] = {
        {"page_new", [](CDesignDocument* d) { NewPage(d); }},
        {"page_duplicate", [](CDesignDocument* d) { DuplicatePage(d); }},
        {"page_delete", [](CDesignDocument* d) { DeletePage(d); }},
        {"page_earlier", [](CDesignDocument* d) { MovePageBy(d, -1); }},
        {"page_later", [](CDesignDocument* d) { MovePageBy(d, 1); }},
        {"page_next", [](CDesignDocument* d) { GoToPage(d, d->Doc()->CurrentPage() + 1); }},
        {"page_previous", [](CDesignDocument* d) { GoToPage(d, d->Doc()->CurrentPage() - 1); }},
    };
    for (const auto& [id, command] : pages) {
        Connect(id, [this, command = command] {
            CDesignDocument* d = ActiveDocument();
            if (!d) return;
            CEditTool::EndDrag();
            command(d);
            UpdateActions();
        });
    }

    // Window
    Connect("window_new", [this] {
        if (CDesignDocument* d = ActiveDocument()) NewWindow(d);
    });
    Connect("window_split", [this] {
        if (CSplitFrame* f = ActiveFrame()) {
            if (f->Rows() * f->Columns() > 1) f->SetSplit(1, 1);
            else f->SetSplit(2, 2);
        }
        UpdateActions();
    });
    Connect("window_cascade", [this] { m_pMdi->cascadeSubWindows(); });
    Connect("window_tile", [this] { TileHorizontally(m_pMdi); });
    Connect("window_arrange", [this] { ArrangeIcons(m_pMdi); });

    // Help
    Connect("help_tip", [this] {
        CTipOfDayDialog tips(LocalizedFile(DataFile(QStringLiteral("tips.txt"))), this);
        tips.exec();
    });
    Connect("help_topics", [this] { ShowHelp(this); });
    Connect("help_about", [this] { ShowAboutBox(this); });
}

void CMainFrame::Connect(const char* id, std::function<void()> handler)
{
    // A command works on the page of the view worked in: that page is made
    // current first (another window on the document may have shown its own).
    if (QAction* action = Action(id))
        connect(action, &QAction::triggered, this, [this, handler] {
            if (ui::CDrawView* view = ActiveView()) view->MakePageCurrent();
            handler();
        });
}

void CMainFrame::OnViewCommand(std::function<void(ui::CDrawView*)> command)
{
    if (!command) return;
    if (ui::CDrawView* view = ActiveView()) command(view);
    UpdateActions();
}

void CMainFrame::CreateMenus()
{
    for (const CMenuSpec& row : MenuTable()) {
        QMenu* menu = menuBar()->addMenu(QCoreApplication::translate("Actions", row.m_title));
        for (const char* item : row.m_items) {
            if (std::strcmp(item, "-") == 0) {
                menu->addSeparator();
            } else if (std::strcmp(item, "*recent") == 0) {
                m_pRecentMenu = menu;
            } else if (std::strcmp(item, "*windows") == 0) {
                m_pWindowMenu = menu;
            } else if (QAction* action = Action(item)) {
                menu->addAction(action);
            }
        }
        if (menu == m_pWindowMenu) connect(menu, &QMenu::aboutToShow, this, [this] { UpdateWindowMenu(); });
        connect(menu, &QMenu::aboutToShow, this, [this] { UpdateActions(); });
    }
}

void CMainFrame::CreateToolbar()
{
    m_pToolbar = addToolBar(tr("Standard"));
    m_pToolbar->setObjectName(QStringLiteral("toolbar"));
    m_pToolbar->setIconSize(QSize(24, 24));
    m_pToolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_pToolbar->setAllowedAreas(Qt::AllToolBarAreas);
    for (const char* id : ToolbarTable()) {
        if (std::strcmp(id, "-") == 0) m_pToolbar->addSeparator();
        else if (QAction* action = Action(id)) m_pToolbar->addAction(action);
    }
    Action("view_toolbar")->setChecked(true);
    connect(m_pToolbar, &QToolBar::visibilityChanged, this,
            [this](bool visible) { Action("view_toolbar")->setChecked(visible); });
}

void CMainFrame::CreateStatusBar()
{
    m_pStatus = new CProgressStatusBar(this);
    m_pStatus->setObjectName(QStringLiteral("statusBar"));
    setStatusBar(m_pStatus);
    m_pPositionLabel = new QLabel(m_pStatus);
    m_pPositionLabel->setMinimumWidth(110);
    m_pStatus->addPermanentWidget(m_pPositionLabel);
    m_pPageLabel = new QLabel(m_pStatus);
    m_pPageLabel->setObjectName(QStringLiteral("pageLabel"));
    m_pPageLabel->setMinimumWidth(90);
    m_pStatus->addPermanentWidget(m_pPageLabel);
    m_pZoomLabel = new QLabel(m_pStatus);
    m_pZoomLabel->setMinimumWidth(60);
    m_pStatus->addPermanentWidget(m_pZoomLabel);
    Action("view_status_bar")->setChecked(true);
    m_pStatus->showMessage(tr("Ready"));
}

void CMainFrame::CreatePageStrip()
{
    m_pStrip = new CPageStrip(this);
    addDockWidget(Qt::LeftDockWidgetArea, m_pStrip);
    resizeDocks({m_pStrip}, {CPageStrip::kThumbWidth + 48}, Qt::Horizontal);
    Action("view_page_strip")->setChecked(true);
    Connect("view_page_strip", [this] { m_pStrip->setVisible(Action("view_page_strip")->isChecked()); });
    connect(m_pStrip, &QDockWidget::visibilityChanged, this,
            [this] { Action("view_page_strip")->setChecked(!m_pStrip->isHidden()); });
    connect(m_pStrip, &CPageStrip::PageChosen, this, [this](int index) {
        CDesignDocument* d = ActiveDocument();
        if (!d || d != m_pStrip->Document()) return;
        CEditTool::EndDrag();
        if (ui::CDrawView* view = ActiveView()) view->MakePageCurrent();
        GoToPage(d, index);
        UpdateActions();
    });
}

void CMainFrame::BeginProgress(const QString& text, int low, int high)
{
    m_pStatus->BeginProgress(text, low, high);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void CMainFrame::SetProgress(int position)
{
    m_pStatus->SetPos(position);
}

void CMainFrame::EndProgress()
{
    m_pStatus->EndProgress();
}

// --- Documents ----------------------------------------------------------------------

CSplitFrame* CMainFrame::ActiveFrame() const
{
    auto* frame = qobject_cast<CSplitFrame*>(m_pMdi->activeSubWindow());
    if (!frame) frame = LastFrame();
    return frame;
}

CSplitFrame* CMainFrame::LastFrame() const
{
    // A frame half destroyed is a plain widget by now, and not taken.
    return qobject_cast<CSplitFrame*>(m_pLastFrame.data());
}

ui::CDrawView* CMainFrame::ActiveView() const
{
    CSplitFrame* frame = ActiveFrame();
    return frame ? frame->ActivePane() : nullptr;
}

CDesignDocument* CMainFrame::ActiveDocument() const
{
    CSplitFrame* frame = ActiveFrame();
    return frame ? frame->Design() : nullptr;
}

CSplitFrame* CMainFrame::NewWindow(CDesignDocument* design)
{
    auto* frame = new CSplitFrame(design);
    m_pMdi->addSubWindow(frame);
    frame->setWindowIcon(AppIcon());
    connect(frame, &CSplitFrame::PaneActivated, this, [this](ui::CDrawView* view) {
        m_pUndoGroup->setActiveStack(view->Design()->UndoStack());
        UpdateActions();
    });
    connect(frame, &QObject::destroyed, this, [this, design] {
        if (m_bDestroying) return;
        // The document goes with its last window.
        for (QMdiSubWindow* w : m_pMdi->subWindowList())
            if (auto* f = qobject_cast<CSplitFrame*>(w); f && f->Design() == design) return;
        DocumentClosed(design);
    });
    connect(frame, &CSplitFrame::SelectionChanged, this, [this] { UpdateActions(); });
    connect(frame, &CSplitFrame::ZoomChanged, this, [this](int z) { m_pZoomLabel->setText(QStringLiteral("%1 %").arg(z)); });
    connect(frame, &CSplitFrame::StatusText, m_pPositionLabel, &QLabel::setText);
    connect(frame, &CSplitFrame::PagesChanged, this, [this] { UpdateActions(); });
    // The first window fills the area; more windows come cascaded.
    if (m_pMdi->subWindowList().size() == 1) {
        frame->showMaximized();
    } else {
        frame->resize(std::max(640, m_pMdi->width() * 3 / 4), std::max(520, m_pMdi->height() * 3 / 4));
        frame->show();
    }
    m_pMdi->setActiveSubWindow(frame);
    frame->ActivePane()->setFocus();
    frame->ActivePane()->SetViewActive(true);
    m_pLastFrame = frame;
    m_pUndoGroup->addStack(design->UndoStack());
    m_pUndoGroup->setActiveStack(design->UndoStack());
    return frame;
}

CDesignDocument* CMainFrame::NewDocument(bool allowWizard)
{
    auto* design = new CDesignDocument(this);
    m_documents.push_back(design);
    connect(design, &CDesignDocument::ModifiedChanged, this, [this] { UpdateActions(); });
    connect(design->UndoStack(), &QUndoStack::indexChanged, this, [this] { UpdateActions(); });
    CSplitFrame* frame = NewWindow(design);
    if (allowWizard && !AppSettings().m_bNoNewWizard) RunNewCalendarWizard(this, design->Doc());
    frame->ActivePane()->ZoomToFitPage();
    return design;
}

CDesignDocument* CMainFrame::OpenDocument(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    for (CDesignDocument* d : m_documents) {
        if (d->FilePath() == absolute) {
            for (QMdiSubWindow* w : m_pMdi->subWindowList())
                if (auto* f = qobject_cast<CSplitFrame*>(w); f && f->Design() == d) m_pMdi->setActiveSubWindow(f);
            return d;
        }
    }
    auto* design = new CDesignDocument(this);
    QString error;
    if (!design->Open(absolute, &error)) {
        delete design;
        ShowMessage(this, tr("Mondrel cannot open \"%1\".\n\n%2").arg(QFileInfo(path).fileName(), error),
                    QMessageBox::Warning);
        return nullptr;
    }
    m_documents.push_back(design);
    connect(design, &CDesignDocument::ModifiedChanged, this, [this] { UpdateActions(); });
    connect(design->UndoStack(), &QUndoStack::indexChanged, this, [this] { UpdateActions(); });
    CSplitFrame* frame = NewWindow(design);
    frame->ActivePane()->ZoomToFitPage();
    AddRecentFile(absolute);
    if (const CMessage& problem = design->Doc()->HolidayProblemMessage(); !problem.IsEmpty())
        ShowMessage(this,
                    tr("\"%1\" opens without the holidays of its calendars.\n\n%2\n\n"
                                   "Add the holiday files again on a calendar's Special Days (Holidays) page; "
                                   "saving the document keeps it without them.")
                        .arg(QFileInfo(path).fileName(), TranslatedMessage(problem)),
                    QMessageBox::Information);
    if (const CMessage& problem = design->Doc()->PageProblemMessage(); !problem.IsEmpty())
        ShowMessage(this,
                    tr("\"%1\" opens without some of its pages.\n\n%2\n\n"
                       "The file itself is left as it is until you save the document.")
                        .arg(QFileInfo(path).fileName(), TranslatedMessage(problem)),
                    QMessageBox::Warning);
    return design;
}

CDesignDocument* CMainFrame::RestoreDocument(const std::function<bool(CDrawDoc&)>& fill, const QString& path)
{
    auto* design = new CDesignDocument(this);
    if (!fill(*design->Doc())) {
        delete design;
        return nullptr;
    }
    design->SetFilePath(path);
    design->SetModified();
    m_documents.push_back(design);
    connect(design, &CDesignDocument::ModifiedChanged, this, [this] { UpdateActions(); });
    connect(design->UndoStack(), &QUndoStack::indexChanged, this, [this] { UpdateActions(); });
    NewWindow(design)->ActivePane()->ZoomToFitPage();
    return design;
}

bool CMainFrame::SaveDocument(CDesignDocument* design, bool askForName)
{
    CEditTool::EndDrag();
    QString path = design->FilePath();
    if (askForName || path.isEmpty()) {
        const QString initial = path.isEmpty() ? design->DisplayName() + QStringLiteral(".mdr") : path;
        path = GetSaveFileNameWithPreview(this, FileKind::Document, tr("Save As"),
                                          tr("Calendar Files (*.mdr)|*.mdr||"), initial, false);
        if (path.isEmpty()) return false;
        if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".mdr");
    }
    QString error;
    if (!design->Save(path, &error)) {
        ShowMessage(this, tr("Mondrel cannot save \"%1\".\n\n%2").arg(QFileInfo(path).fileName(), error),
                    QMessageBox::Critical);
        return false;
    }
    AddRecentFile(design->FilePath());
    UpdateActions();
    return true;
}

bool CMainFrame::PromptToSave(CDesignDocument* design)
{
    if (!design->IsModified()) return true;
    const QMessageBox::StandardButton answer =
        ShowMessage(this, tr("Save changes to %1?").arg(design->DisplayName()), QMessageBox::Question,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel) return false;
    if (answer == QMessageBox::Yes) return SaveDocument(design, false);
    return true;
}

bool CMainFrame::CloseAllDocuments()
{
    CEditTool::EndDrag();
    for (CDesignDocument* d : std::vector<CDesignDocument*>(m_documents))
        if (!PromptToSave(d)) return false;
    CSplitFrame::SetClosePrompt({});
    m_pMdi->closeAllSubWindows();
    // Every document was let go on purpose: its recovery copy can go now,
    // even if the program ends before the windows are gone.
    for (CDesignDocument* d : m_documents) emit DocumentClosing(d);
    CSplitFrame::SetClosePrompt([this](CSplitFrame* frame) {
        int windows = 0;
        for (QMdiSubWindow* w : m_pMdi->subWindowList())
            if (auto* f = qobject_cast<CSplitFrame*>(w); f && f->Design() == frame->Design()) ++windows;
        return windows > 1 || PromptToSave(frame->Design());
    });
    return true;
}

void CMainFrame::DocumentClosed(CDesignDocument* design)
{
    if (m_pStrip->Document() == design) m_pStrip->SetDocument(nullptr);
    emit DocumentClosing(design);
    m_documents.erase(std::remove(m_documents.begin(), m_documents.end(), design), m_documents.end());
    m_pUndoGroup->removeStack(design->UndoStack());
    design->deleteLater();
    UpdateActions();
}

void CMainFrame::AddRecentFile(const QString& path)
{
    m_recent.removeAll(path);
    m_recent.prepend(path);
    while (m_recent.size() > kRecentCount) m_recent.removeLast();
    CSettingsStore& store = *Environment().m_settings;
    for (int i = 0; i < kRecentCount; ++i)
        store.WriteProfileString("Recent File List", "File" + std::to_string(i + 1),
                                 i < m_recent.size() ? m_recent[i].toStdString() : std::string());
    UpdateRecentMenu();
}

void CMainFrame::UpdateRecentMenu()
{
    if (!m_pRecentMenu) return;
    static const char* const kRecentName = "recent_file";
    for (QAction* a : m_pRecentMenu->actions())
        if (a->objectName() == QLatin1String(kRecentName)) {
            m_pRecentMenu->removeAction(a);
            a->deleteLater();
        }
    QAction* before = Action("file_exit");
    // The list stands just above the separator before Exit.
    const QList<QAction*> all = m_pRecentMenu->actions();
    const int exitIndex = all.indexOf(before);
    QAction* anchor = exitIndex > 0 ? all[exitIndex - 1] : before;
    for (int i = 0; i < m_recent.size(); ++i) {
        auto* a = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(m_recent[i]).fileName()), this);
        a->setObjectName(QLatin1String(kRecentName));
        a->setStatusTip(m_recent[i]);
        const QString path = m_recent[i];
        connect(a, &QAction::triggered, this, [this, path] { OpenDocument(path); });
        m_pRecentMenu->insertAction(anchor, a);
    }
}

void CMainFrame::UpdateWindowMenu()
{
    for (QAction* a : m_windowActions) {
        m_pWindowMenu->removeAction(a);
        a->deleteLater();
    }
    m_windowActions.clear();
    const QList<QMdiSubWindow*> windows = m_pMdi->subWindowList();
    if (!windows.isEmpty()) m_windowActions.push_back(m_pWindowMenu->addSeparator());
    int n = 1;
    for (QMdiSubWindow* w : windows) {
        QAction* a = m_pWindowMenu->addAction(QStringLiteral("&%1 %2").arg(n++).arg(w->windowTitle()));
        a->setCheckable(true);
        a->setChecked(w == m_pMdi->activeSubWindow());
        connect(a, &QAction::triggered, this, [this, w] { m_pMdi->setActiveSubWindow(w); });
        m_windowActions.push_back(a);
    }
}

void CMainFrame::OnFrameActivated()
{
    if (m_bDestroying) return;
    if (auto* frame = qobject_cast<CSplitFrame*>(m_pMdi->activeSubWindow())) {
        if (CSplitFrame* last = LastFrame(); last && last != frame)
            for (ui::CDrawView* v : last->Panes()) v->SetViewActive(false);
        m_pLastFrame = frame;
        m_pUndoGroup->setActiveStack(frame->Design()->UndoStack());
        if (ui::CDrawView* view = frame->ActivePane()) {
            view->SetViewActive(true);
            m_pZoomLabel->setText(QStringLiteral("%1 %").arg(view->Zoom()));
        }
    }
    UpdateActions();
}

void CMainFrame::UpdateActions()
{
    if (m_bDestroying || !m_pMdi) return;
    ui::CDrawView* view = ActiveView();
    CDesignDocument* design = ActiveDocument();
    const int selected = view ? static_cast<int>(view->Selection().size()) : 0;
    const bool hasDoc = design != nullptr;
    const bool hasObjects = hasDoc && !design->Doc()->GetObjects()->empty();
    for (const char* id : {"file_close", "file_save", "file_save_as", "export_picture", "export_pdf", "file_print",
                           "print_preview", "insert_object", "view_grid", "zoom_in", "zoom_out", "zoom_fit",
                           "zoom_width", "zoom_actual", "background_color", "background_image", "window_new",
                           "window_split", "window_cascade", "window_tile", "window_arrange"})
        Action(id)->setEnabled(hasDoc);
    Action("edit_cut")->setEnabled(selected > 0);
    Action("edit_copy")->setEnabled(selected > 0);
    Action("edit_delete")->setEnabled(selected > 0);
    Action("edit_paste")->setEnabled(view && view->CanPaste());
    Action("edit_select_all")->setEnabled(hasObjects);
    const bool props = selected == 1 && CEditTool::CurrentTool() == toolSelect;
    Action("properties")->setEnabled(props);
    Action("object_properties")->setEnabled(props);
    for (const char* id : {"align_top", "align_bottom", "align_center", "align_vcenter", "align_left", "align_right",
                           "same_width", "same_height", "same_size"})
        Action(id)->setEnabled(selected >= 2);
    Action("space_across")->setEnabled(selected >= 3);
    Action("space_down")->setEnabled(selected >= 3);
    for (const char* id : {"move_front", "move_back", "move_forward", "move_backward"})
        Action(id)->setEnabled(selected == 1);
    Action("view_grid")->setChecked(view && view->IsDesignGrid());
    Action("view_show_objects")->setChecked(CDrawOleObj::c_bShowObjects);
    if (CSplitFrame* frame = ActiveFrame()) Action("window_split")->setChecked(frame->Rows() * frame->Columns() > 1);
    if (view) m_pZoomLabel->setText(QStringLiteral("%1 %").arg(view->Zoom()));
    else m_pZoomLabel->clear();
    const int pageCount = hasDoc ? design->Doc()->PageCount() : 0;
    const int page = hasDoc ? design->Doc()->CurrentPage() : 0;
    for (const char* id : {"page_new", "page_duplicate"}) Action(id)->setEnabled(hasDoc && pageCount < CDrawDoc::kMaxPages);
    Action("page_delete")->setEnabled(pageCount > 1);
    Action("page_earlier")->setEnabled(hasDoc && page > 0);
    Action("page_later")->setEnabled(hasDoc && page + 1 < pageCount);
    Action("page_next")->setEnabled(hasDoc && page + 1 < pageCount);
    Action("page_previous")->setEnabled(hasDoc && page > 0);
    if (hasDoc) m_pPageLabel->setText(tr("Page %1 of %2").arg(page + 1).arg(pageCount));
    else m_pPageLabel->clear();
    m_pStrip->SetDocument(design);
    QString title = QStringLiteral("Mondrel");
    if (design) title = design->DisplayName() + (design->IsModified() ? QStringLiteral(" * - Mondrel") : QStringLiteral(" - Mondrel"));
    setWindowTitle(title);
}

// --- Window state -------------------------------------------------------------------

void CMainFrame::RestoreState()
{
    CSettingsStore& store = *Environment().m_settings;
    RestoreWindowState(*this, store);
    Action("view_status_bar")->setChecked(!m_pStatus->isHidden());
    m_nPerformance = BumpPerformance(store);
}

void CMainFrame::SaveState()
{
    CSettingsStore& store = *Environment().m_settings;
    SaveWindowState(*this, store);
    SavePerformance(store, m_nPerformance);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DocumentFiles(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    const QStringList files = DocumentFiles(event->mimeData());
    if (files.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // Opened once the drop is over: a message about a damaged file must not
    // hold the file manager's drag.
    QTimer::singleShot(0, this, [this, files] {
        for (const QString& path : files) OpenDocument(path);
    });
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (!CloseAllDocuments()) {
        event->ignore();
        return;
    }
    SaveState();
    QMainWindow::closeEvent(event);
}
