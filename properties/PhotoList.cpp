#include "properties/PhotoList.h"

#include "app/MessageBox.h"
#include "imageio/PictureHolder.h"
#include "imageio/WorkerPool.h"
#include "platform/QtDC.h"
#include "properties/PictureFiles.h"
#include "properties/PreviewFileDialog.h"
#include "properties/PreviewPane.h"

#include <QtCore/QDir>
#include <QtCore/QEventLoop>
#include <QtCore/QFileInfo>
#include <QtCore/QPointer>
#include <QtCore/QTimer>
#include <QtGui/QPainter>
#include <QtWidgets/QApplication>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QVBoxLayout>

#include <algorithm>

namespace {

// The size of a photo's small picture in the list.
constexpr QSize kSmall(48, 36);
// Larger files are not read for a small picture; the decoders refuse them.
constexpr qint64 kMaxFileSize = 256LL * 1024 * 1024;

enum Role { rolePath = Qt::UserRole, roleId, roleState };
enum State { stateReading, stateReadable, stateUnreadable };

// The photo at the size of the list, centred in a box of that size; a null
// image when the file is no picture the program can read. Runs on a worker
// thread: a JPEG is decoded at the smallest scale that covers the box.
QImage SmallPicture(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() <= 0 || info.size() > kMaxFileSize) return QImage();
    CPictureHolder holder(info.absoluteFilePath().toStdString(),
                          ImageFormatFromExtension(LowerExtension(path).toStdString()));
    if (!holder.IsValid()) return QImage();
    const QRect at = PreviewPictureRect(QSize(int(holder.GetWidth()), int(holder.GetHeight())), QRect(QPoint(), kSmall));
    if (at.isEmpty()) return QImage();
    const auto picture = holder.Picture(at.width(), at.height());
    if (!picture) return QImage();
    QImage small(kSmall, QImage::Format_ARGB32_Premultiplied);
    small.fill(Qt::transparent);
    QImage drawn(at.size(), QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::white);
    {
        CQtDC dc(drawn);
        if (!picture->Draw(&dc, 0, 0, drawn.width(), drawn.height())) return QImage();
    }
    QPainter painter(&small);
    painter.drawImage(at.topLeft(), drawn);
    return small;
}

// Names as a person orders them: runs of digits by their value ("photo 2"
// before "photo 10"), letters without regard to case.
int NameOrder(const QString& a, const QString& b)
{
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            qsizetype ei = i, ej = j;
            while (ei < a.size() && a[ei].isDigit()) ++ei;
            while (ej < b.size() && b[ej].isDigit()) ++ej;
            // Leading zeros aside, a longer run is the larger number.
            QStringView x = QStringView(a).mid(i, ei - i), y = QStringView(b).mid(j, ej - j);
            while (x.size() > 1 && x.front() == u'0') x = x.mid(1);
            while (y.size() > 1 && y.front() == u'0') y = y.mid(1);
            if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
            if (const int c = x.compare(y); c != 0) return c;
            i = ei;
            j = ej;
            continue;
        }
        if (const int c = QString::compare(a.mid(i, 1), b.mid(j, 1), Qt::CaseInsensitive); c != 0) return c;
        ++i;
        ++j;
    }
    if (i < a.size() || j < b.size()) return i < a.size() ? 1 : -1;
    return QString::compare(a, b);
}

// A grey box standing for a photo not yet read, or one that cannot be.
QImage EmptyBox(bool crossed)
{
    QImage box(kSmall, QImage::Format_ARGB32_Premultiplied);
    box.fill(Qt::transparent);
    QPainter painter(&box);
    painter.setPen(QColor(150, 150, 160));
    painter.setBrush(QColor(225, 227, 232));
    painter.drawRect(QRect(QPoint(), kSmall).adjusted(0, 0, -1, -1));
    if (crossed) {
        painter.setPen(QPen(QColor(200, 60, 50), 2));
        painter.drawLine(12, 8, kSmall.width() - 12, kSmall.height() - 8);
        painter.drawLine(kSmall.width() - 12, 8, 12, kSmall.height() - 8);
    }
    return box;
}

}  // namespace

