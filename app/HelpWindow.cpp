#include "app/HelpWindow.h"

#include "app/Artwork.h"
#include "app/DataFiles.h"

#include <QtCore/QFileInfo>
#include <QtCore/QPointer>
#include <QtCore/QUrl>
#include <QtGui/QAction>
#include <QtGui/QKeySequence>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QSplitter>
#include <QtWidgets/QTextBrowser>
#include <QtWidgets/QToolBar>

namespace {

struct CTopic {
    const char* m_pszPage;
    const char* m_pszTitle;
};

// The topics in reading order; the list beside the pages follows it.
const CTopic kTopics[] = {
    {"index.html", "Welcome"},
    {"getting-started.html", "Getting started"},
    {"wizard.html", "New Calendar Wizard"},
    {"tools.html", "Drawing tools"},
    {"selecting.html", "Selecting, moving, resizing"},
    {"arranging.html", "Arranging objects"},
    {"properties.html", "Property sheets"},
    {"calendar-properties.html", "Calendar properties"},
    {"text-properties.html", "Text properties"},
    {"text3d.html", "3D text"},
    {"image-properties.html", "Image properties"},
    {"frame-properties.html", "Frame properties"},
    {"background.html", "Page background"},
    {"options.html", "Mondrel options"},
    {"zoom.html", "Zoom"},
    {"undo.html", "Undo and redo"},
    {"export.html", "Export as picture or PDF"},
    {"printing.html", "Printing"},
    {"recovery.html", "Crash recovery"},
    {"shortcuts.html", "Keyboard shortcuts"},
};

QPointer<CHelpWindow>& Instance()
{
    static QPointer<CHelpWindow> window;
    return window;
}

QString MissingPage(const QString& page)
{
    return QStringLiteral("<html><body><h1>Page not found</h1><p>The help page <b>%1</b> is not installed. "
                          "The help pages live in the <code>help</code> folder of Mondrel's data folder.</p>"
                          "<p><a href=\"index.html\">Back to the contents</a></p></body></html>")
        .arg(page.toHtmlEscaped());
}

}  // namespace

CHelpWindow::CHelpWindow(const QString& folder, QWidget* parent) : QMainWindow(parent), m_strFolder(folder)
{
    setWindowTitle(QStringLiteral("Mondrel Help"));
    setWindowIcon(AppIcon());
    setAttribute(Qt::WA_DeleteOnClose);

    m_pBrowser = new QTextBrowser(this);
    m_pBrowser->setSearchPaths({folder});
    m_pBrowser->setOpenExternalLinks(true);
    m_pBrowser->document()->setDocumentMargin(18);

    m_pTopics = new QListWidget(this);
    for (const CTopic& topic : kTopics) {
        auto* item = new QListWidgetItem(QString::fromUtf8(topic.m_pszTitle), m_pTopics);
        item->setData(Qt::UserRole, QString::fromLatin1(topic.m_pszPage));
    }
    m_pTopics->setMinimumWidth(190);
    m_pTopics->setSpacing(1);
    m_pTopics->setStyleSheet(QStringLiteral("QListWidget::item { padding: 3px 6px; }"));
    connect(m_pTopics, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { ShowPage(item->data(Qt::UserRole).toString()); });
    connect(m_pTopics, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ShowPage(item->data(Qt::UserRole).toString()); });

    auto* splitter = new QSplitter(this);
    splitter->addWidget(m_pTopics);
    splitter->addWidget(m_pBrowser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({200, 620});
    setCentralWidget(splitter);

    auto* bar = addToolBar(QStringLiteral("Navigation"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->setIconSize(QSize(20, 20));
    QAction* back = bar->addAction(CommandIcon(QStringLiteral("help_back")), QStringLiteral("&Back"));
    back->setShortcut(QKeySequence::Back);
    QAction* forward = bar->addAction(CommandIcon(QStringLiteral("help_forward")), QStringLiteral("&Forward"));
    forward->setShortcut(QKeySequence::Forward);
    QAction* home = bar->addAction(CommandIcon(QStringLiteral("help_home")), QStringLiteral("&Contents"));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QAction::triggered, m_pBrowser, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, m_pBrowser, &QTextBrowser::forward);
    connect(home, &QAction::triggered, this, [this] { ShowPage(QStringLiteral("index.html")); });
    connect(m_pBrowser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_pBrowser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(m_pBrowser, &QTextBrowser::sourceChanged, this, &CHelpWindow::SourceChanged);

    resize(860, 620);
}

void CHelpWindow::ShowPage(const QString& page)
{
    const QString file = page.section(QLatin1Char('#'), 0, 0);
    const QString fragment = page.section(QLatin1Char('#'), 1);
    if (!QFileInfo(m_strFolder + file).isFile()) {
        m_pBrowser->setHtml(MissingPage(file));
        return;
    }
    QUrl url = QUrl::fromLocalFile(m_strFolder + file);
    if (!fragment.isEmpty()) url.setFragment(fragment);
    m_pBrowser->setSource(url);
}

QString CHelpWindow::CurrentPage() const
{
    return QFileInfo(m_pBrowser->source().toLocalFile()).fileName();
}

void CHelpWindow::SourceChanged(const QUrl& url)
{
    const QString title = m_pBrowser->documentTitle();
    setWindowTitle(title.isEmpty() ? QStringLiteral("Mondrel Help") : QStringLiteral("Mondrel Help - ") + title);
    const QString page = QFileInfo(url.toLocalFile()).fileName();
    for (int i = 0; i < m_pTopics->count(); ++i) {
        if (m_pTopics->item(i)->data(Qt::UserRole).toString() == page) {
            const QSignalBlocker block(m_pTopics);
            m_pTopics->setCurrentRow(i);
            return;
        }
    }
    m_pTopics->clearSelection();
}

void ShowHelp(QWidget* parent, const QString& page)
{
    QPointer<CHelpWindow>& window = Instance();
    if (!window) {
        // A top-level window of its own, so it can stay open beside the page
        // being designed; it goes when the main frame goes.
        window = new CHelpWindow(HelpFolder(), parent ? parent->window() : nullptr);
        window->setWindowFlag(Qt::Window);
        if (parent) window->move(parent->window()->geometry().center() - window->rect().center());
    }
    window->ShowPage(page.isEmpty() ? QStringLiteral("index.html") : page);
    window->show();
    window->raise();
    window->activateWindow();
}

CHelpWindow* HelpWindowInstance()
{
    return Instance().data();
}
