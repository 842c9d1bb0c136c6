#include "properties/PreviewFileDialog.h"

#include "properties/PlacesBar.h"
#include "properties/PreviewPane.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtCore/QStringList>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QSplitter>
#include <QtWidgets/QTreeView>
#include <QtWidgets/QVBoxLayout>

QString QtFilterFromClassic(const QString& filter)
{
    const QStringList parts = filter.split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty()) break;
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        if (patterns.trimmed() == "*.*") patterns = "*";
        out << parts[i].trimmed() + " (" + patterns.trimmed() + ")";
    }
    return out.join(";;");
}

QString ImageFileFilter()
{
    return QCoreApplication::translate("PreviewFileDialog", "Supported Image Files (.jpg;.jpeg;.bmp;.gif;.png;.ico;.tif;.tiff)|"
                          "*.jpg;*.jpeg;*.bmp;*.gif;*.png;*.ico;*.tif;*.tiff|All Files (*.*)|*.*||");
}

QString LowerExtension(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    const int dot = name.lastIndexOf('.');
    if (dot < 0) return QString();
    return name.mid(dot + 1).toLower();
}

CPreviewFileDialog::CPreviewFileDialog(bool open, bool preview, const QString& title, const QString& filter,
                                       const QString& initialPath, QWidget* parent)
    : QFileDialog(parent, title), m_bOpen(open)
{
    setOption(QFileDialog::DontUseNativeDialog, true);
    setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    const QString qtFilter = QtFilterFromClassic(filter);
    if (!qtFilter.isEmpty()) setNameFilters(qtFilter.split(";;"));
    setLabelText(QFileDialog::Accept, open ? tr("&Open") : tr("&Save"));

    // The places bar stands where Qt's own side bar was.
    auto* splitter = findChild<QSplitter*>(QStringLiteral("splitter"));
    if (QWidget* sidebar = findChild<QWidget*>(QStringLiteral("sidebar"))) sidebar->hide();
    m_pPlaces = new CPlacesBar(this);
    m_pPane = new CPreviewPane(this);
    m_pShowPreview = new QCheckBox(tr("Show &Preview"), this);
    m_pShowPreview->setChecked(preview);
    auto* previewColumn = new QWidget(this);
    auto* column = new QVBoxLayout(previewColumn);
    column->setContentsMargins(4, 0, 0, 0);
    column->addWidget(m_pPane, 1);
    column->addWidget(m_pShowPreview);
    if (splitter) {
        splitter->insertWidget(0, m_pPlaces);
        splitter->addWidget(previewColumn);
        splitter->setCollapsible(splitter->indexOf(m_pPlaces), false);
        splitter->setStretchFactor(splitter->indexOf(previewColumn), 0);
    }
    resize(900, 520);
    if (splitter) splitter->setSizes({m_pPlaces->sizeHint().width(), 520, 240});

    connect(this, &QFileDialog::currentChanged, this, &CPreviewFileDialog::SelectionChanged);
    connect(this, &QFileDialog::directoryEntered, m_pPlaces, &CPlacesBar::SetCurrentFolder);
    connect(m_pPlaces, &CPlacesBar::FolderChosen, this, [this](const QString& folder) { setDirectory(folder); });
    connect(m_pShowPreview, &QCheckBox::toggled, this, &CPreviewFileDialog::SetPreviewOn);

    // A pattern filters the folder shown; a name is selected in its folder;
    // a folder (ending in '/') is only opened. A name without a folder, and
    // no name at all, stand in the user's folder, never in the current
    // folder, which is the program's.
    const QString initialFull = initialPath.isEmpty() || QFileInfo(initialPath).isRelative()
                                    ? StartPath(FileKind::Document, initialPath)
                                    : initialPath;
    const QFileInfo initial(initialFull);
    const bool pattern = initialFull.contains('*') || initialFull.contains('?');
    const QString folder = initial.absolutePath();
    if (QFileInfo(folder).isDir()) setDirectory(folder);
    if (!pattern && !initialFull.endsWith(QLatin1Char('/'))) SelectAndPreview(initial.absoluteFilePath());
    m_pPlaces->SetCurrentFolder(directory().absolutePath());

    // The names take the room the list has; size, type and date as much as
    // they need.
    if (auto* details = findChild<QTreeView*>(QStringLiteral("treeView"))) {
        QHeaderView* header = details->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int column = 1; column < header->count(); ++column)
            header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
}