CPhotoList::CPhotoList(QWidget* parent) : QWidget(parent)
{
    m_pList = new QListWidget(this);
    m_pList->setIconSize(kSmall);
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    // Photos can also be put in order by dragging them.
    m_pList->setDragDropMode(QAbstractItemView::InternalMove);
    m_pList->setDefaultDropAction(Qt::MoveAction);
    m_pList->setMinimumHeight(kSmall.height() * 3 + 12);
    m_pAdd = new QPushButton(tr("Add P&hotos..."), this);
    m_pFolder = new QPushButton(tr("Add &Folder..."), this);
    m_pRemove = new QPushButton(tr("&Remove"), this);
    m_pUp = new QPushButton(tr("Move &Up"), this);
    m_pDown = new QPushButton(tr("Move &Down"), this);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {m_pAdd, m_pFolder, m_pRemove, m_pUp, m_pDown}) {
        // Return moves the wizard on; it never opens a dialog here.
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pList, 1);
    layout->addLayout(buttons);

    connect(m_pAdd, &QPushButton::clicked, this, &CPhotoList::Browse);
    connect(m_pFolder, &QPushButton::clicked, this, &CPhotoList::BrowseFolder);
    connect(m_pRemove, &QPushButton::clicked, this, &CPhotoList::RemoveSelected);
    connect(m_pUp, &QPushButton::clicked, this, [this] { MoveSelected(-1); });
    connect(m_pDown, &QPushButton::clicked, this, [this] { MoveSelected(1); });
    connect(m_pList, &QListWidget::currentRowChanged, this, &CPhotoList::UpdateButtons);
    connect(m_pList->model(), &QAbstractItemModel::rowsMoved, this, [this] {
        Renumber();
        emit Changed();
    });
    UpdateButtons();
}

void CPhotoList::AddPhotos(const QStringList& paths)
{
    for (const QString& path : paths) {
        if (path.isEmpty()) continue;
        auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(EmptyBox(false))), QString(), m_pList);
        const int id = m_nNextId++;
        item->setData(rolePath, path);
        item->setData(roleId, id);
        item->setData(roleState, stateReading);
        item->setToolTip(QDir::toNativeSeparators(path));
        item->setFlags(item->flags() & ~Qt::ItemIsDropEnabled);
        ++m_nReading;
        QPointer<CPhotoList> self(this);
        CWorkerPool::Shared().Submit([self, id, path] {
            const QImage small = SmallPicture(path);
            QMetaObject::invokeMethod(
                qApp,
                [self, id, small] {
                    if (self) self->Shown(id, small, !small.isNull());
                },
                Qt::QueuedConnection);
        });
    }
    Renumber();
    if (m_pList->currentRow() < 0 && m_pList->count() > 0) m_pList->setCurrentRow(0);
    UpdateButtons();
    emit Changed();
}

void CPhotoList::SetPhotos(const QStringList& paths)
{
    m_pList->clear();
    m_nReading = 0;
    AddPhotos(paths);
}

QStringList CPhotoList::Photos() const
{
    QStringList paths;
    for (int row = 0; row < m_pList->count(); ++row) paths << m_pList->item(row)->data(rolePath).toString();
    return paths;
}

QStringList CPhotoList::Unreadable() const
{
    QStringList paths;
    for (int row = 0; row < m_pList->count(); ++row)
        if (m_pList->item(row)->data(roleState).toInt() == stateUnreadable)
            paths << m_pList->item(row)->data(rolePath).toString();
    return paths;
}

bool CPhotoList::Reading() const
{
    return m_nReading > 0;
}

bool CPhotoList::WaitForReading(int msecs)
{
    if (!Reading()) return true;
    QEventLoop loop;
    connect(this, &CPhotoList::ReadingDone, &loop, &QEventLoop::quit);
    QTimer::singleShot(msecs, &loop, &QEventLoop::quit);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    QApplication::restoreOverrideCursor();
    return !Reading();
}

