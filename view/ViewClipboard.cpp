// The design view's clipboard and drag and drop: the private format
// "Mondrel Draw Objects" (the archived object list, as the document keeps
// it), pictures copied in other programs (embedded static pictures) and
// picture files dropped from a file manager (image objects). Data from
// another program is untrusted: it is read completely before anything on
// the page changes, and a drop reports success only when something was
// inserted.

#include "view/Clipboard.h"

#include "document/Archive.h"
#include "document/DrawDoc.h"
#include "document/HolidayStream.h"
#include "imageio/PictureImage.h"
#include "objects/DrawItem.h"
#include "objects/DrawOleObj.h"
#include "objects/DrawPoly.h"
#include "objects/DrawRect.h"
#include "view/DesignDocument.h"
#include "view/DrawView.h"
#include "view/EditTool.h"
#include "view/PastePlacement.h"
#include "view/UndoCommands.h"

#include <QtCore/QBuffer>
#include <QtCore/QFileInfo>
#include <QtCore/QMimeData>
#include <QtCore/QUrl>
#include <QtGui/QClipboard>
#include <QtGui/QDrag>
#include <QtGui/QGuiApplication>
#include <QtGui/QImage>
#include <QtGui/QUndoStack>

const char* const kDrawObjectsMime = "application/x-mondrel-draw-objects";
const char* const kHolidaysMime = "application/x-mondrel-calendar-holidays";

QByteArray ArchiveObjects(const std::list<CDrawObj*>& objects)
{
    CArchive out;
    out.WriteObjectList(objects);
    const std::vector<BYTE>& bytes = out.Buffer();
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

bool ReadObjects(const QByteArray& bytes, CDrawDoc* doc, std::list<CDrawObj*>* objects)
{
    std::list<CDrawObj*> read;
    try {
        CArchive in(reinterpret_cast<const BYTE*>(bytes.constData()), static_cast<std::size_t>(bytes.size()));
        in.m_pDocument = doc;
        in.ReadObjectList(read);
        if (!in.AtEnd()) throw CArchiveException(CArchiveException::genericError, "trailing bytes");
    } catch (const CArchiveException&) {
        for (CDrawObj* obj : read) {
            obj->m_pDocument = nullptr;
            obj->Remove();
        }
        return false;
    }
    objects->swap(read);
    return true;
}

QMimeData* MakeObjectsMime(const std::list<CDrawObj*>& objects)
{
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kDrawObjectsMime), ArchiveObjects(objects));
    std::vector<BYTE> holidays;
    if (CHolidayStream::Write(objects, &holidays))
        data->setData(QString::fromLatin1(kHolidaysMime),
                      QByteArray(reinterpret_cast<const char*>(holidays.data()), static_cast<qsizetype>(holidays.size())));
    return data;
}

void ReadObjectHolidays(const QMimeData* data, const std::list<CDrawObj*>& objects)
{
    if (!data->hasFormat(QString::fromLatin1(kHolidaysMime))) return;
    const QByteArray bytes = data->data(QString::fromLatin1(kHolidaysMime));
    const std::vector<BYTE> holidays(bytes.begin(), bytes.end());
    CHolidayStream::Read(holidays, objects, nullptr);
}

namespace {

bool IsPictureFile(const QString& path)
{
    static const QStringList kinds = {"bmp", "gif", "jpg", "jpeg", "png", "ico", "tif", "tiff", "tga", "pcx"};
    const QFileInfo info(path);
    return info.isFile() && kinds.contains(info.suffix().toLower());
}

QStringList PictureFiles(const QMimeData* data)
{
    QStringList files;
    if (!data->hasUrls()) return files;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile() && IsPictureFile(url.toLocalFile())) files << url.toLocalFile();
    return files;
}

}  // namespace

namespace ui {

bool CDrawView::CanPaste() const
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && (data->hasFormat(QString::fromLatin1(kDrawObjectsMime)) || data->hasImage());
}

void CDrawView::CopySelection()
{
    EndDrag();
    if (m_selected.empty()) return;
    // In their order on the page, not the order they were picked in, so a
    // paste stacks them as they stood.
    std::list<CDrawObj*> onPage;
    for (CDrawObj* obj : *GetDocument()->GetObjects())
        if (IsSelected(obj)) onPage.push_back(obj);
    QGuiApplication::clipboard()->setMimeData(MakeObjectsMime(onPage));
}

void CDrawView::CutSelection()
{
    EndDrag();
    if (m_selected.empty()) return;
    CopySelection();
    DeleteSelection();
    if (QUndoCommand* last = const_cast<QUndoCommand*>(
            m_pDesign->UndoStack()->command(m_pDesign->UndoStack()->index() - 1)))
        last->setText(tr("Cut"));
}

void CDrawView::PasteClipboard()
{
    EndDrag();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data) return;
    const QPoint corner(10, 10);
    // The private format keeps the objects' own places; a picture from
    // another program comes in at the window's corner.
    InsertFromMime(data, data->hasFormat(QString::fromLatin1(kDrawObjectsMime)) ? nullptr : &corner);
}

