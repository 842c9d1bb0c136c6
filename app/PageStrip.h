#pragma once

// The page strip: a dock of the main window with a small picture of every
// page of the document in front, its number under it and the page shown
// in the window worked in marked. A click goes to that page.
//
// The pictures are drawn by the page painter, as print and export draw a
// page, at their own small size, so a photo is held for them at that size
// and never decoded whole. They are kept: an edit marks only the picture of
// the page it changed as stale, a page put in, taken out or moved takes
// the pictures of the others along, and the stale ones are drawn again a
// moment after the last change.

#include "document/DrawDoc.h"

#include <QtCore/QPointer>
#include <QtGui/QColor>
#include <QtGui/QPixmap>
#include <QtWidgets/QDockWidget>

#include <vector>

class CDesignDocument;
class QListWidget;
class QTimer;

class CPageStrip : public QDockWidget, public CDocObserver {
    Q_OBJECT
public:
    // The pictures fit in this box, in pixels.
    static constexpr int kThumbWidth = 96;
    static constexpr int kThumbHeight = 124;
    // How long after the last change the stale pictures are drawn.
    static constexpr int kRedrawDelay = 150;
    // While photos decode for the pictures, the strip looks again this
    // often, so many times at most before it waits for them.
    static constexpr int kLookAgain = 40;
    static constexpr int kMaxLooks = 250;

    explicit CPageStrip(QWidget* parent = nullptr);
    ~CPageStrip() override;

    // The document shown (none: an empty strip).
    void SetDocument(CDesignDocument* design);
    CDesignDocument* Document() const { return m_pDesign; }

    QListWidget* List() const { return m_pList; }
    bool IsStale(int index) const;
    // How many pictures were drawn so far (for tests and figures).
    int PicturesDrawn() const { return m_nDrawn; }
    // The longest time one drawing of the stale pictures held the window.
    double LongestDrawMilliseconds() const { return m_dLongestDrawMs; }
    // Draws the stale pictures whose photos are at hand now (the timer does
    // it otherwise, and again until all are drawn).
    void DrawStale();

    void OnUpdate(CDocObserver* sender, int hint, CDrawObj* object) override;
    void OnPageSizeChanged(CSize size) override;
    void OnPagesChanged() override;
    void OnPagesRenumbered(const std::vector<int>& newIndexOf) override;

signals:
    // The user chose a page (from 0).
    void PageChosen(int index);

private:
    struct Thumb {
        QPixmap picture;
        bool stale = true;
    };
    void Detach();
    void MarkStale(int index);
    void MarkAllStale();
    // Starts afresh when the document's page count is not the strip's;
    // true when it did.
    bool FollowPageCount();
    // The list follows the pictures and the current page.
    void SyncList();
    QSize ThumbSize() const;
    QColor Mark() const;

    QListWidget* m_pList = nullptr;
    QTimer* m_pTimer = nullptr;
    QPointer<CDesignDocument> m_pDesign;
    CDrawDoc* m_pDoc = nullptr;
    std::vector<Thumb> m_thumbs;
    bool m_bDrawing = false;
    bool m_bSyncing = false;
    int m_nDrawn = 0;
    int m_nLooks = 0;
    double m_dLongestDrawMs = 0;
};
