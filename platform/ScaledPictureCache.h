#pragma once

// Pictures scaled once to the size a view shows them at. A design view
// repaints the same photo many times while objects are dragged over it;
// scaling a twelve-megapixel photo on every paint would make each step slow,
// so the view's surface keeps the scaled copies here until the zoom or the
// picture changes. A copy is found by the picture's pixels (address, size
// and a sample of its pixels, so a new picture at an old address is not
// mistaken for the old one) and the size it is drawn at.

#include <QtGui/QImage>

#include <cstdint>
#include <list>

class CScaledPictureCache {
public:
    explicit CScaledPictureCache(std::size_t maxBytes = 96u << 20) : m_nMaxBytes(maxBytes) {}

    // The source region of the picture scaled to size, made now or found.
    const QImage& Scaled(const std::uint32_t* argbTopDown, int width, int height, const QRect& source,
                         bool hasAlpha, QSize size);
    void Clear();
    std::size_t Count() const { return m_entries.size(); }

private:
    struct Entry {
        const std::uint32_t* pixels;
        int width;
        int height;
        QRect source;
        bool alpha;
        QSize size;
        std::uint64_t sample;
        QImage image;
    };
    static std::uint64_t Sample(const std::uint32_t* pixels, int width, int height);

    std::list<Entry> m_entries;  // most recent first
    std::size_t m_nBytes = 0;
    std::size_t m_nMaxBytes;
};
