#include "properties/PlacesBar.h"

#include "objects/Environment.h"

#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtCore/QStandardPaths>
#include <QtWidgets/QApplication>
#include <QtWidgets/QButtonGroup>
#include <QtWidgets/QMenu>
#include <QtWidgets/QStyle>
#include <QtWidgets/QToolButton>
#include <QtWidgets/QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kMaxRecent = 8;

QString Clean(const QString& folder)
{
    if (folder.isEmpty()) return folder;
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return QDir::cleanPath(canonical.isEmpty() ? folder : canonical);
}

// The recent places live in the settings ("RecentPlace1" is the newest),
// so they outlast the run of the program.
std::string RecentKey(int i)
{
    return "RecentPlace" + std::to_string(i + 1);
}

}  // namespace

CPlacesBar::CPlacesBar(QWidget* parent) : QWidget(parent)
{
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    m_pGroup = new QButtonGroup(this);
    m_pGroup->setExclusive(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);

    struct Place {
        const char* caption;
        QStandardPaths::StandardLocation location;
        QStyle::StandardPixmap icon;
    };
    const Place places[4] = {
        {QT_TR_NOOP("Home"), QStandardPaths::HomeLocation, QStyle::SP_DirHomeIcon},
        {QT_TR_NOOP("Documents"), QStandardPaths::DocumentsLocation, QStyle::SP_FileDialogDetailedView},
        {QT_TR_NOOP("Pictures"), QStandardPaths::PicturesLocation, QStyle::SP_DirIcon},
        {QT_TR_NOOP("Desktop"), QStandardPaths::DesktopLocation, QStyle::SP_DesktopIcon},
    };
    auto makeButton = [this, layout](const QString& caption, QStyle::StandardPixmap icon) {
        auto* button = new QToolButton(this);
        button->setText(caption);
        button->setIcon(style()->standardIcon(icon));
        button->setIconSize(QSize(32, 32));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setAutoRaise(true);
        layout->addWidget(button);
        return button;
    };
    for (int i = 0; i < 4; ++i) {
        const QString folder = Clean(QStandardPaths::writableLocation(places[i].location));
        m_folders << folder;
        QToolButton* button = makeButton(tr(places[i].caption), places[i].icon);
        button->setCheckable(true);
        button->setToolTip(folder);
        button->setEnabled(QFileInfo(folder).isDir());
        m_pGroup->addButton(button, i);
        connect(button, &QToolButton::clicked, this, [this, i] {
            SetCurrentFolder(m_folders[i]);
            emit FolderChosen(m_folders[i]);
        });
    }
    m_pRecent = makeButton(tr("Recent"), QStyle::SP_FileDialogContentsView);
    m_pRecent->setToolTip(tr("Folders used recently"));
    connect(m_pRecent, &QToolButton::clicked, this, &CPlacesBar::ShowRecent);
    layout->addStretch(1);
    // One width for all, wide enough for the longest caption of the
    // user's language.
    int width = 84;
    for (const QToolButton* button : findChildren<QToolButton*>())
        width = std::max(width, button->fontMetrics().horizontalAdvance(button->text()) + 12);
    for (QToolButton* button : findChildren<QToolButton*>()) button->setFixedWidth(width);
}

void CPlacesBar::SetCurrentFolder(const QString& folder)
{
    const QString current = Clean(folder);
    for (int i = 0; i < m_folders.size(); ++i) {
        // Home is pressed only in the home folder itself, not below it.
        m_pGroup->button(i)->setChecked(!current.isEmpty() && current == m_folders[i]);
    }
}

QString CPlacesBar::CurrentPlace() const
{
    QAbstractButton* checked = nullptr;
    for (QAbstractButton* b : m_pGroup->buttons())
        if (b->isChecked()) checked = b;
    return checked ? checked->text() : QString();
}

QStringList CPlacesBar::PlaceFolders() const
{
    return m_folders;
}

QStringList CPlacesBar::RecentFolders()
{
    const CSettingsStore& store = *Environment().m_settings;
    QStringList recent;
    for (int i = 0; i < kMaxRecent; ++i) {
        const QString folder = QString::fromStdString(store.GetProfileString("Settings", RecentKey(i), std::string()));
        if (!folder.isEmpty() && !recent.contains(folder)) recent << folder;
    }
    return recent;
}

void CPlacesBar::NoteRecentFolder(const QString& folder)
{
    const QString clean = Clean(folder);
    if (clean.isEmpty()) return;
    QStringList recent = RecentFolders();
    recent.removeAll(clean);
    recent.prepend(clean);
    CSettingsStore& store = *Environment().m_settings;
    for (int i = 0; i < kMaxRecent; ++i)
        store.WriteProfileString("Settings", RecentKey(i), i < recent.size() ? recent[i].toStdString() : std::string());
}

void CPlacesBar::ShowRecent()
{
    QMenu menu(this);
    const QStringList recent = RecentFolders();
    if (recent.isEmpty()) menu.addAction(tr("(No folders used yet)"))->setEnabled(false);
    for (const QString& folder : recent) {
        QAction* action = menu.addAction(style()->standardIcon(QStyle::SP_DirIcon), folder);
        connect(action, &QAction::triggered, this, [this, folder] {
            SetCurrentFolder(folder);
            emit FolderChosen(folder);
        });
    }
    menu.exec(m_pRecent->mapToGlobal(QPoint(m_pRecent->width(), 0)));
}
