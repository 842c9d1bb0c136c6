#include "app/PageStrip.h"

#include "document/PagePictures.h"
#include "platform/PageExport.h"
#include "platform/QtDC.h"
#include "view/DesignDocument.h"

#include <QtCore/QElapsedTimer>
#include <QtCore/QTimer>
#include <QtGui/QImage>
#include <QtGui/QPainter>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QMainWindow>

#include <algorithm>
#include <cmath>

namespace {

// Room between the pictures, in pixels.
constexpr int kSpacing = 6;

// The picture as it stands; marked as the current page it has a frame in
// the highlight colour instead of the tint the list would give it.
QIcon IconOf(const QPixmap& picture, const QColor& mark)
{
    QPixmap marked = picture;
    {
        QPainter painter(&marked);
        painter.setPen(QPen(mark, 4));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(marked.rect()).adjusted(2, 2, -2, -2));
    }
    QIcon icon;
    icon.addPixmap(picture, QIcon::Normal);
    icon.addPixmap(marked, QIcon::Selected);
    return icon;
}

}  // namespace

CPageStrip::CPageStrip(QWidget* parent) : QDockWidget(tr("Page Strip"), parent)
{
    setObjectName(QStringLiteral("pageStrip"));
    setAllowedAreas(Qt::AllDockWidgetAreas);
    m_pList = new QListWidget(this);
    m_pList->setObjectName(QStringLiteral("pageStripList"));
    m_pList->setViewMode(QListView::IconMode);
    m_pList->setMovement(QListView::Static);
    m_pList->setFlow(QListView::TopToBottom);
    m_pList->setWrapping(false);
    m_pList->setResizeMode(QListView::Adjust);
    m_pList->setIconSize(QSize(kThumbWidth, kThumbHeight));
    m_pList->setSpacing(kSpacing);
    m_pList->setUniformItemSizes(true);
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pList->setMinimumWidth(kThumbWidth + 4 * kSpacing);
    setWidget(m_pList);
    // Along the side the pictures stand one under the other, along the top
    // or the bottom one beside the other.
    connect(this, &QDockWidget::dockLocationChanged, this, [this](Qt::DockWidgetArea area) {
        const bool across = area == Qt::TopDockWidgetArea || area == Qt::BottomDockWidgetArea;
        m_pList->setFlow(across ? QListView::LeftToRight : QListView::TopToBottom);
    });
    connect(m_pList, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_bSyncing && row >= 0) emit PageChosen(row);
    });
    m_pTimer = new QTimer(this);
    m_pTimer->setSingleShot(true);
    connect(m_pTimer, &QTimer::timeout, this, &CPageStrip::DrawStale);
    // Pictures are not drawn while the strip is hidden; they are when it
    // shows again.
    connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible) m_pTimer->start(kRedrawDelay);
    });
}

CPageStrip::~CPageStrip()
{
    Detach();
}

void CPageStrip::Detach()
{
    if (m_pDesign && m_pDoc) m_pDoc->RemoveObserver(this);
    m_pDesign = nullptr;
    m_pDoc = nullptr;
}

void CPageStrip::SetDocument(CDesignDocument* design)
{
    if (design == m_pDesign && (design != nullptr) == (m_pDoc != nullptr)) return;
    Detach();
    m_thumbs.clear();
    if (design) {
        m_pDesign = design;
        m_pDoc = design->Doc();
        m_pDoc->AddObserver(this);
        m_thumbs.resize(static_cast<std::size_t>(m_pDoc->PageCount()));
        m_pTimer->start(kRedrawDelay);
    }
    m_pList->clear();
    SyncList();
}

bool CPageStrip::IsStale(int index) const
{
    return index >= 0 && index < static_cast<int>(m_thumbs.size()) && m_thumbs[static_cast<std::size_t>(index)].stale;
}

void CPageStrip::MarkStale(int index)
{
    if (index < 0 || index >= static_cast<int>(m_thumbs.size())) return;
    m_thumbs[static_cast<std::size_t>(index)].stale = true;
    m_pTimer->start(kRedrawDelay);
}

void CPageStrip::MarkAllStale()
{
    for (Thumb& thumb : m_thumbs) thumb.stale = true;
    if (!m_thumbs.empty()) m_pTimer->start(kRedrawDelay);
}

void CPageStrip::OnUpdate(CDocObserver*, int hint, CDrawObj*)
{
    // A change of the selection, or of how embedded objects are marked on
    // the screen, leaves the page as it prints.
    if (m_bDrawing || hint == HINT_UPDATE_SELECTION || hint == HINT_UPDATE_OLE_ITEMS) return;
    if (FollowPageCount()) return;
    // Every change is made on the current page.
    MarkStale(m_pDoc->CurrentPage());
}