void CPreviewFileDialog::SelectAndPreview(const QString& path)
{
    selectFile(path);
    SelectionChanged(path);
}

bool CPreviewFileDialog::PreviewOn() const
{
    return m_pShowPreview->isChecked();
}

void CPreviewFileDialog::SetPreviewOn(bool on)
{
    if (m_pShowPreview->isChecked() != on) m_pShowPreview->setChecked(on);
    const QStringList selected = selectedFiles();
    m_pPane->SetPreviewPath(on && !selected.isEmpty() ? selected.first() : QString());
}

QString CPreviewFileDialog::PreviewPath() const
{
    return m_pPane->PreviewPath();
}

void CPreviewFileDialog::SelectionChanged(const QString& path)
{
    if (!PreviewOn()) return;
    m_pPane->SetPreviewPath(QFileInfo(path).isDir() ? QString() : path);
}

QString CPreviewFileDialog::ChosenPath() const
{
    const QStringList files = selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

void CPreviewFileDialog::accept()
{
    QFileDialog::accept();
    if (result() == QDialog::Accepted) CPlacesBar::NoteRecentFolder(QFileInfo(ChosenPath()).absolutePath());
}

namespace {

QStringList RunFor(QWidget* parent, bool open, QFileDialog::FileMode mode, const QString& title,
                   const QString& filter, const QString& initial, bool preview)
{
    const QString cwd = QDir::currentPath();
    QStringList paths;
    {
        CPreviewFileDialog dialog(open, preview, title, filter, initial, parent);
        if (open) dialog.setFileMode(mode);
        if (dialog.exec() == QDialog::Accepted) paths = dialog.selectedFiles();
    }
    QDir::setCurrent(cwd);
    paths.removeAll(QString());
    return paths;
}

QString Run(QWidget* parent, bool open, const QString& title, const QString& filter, const QString& initial,
            bool preview)
{
    const QStringList paths =
        RunFor(parent, open, open ? QFileDialog::ExistingFile : QFileDialog::AnyFile, title, filter, initial, preview);
    return paths.isEmpty() ? QString() : paths.first();
}

}  // namespace

QString GetOpenFileNameWithPreview(QWidget* parent, FileKind kind, const QString& title, const QString& filter,
                                   const QString& current, bool preview)
{
    const QString path = Run(parent, true, title, filter, StartPath(kind, current), preview);
    NoteChosenFile(kind, path);
    return path;
}

QString GetSaveFileNameWithPreview(QWidget* parent, FileKind kind, const QString& title, const QString& filter,
                                   const QString& current, bool preview)
{
    const QString path = Run(parent, false, title, filter, StartPath(kind, current), preview);
    NoteChosenFile(kind, path);
    return path;
}

QString GetOpenFileNameWithPreview(QWidget* parent, const QString& title, const QString& filter,
                                   const QString& initialPath, bool preview)
{
    return Run(parent, true, title, filter, initialPath, preview);
}

QStringList GetOpenFileNamesWithPreview(QWidget* parent, FileKind kind, const QString& title, const QString& filter,
                                        const QString& current)
{
    const QStringList paths =
        RunFor(parent, true, QFileDialog::ExistingFiles, title, filter, StartPath(kind, current), true);
    if (!paths.isEmpty()) NoteChosenFile(kind, paths.first());
    return paths;
}

QString GetFolderWithPreview(QWidget* parent, FileKind kind, const QString& title, const QString& filter,
                             const QString& current)
{
    // The folder's pictures stay in view (and in the preview) while the
    // folder is chosen.
    const QStringList paths = RunFor(parent, true, QFileDialog::Directory, title, filter, StartPath(kind, current), true);
    if (paths.isEmpty()) return QString();
    // The folder is remembered as the place pictures are chosen from.
    NoteChosenFile(kind, QDir(paths.first()).filePath(QStringLiteral("-")));
    return paths.first();
}

QString GetSaveFileNameWithPreview(QWidget* parent, const QString& title, const QString& filter,
                                   const QString& initialPath, bool preview)
{
    return Run(parent, false, title, filter, initialPath, preview);
}

QString UserFileFolder(const QString& previousFile)
{
    const QString folder = previousFile.isEmpty() ? QString() : QFileInfo(previousFile).absolutePath();
    return (!folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath()) + QLatin1Char('/');
}
