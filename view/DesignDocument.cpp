#include "view/DesignDocument.h"

#include "document/DrawDoc.h"
#include "platform/TranslatedMessage.h"
#include "view/DrawView.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtGui/QUndoStack>

#include <algorithm>
#include <map>

namespace {

std::map<const CDrawDoc*, CDesignDocument*>& Registry()
{
    static std::map<const CDrawDoc*, CDesignDocument*> registry;
    return registry;
}

int NextUntitled()
{
    static int count = 0;
    return ++count;
}

int NextRecoveryId()
{
    static int count = 0;
    return ++count;
}

// Why a file cannot be a document, in words a person understands; empty
// when it looks like one and only the reading can tell.
QString ReasonBeforeReading(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists()) return QCoreApplication::translate("CDesignDocument", "The file does not exist.");
    if (info.isDir()) return QCoreApplication::translate("CDesignDocument", "It is a folder, not a file.");
    if (!info.isFile()) return QCoreApplication::translate("CDesignDocument", "It is not a regular file.");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return QCoreApplication::translate("CDesignDocument", "You do not have permission to read it.");
    const QByteArray head = file.read(8);
    static const char kSignature[8] = {'\xD0', '\xCF', '\x11', '\xE0', '\xA1', '\xB1', '\x1A', '\xE1'};
    if (head.size() < 8 || std::memcmp(head.constData(), kSignature, 8) != 0)
        return QCoreApplication::translate("CDesignDocument", "It is not a Mondrel calendar document.");
    return QString();
}

}  // namespace

CDesignDocument::CDesignDocument(QObject* parent)
    : QObject(parent), m_pDoc(std::make_unique<CDrawDoc>()), m_pUndo(new QUndoStack(this)),
      m_nUntitled(NextUntitled()), m_nRecoveryId(NextRecoveryId())
{
    m_pDoc->OnNewDocument();
    // Each step keeps the records of the objects it touched; a hundred
    // steps keep memory bounded even for pages full of photos.
    m_pUndo->setUndoLimit(100);
    Registry()[m_pDoc.get()] = this;
    connect(m_pUndo, &QUndoStack::cleanChanged, this, [this] { SyncModified(); });
    connect(m_pUndo, &QUndoStack::indexChanged, this, [this] { SyncModified(); });
}

CDesignDocument::~CDesignDocument()
{
    // The history may own objects that are out of the document; it goes
    // first, while the document is still there.
    m_pUndo->clear();
    Registry().erase(m_pDoc.get());
}

CDesignDocument* CDesignDocument::From(const CDrawDoc* doc)
{
    auto it = Registry().find(doc);
    return it == Registry().end() ? nullptr : it->second;
}

QString CDesignDocument::DisplayName() const
{
    if (m_strPath.isEmpty()) return tr("Calendar%1").arg(m_nUntitled);
    return QFileInfo(m_strPath).fileName();
}

void CDesignDocument::SetFilePath(const QString& path)
{
    m_strPath = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
    emit TitleChanged();
}

bool CDesignDocument::IsModified() const
{
    return m_bUnrecordedChange || !m_pUndo->isClean();
}

void CDesignDocument::SetModified()
{
    const bool was = IsModified();
    m_bUnrecordedChange = true;
    m_pDoc->SetModifiedFlag(true);
    if (!was) emit ModifiedChanged(true);
}

void CDesignDocument::SyncModified()
{
    const bool modified = IsModified();
    if (m_pDoc->IsModified() != modified) {
        m_pDoc->SetModifiedFlag(modified);
    }
    emit ModifiedChanged(modified);
}

bool CDesignDocument::Open(const QString& path, QString* error)
{
    QString reason = ReasonBeforeReading(path);
    if (reason.isEmpty()) {
        auto fresh = std::make_unique<CDrawDoc>();
        if (fresh->OnOpenDocument(QFile::encodeName(path).toStdString(), nullptr)) {
            Registry().erase(m_pDoc.get());
            m_pUndo->clear();
            m_pDoc = std::move(fresh);
            Registry()[m_pDoc.get()] = this;
            m_pDoc->SetModifiedFlag(false);
            m_strPath = QFileInfo(path).absoluteFilePath();
            m_bUnrecordedChange = false;
            m_pUndo->setClean();
            emit TitleChanged();
            return true;
        }
        reason = tr("The document is damaged, or it was written in a form this version cannot read.");
    }
    if (error) *error = reason;
    return false;
}

bool CDesignDocument::Save(const QString& path, QString* error)
{
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    CMessage why;
    if (!folder.isDir()) {
        if (error) *error = tr("The folder \"%1\" does not exist.").arg(folder.absoluteFilePath());
        return false;
    }
    if (!folder.isWritable()) {
        if (error) *error = tr("You do not have permission to write in the folder \"%1\".")
                                .arg(folder.absoluteFilePath());
        return false;
    }
    if (!m_pDoc->OnSaveDocument(QFile::encodeName(path).toStdString(), &why)) {
        if (error) *error = tr("The document could not be written (%1).").arg(TranslatedMessage(why));
        return false;
    }
    m_strPath = target.absoluteFilePath();
    m_bUnrecordedChange = false;
    m_pUndo->setClean();
    m_pDoc->SetModifiedFlag(false);
    emit TitleChanged();
    emit ModifiedChanged(false);
    return true;
}

void CDesignDocument::AddView(ui::CDrawView* view)
{
    if (std::find(m_views.begin(), m_views.end(), view) == m_views.end()) m_views.push_back(view);
}

void CDesignDocument::RemoveView(ui::CDrawView* view)
{
    m_views.erase(std::remove(m_views.begin(), m_views.end(), view), m_views.end());
    // Until another view is worked in (the window in front next, as it
    // becomes active) no view follows the current page.
    if (view == m_pActiveView) m_pActiveView = nullptr;
}

ui::CDrawView* CDesignDocument::ActiveView() const
{
    return m_pActiveView;
}

void CDesignDocument::SetActiveView(ui::CDrawView* view)
{
    if (std::find(m_views.begin(), m_views.end(), view) != m_views.end()) m_pActiveView = view;
}

void CDesignDocument::ForgetInSelections(CDrawObj* object)
{
    for (ui::CDrawView* view : m_views) view->ForgetSelected(object);
}