bool CPageStrip::FollowPageCount()
{
    // A document opened into this one, or a design put in place of its
    // pages, has other pages altogether.
    if (static_cast<int>(m_thumbs.size()) == m_pDoc->PageCount()) return false;
    m_thumbs.assign(static_cast<std::size_t>(m_pDoc->PageCount()), Thumb());
    m_pList->clear();
    m_pTimer->start(kRedrawDelay);
    SyncList();
    return true;
}

void CPageStrip::OnPageSizeChanged(CSize)
{
    MarkAllStale();
}

void CPageStrip::OnPagesRenumbered(const std::vector<int>& newIndexOf)
{
    // The pictures go along with their pages; a page put in gets a stale
    // one.
    std::vector<Thumb> moved(static_cast<std::size_t>(m_pDoc->PageCount()));
    for (std::size_t i = 0; i < newIndexOf.size() && i < m_thumbs.size(); ++i) {
        const int to = newIndexOf[i];
        if (to >= 0 && to < static_cast<int>(moved.size())) moved[static_cast<std::size_t>(to)] = std::move(m_thumbs[i]);
    }
    m_thumbs = std::move(moved);
    for (const Thumb& thumb : m_thumbs)
        if (thumb.stale) m_pTimer->start(kRedrawDelay);
    m_pList->clear();
}

void CPageStrip::OnPagesChanged()
{
    if (m_bDrawing || FollowPageCount()) return;
    SyncList();
}

QColor CPageStrip::Mark() const
{
    return m_pList->palette().color(QPalette::Active, QPalette::Highlight);
}

QSize CPageStrip::ThumbSize() const
{
    const CSize page = m_pDoc ? m_pDoc->PageSize() : CSize(CDrawDoc::kDefaultPageWidth, CDrawDoc::kDefaultPageHeight);
    if (page.cx <= 0 || page.cy <= 0) return QSize(kThumbWidth, kThumbHeight);
    const double scale = std::min(double(kThumbWidth) / page.cx, double(kThumbHeight) / page.cy);
    return QSize(std::max(1, int(std::lround(page.cx * scale))), std::max(1, int(std::lround(page.cy * scale))));
}

void CPageStrip::SyncList()
{
    m_bSyncing = true;
    const int count = static_cast<int>(m_thumbs.size());
    // A list emptied (pages put in, taken out or moved) is filled anew; its
    // items otherwise keep their pictures until new ones are drawn.
    const bool fill = m_pList->count() != count;
    if (fill) {
        m_pList->clear();
        QPixmap blank(ThumbSize());
        blank.fill(QColor(235, 235, 235));
        for (int i = 0; i < count; ++i) {
            const Thumb& thumb = m_thumbs[static_cast<std::size_t>(i)];
            auto* item = new QListWidgetItem(IconOf(thumb.picture.isNull() ? blank : thumb.picture, Mark()),
                                             QString::number(i + 1), m_pList);
            item->setTextAlignment(Qt::AlignHCenter);
        }
    }
    if (m_pDoc && count > 0) {
        const int current = std::clamp(m_pDoc->CurrentPage(), 0, count - 1);
        if (m_pList->currentRow() != current) m_pList->setCurrentRow(current);
        m_pList->scrollToItem(m_pList->item(current));
    }
    m_bSyncing = false;
}

void CPageStrip::DrawStale()
{
    m_pTimer->stop();
    if (!m_pDoc || !isVisible()) return;
    QElapsedTimer clock;
    clock.start();
    const QSize size = ThumbSize();
    const CSize pageSize = m_pDoc->PageSize();
    // A page is drawn once the photos it needs are held at the size drawn
    // here; until then they decode side by side on the worker pool and the
    // strip looks again a moment later, so the window never waits for a
    // photo. One that has not come after some seconds is waited for.
    const bool wait = ++m_nLooks > kMaxLooks;
    bool waiting = false;
    m_bDrawing = true;
    for (int index = 0; index < static_cast<int>(m_thumbs.size()); ++index) {
        Thumb& thumb = m_thumbs[static_cast<std::size_t>(index)];
        if (!thumb.stale) continue;
        QImage image(size, QImage::Format_RGB32);
        {
            CDrawDoc::CPageShown shown(*m_pDoc, index);
            CQtDC dc(image, 96, 96);
            PreparePrintSurface(&dc, pageSize, size.width(), size.height());
            if (PrefetchPagePictures(&dc, *m_pDoc) > 0 && !wait) {
                waiting = true;
                continue;
            }
            PaintPageForPrint(&dc, *m_pDoc, size.width(), size.height());
        }
        thumb.picture = QPixmap::fromImage(image);
        thumb.stale = false;
        ++m_nDrawn;
        if (QListWidgetItem* item = m_pList->item(index)) item->setIcon(IconOf(thumb.picture, Mark()));
    }
    m_bDrawing = false;
    if (waiting) m_pTimer->start(kLookAgain);
    else m_nLooks = 0;
    m_dLongestDrawMs = std::max(m_dLongestDrawMs, clock.nsecsElapsed() / 1e6);
}