QStringList CPhotoList::FolderPictures(const QString& folder)
{
    QStringList names;
    const QDir dir(folder);
    for (const QFileInfo& info : dir.entryInfoList(QDir::Files | QDir::Readable))
        if (IsPictureExtension(LowerExtension(info.fileName()).toStdString())) names << info.fileName();
    std::stable_sort(names.begin(), names.end(),
                     [](const QString& a, const QString& b) { return NameOrder(a, b) < 0; });
    QStringList paths;
    for (const QString& name : names) paths << dir.filePath(name);
    return paths;
}

QListWidgetItem* CPhotoList::ItemOf(int id) const
{
    for (int row = 0; row < m_pList->count(); ++row)
        if (m_pList->item(row)->data(roleId).toInt() == id) return m_pList->item(row);
    return nullptr;
}

void CPhotoList::Shown(int id, const QImage& picture, bool readable)
{
    QListWidgetItem* item = ItemOf(id);
    // A photo removed while it was read is no longer waited for.
    if (!item) return;
    --m_nReading;
    item->setData(roleState, readable ? stateReadable : stateUnreadable);
    item->setIcon(QIcon(QPixmap::fromImage(readable ? picture : EmptyBox(true))));
    Renumber();
    if (!Reading()) emit ReadingDone();
}

void CPhotoList::Renumber()
{
    for (int row = 0; row < m_pList->count(); ++row) {
        QListWidgetItem* item = m_pList->item(row);
        const QString name = QFileInfo(item->data(rolePath).toString()).fileName();
        item->setText(item->data(roleState).toInt() == stateUnreadable
                          ? tr("%1. %2 (cannot be read)").arg(row + 1).arg(name)
                          : QStringLiteral("%1. %2").arg(row + 1).arg(name));
    }
    UpdateButtons();
}

void CPhotoList::UpdateButtons()
{
    const int row = m_pList->currentRow();
    m_pRemove->setEnabled(row >= 0);
    m_pUp->setEnabled(row > 0);
    m_pDown->setEnabled(row >= 0 && row + 1 < m_pList->count());
}

void CPhotoList::RemoveSelected()
{
    const int row = m_pList->currentRow();
    if (row < 0) return;
    QListWidgetItem* item = m_pList->takeItem(row);
    if (item->data(roleState).toInt() == stateReading && --m_nReading == 0) emit ReadingDone();
    delete item;
    if (m_pList->count() > 0) m_pList->setCurrentRow(std::min(row, m_pList->count() - 1));
    Renumber();
    emit Changed();
}

void CPhotoList::MoveSelected(int by)
{
    const int row = m_pList->currentRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= m_pList->count()) return;
    QListWidgetItem* item = m_pList->takeItem(row);
    m_pList->insertItem(to, item);
    m_pList->setCurrentRow(to);
    Renumber();
    emit Changed();
}

QString CPhotoList::StartFolder() const
{
    const QStringList photos = Photos();
    return photos.isEmpty() ? QString() : photos.last();
}

void CPhotoList::Browse()
{
    AddPhotos(GetOpenFileNamesWithPreview(window(), FileKind::Picture, tr("Select Photos"), ImageFileFilter(),
                                          StartFolder()));
}

void CPhotoList::BrowseFolder()
{
    const QString folder =
        GetFolderWithPreview(window(), FileKind::Picture, tr("Select Photo Folder"), ImageFileFilter(), StartFolder());
    if (folder.isEmpty()) return;
    const QStringList pictures = FolderPictures(folder);
    if (pictures.isEmpty()) {
        ShowMessage(window(),
                    tr("The folder \"%1\" holds no pictures the program can read.").arg(QDir::toNativeSeparators(folder)),
                    QMessageBox::Information);
        return;
    }
    AddPhotos(pictures);
}
