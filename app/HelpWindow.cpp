#include "app/HelpWindow.h"

#include "app/Artwork.h"
#include "app/DataFiles.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QFileInfo>
#include <QtCore/QPointer>
#include <QtCore/QUrl>
#include <QtGui/QAction>
#include <QtGui/QKeySequence>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QSplitter>
#include <QtWidgets/QTextBrowser>
#include <QtWidgets/QToolBar>

#include <algorithm>

namespace {

struct CTopic {
    const char* m_pszPage;
    const char* m_pszTitle;
};

// The topics in reading order; the list beside the pages follows it.
const CTopic kTopics[] = {
    {"index.html", QT_TRANSLATE_NOOP("CHelpWindow", "Welcome")},
    {"getting-started.html", QT_TRANSLATE_NOOP("CHelpWindow", "Getting started")},
    {"wizard.html", QT_TRANSLATE_NOOP("CHelpWindow", "New Calendar Wizard")},
    {"tools.html", QT_TRANSLATE_NOOP("CHelpWindow", "Drawing tools")},
    {"selecting.html", QT_TRANSLATE_NOOP("CHelpWindow", "Selecting, moving, resizing")},
    {"arranging.html", QT_TRANSLATE_NOOP("CHelpWindow", "Arranging objects")},
    {"properties.html", QT_TRANSLATE_NOOP("CHelpWindow", "Property sheets")},
    {"calendar-properties.html", QT_TRANSLATE_NOOP("CHelpWindow", "Calendar properties")},
    {"text-properties.html", QT_TRANSLATE_NOOP("CHelpWindow", "Text properties")},
    {"text3d.html", QT_TRANSLATE_NOOP("CHelpWindow", "3D text")},
    {"image-properties.html", QT_TRANSLATE_NOOP("CHelpWindow", "Image properties")},
    {"frame-properties.html", QT_TRANSLATE_NOOP("CHelpWindow", "Frame properties")},
    {"background.html", QT_TRANSLATE_NOOP("CHelpWindow", "Page background")},
    {"options.html", QT_TRANSLATE_NOOP("CHelpWindow", "Mondrel options")},
    {"zoom.html", QT_TRANSLATE_NOOP("CHelpWindow", "Zoom")},
    {"undo.html", QT_TRANSLATE_NOOP("CHelpWindow", "Undo and redo")},
    {"export.html", QT_TRANSLATE_NOOP("CHelpWindow", "Export as picture or PDF")},
    {"printing.html", QT_TRANSLATE_NOOP("CHelpWindow", "Printing")},
    {"recovery.html", QT_TRANSLATE_NOOP("CHelpWindow", "Crash recovery")},
    {"shortcuts.html", QT_TRANSLATE_NOOP("CHelpWindow", "Keyboard shortcuts")},
};

// The browser takes the translated page wherever an English one is asked
// for, so the pages link to each other by their English names.
class CHelpBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

protected:
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override
    {
        QUrl url = name;
        if (url.isRelative() && source().isLocalFile()) url = source().resolved(url);
        if (url.isLocalFile()) {
            const QString path = url.toLocalFile();
            const QString translated = LocalizedFile(path);
            if (translated != path) {
                const QString fragment = url.fragment();
                url = QUrl::fromLocalFile(translated);
                if (!fragment.isEmpty()) url.setFragment(fragment);
            }
        }
        QTextBrowser::doSetSource(url, type);
    }
};

// "tools.de.html" is the topic "tools.html".
QString EnglishPage(const QString& page)
{
    const QString language = DataLanguage();
    const QString tail = QLatin1Char('.') + language + QStringLiteral(".html");
    if (language == QLatin1String("en") || !page.endsWith(tail)) return page;
    return page.left(page.size() - tail.size()) + QStringLiteral(".html");
}

QPointer<CHelpWindow>& Instance()
{
    static QPointer<CHelpWindow> window;
    return window;
}

QString MissingPage(const QString& page)
{
    return QCoreApplication::translate("CHelpWindow", "<html><body><h1>Page not found</h1><p>The help page <b>%1</b> is not installed. "
                          "The help pages live in the <code>help</code> folder of Mondrel's data folder.</p>"
                          "<p><a href=\"index.html\">Back to the contents</a></p></body></html>")
        .arg(page.toHtmlEscaped());
}

}  // namespace

CHelpWindow::CHelpWindow(const QString& folder, QWidget* parent) : QMainWindow(parent), m_strFolder(folder)
{
    setWindowTitle(tr("Mondrel Help"));
    setWindowIcon(AppIcon());
    setAttribute(Qt::WA_DeleteOnClose);

    m_pBrowser = new CHelpBrowser(this);
    m_pBrowser->setSearchPaths({folder});
    m_pBrowser->setOpenExternalLinks(true);
    m_pBrowser->document()->setDocumentMargin(18);

    m_pTopics = new QListWidget(this);
    for (const CTopic& topic : kTopics) {
        auto* item = new QListWidgetItem(tr(topic.m_pszTitle), m_pTopics);
        item->setData(Qt::UserRole, QString::fromLatin1(topic.m_pszPage));
    }
    m_pTopics->setSpacing(1);
    // The list is as wide as its longest title in the user's language.
    int widest = 0;
    for (int i = 0; i < m_pTopics->count(); ++i)
        widest = std::max(widest, m_pTopics->fontMetrics().horizontalAdvance(m_pTopics->item(i)->text()));
    const int listWidth = std::max(190, widest + 2 * (6 + m_pTopics->spacing() + m_pTopics->frameWidth()) + 8);
    m_pTopics->setMinimumWidth(listWidth);
    m_pTopics->setStyleSheet(QStringLiteral("QListWidget::item { padding: 3px 6px; }"));
    connect(m_pTopics, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { ShowPage(item->data(Qt::UserRole).toString()); });
    connect(m_pTopics, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ShowPage(item->data(Qt::UserRole).toString()); });

    auto* splitter = new QSplitter(this);
    splitter->addWidget(m_pTopics);
    splitter->addWidget(m_pBrowser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({listWidth, 620});
    setCentralWidget(splitter);

    auto* bar = addToolBar(tr("Navigation"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    bar->setIconSize(QSize(20, 20));
    QAction* back = bar->addAction(CommandIcon(QStringLiteral("help_back")), tr("&Back"));
    back->setShortcut(QKeySequence::Back);
    QAction* forward = bar->addAction(CommandIcon(QStringLiteral("help_forward")), tr("&Forward"));
    forward->setShortcut(QKeySequence::Forward);
    QAction* home = bar->addAction(CommandIcon(QStringLiteral("help_home")), tr("&Contents"));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QAction::triggered, m_pBrowser, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, m_pBrowser, &QTextBrowser::forward);
    connect(home, &QAction::triggered, this, [this] { ShowPage(QStringLiteral("index.html")); });
    connect(m_pBrowser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_pBrowser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(m_pBrowser, &QTextBrowser::sourceChanged, this, &CHelpWindow::SourceChanged);

    resize(listWidth + 660, 620);
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
    setWindowTitle(title.isEmpty() ? tr("Mondrel Help") : tr("Mondrel Help - ") + title);
    const QString page = EnglishPage(QFileInfo(url.toLocalFile()).fileName());
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