bool CDrawView::InsertFromMime(const QMimeData* data, const QPoint* point)
{
    CDrawDoc* doc = GetDocument();
    std::list<CDrawObj*> objects;
    QString name = tr("Paste");
    if (data->hasFormat(QString::fromLatin1(kDrawObjectsMime))) {
        if (!ReadObjects(data->data(QString::fromLatin1(kDrawObjectsMime)), doc, &objects) || objects.empty())
            return false;
        ReadObjectHolidays(data, objects);
        if (point) {
            // A drop: the objects keep their arrangement, the first one's
            // corner at the drop point.
            CPoint at(point->x(), point->y());
            WindowToPage(at);
            const CRect& first = objects.front()->m_position;
            OffsetObjects(objects, at.x - std::min(first.left, first.right), at.y - std::max(first.top, first.bottom));
        } else {
            PlaceClearOfCopies(*doc, objects);
        }
    } else if (const QStringList files = PictureFiles(data); !files.isEmpty()) {
        CPoint at = point ? CPoint(point->x(), point->y()) : CPoint(10, 10);
        WindowToPage(at);
        for (const QString& path : files) {
            // Image objects as the wizard makes them: the right and bottom
            // fields hold the visual left and top edges.
            auto* image = new CDrawRect(CRect(at.x + 300, at.y - 300, at.x, at.y), CDrawRect::kindImage);
            image->m_nKind = CDrawRect::kindImage;
            image->SetImageFile(QFile::encodeName(path).toStdString(), QFileInfo(path).suffix().toLower().toStdString());
            image->m_pDocument = doc;
            objects.push_back(image);
            at.x += 20;
            at.y -= 20;
        }
        name = tr("Drop Pictures");
    } else if (data->hasImage()) {
        const QImage picture = qvariant_cast<QImage>(data->imageData());
        if (picture.isNull() || picture.width() > 32768 || picture.height() > 32768) return false;
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!picture.save(&buffer, "PNG")) return false;
        CPoint at = point ? CPoint(point->x(), point->y()) : CPoint(10, 10);
        WindowToPage(at);
        auto* ole = new CDrawOleObj(CRect(at, at));
        ole->m_pDocument = doc;
        ole->m_pItem = new CDrawItem(doc, ole);
        if (!ole->m_pItem->SetData(std::vector<BYTE>(png.begin(), png.end()), 3)) {
            delete ole;
            return false;
        }
        ole->m_pItem->UpdateExtent();
        objects.push_back(ole);
        name = tr("Paste Picture");
    } else {
        return false;
    }
    // Only now, with everything read, does the page change.
    InvalidateSelection();
    m_selected.clear();
    std::vector<CDrawObj*> added;
    for (CDrawObj* obj : objects) {
        doc->Add(obj);
        m_selected.push_back(obj);
        added.push_back(obj);
    }
    PushStep(new CInsertCommand(m_pDesign, name, added, false));
    doc->UpdateAllViews(nullptr, HINT_UPDATE_WINDOW);
    emit SelectionChanged();
    return true;
}

// --- Drag and drop ------------------------------------------------------------------

void CDrawView::dragEnterEvent(QDragEnterEvent* event)
{
    const QMimeData* data = event->mimeData();
    if (data->hasFormat(QString::fromLatin1(kDrawObjectsMime)) || data->hasImage() || !PictureFiles(data).isEmpty())
        event->acceptProposedAction();
}

void CDrawView::dragMoveEvent(QDragMoveEvent* event)
{
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    if (ctrl && shift) {
        // Both keys: no drop here.
        event->ignore();
        if (!m_dropFeedback.isNull()) viewport()->update(m_dropFeedback.adjusted(-2, -2, 2, 2));
        m_dropFeedback = QRect();
        return;
    }
    // Whatever comes from outside is copied: the source keeps its original.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    const QRect next(event->position().toPoint(), QSize(40, 30));
    if (next != m_dropFeedback) {
        if (!m_dropFeedback.isNull()) viewport()->update(m_dropFeedback.adjusted(-2, -2, 2, 2));
        m_dropFeedback = next;
        viewport()->update(m_dropFeedback.adjusted(-2, -2, 2, 2));
    }
}

void CDrawView::dragLeaveEvent(QDragLeaveEvent*)
{
    if (!m_dropFeedback.isNull()) viewport()->update(m_dropFeedback.adjusted(-2, -2, 2, 2));
    m_dropFeedback = QRect();
}

void CDrawView::dropEvent(QDropEvent* event)
{
    dragLeaveEvent(nullptr);
    if ((event->modifiers() & Qt::ControlModifier) && (event->modifiers() & Qt::ShiftModifier)) {
        event->ignore();
        return;
    }
    // What is dropped goes on this view's page.
    if (!m_bViewActive) {
        setFocus(Qt::OtherFocusReason);
        SetViewActive(true);
    }
    const QPoint at = event->position().toPoint();
    if (InsertFromMime(event->mimeData(), &at)) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace ui
