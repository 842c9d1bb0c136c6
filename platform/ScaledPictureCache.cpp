#include "platform/ScaledPictureCache.h"

std::uint64_t CScaledPictureCache::Sample(const std::uint32_t* pixels, int width, int height)
{
    // Sixty-four pixels on a diagonal lattice, hashed.
    std::uint64_t h = 1469598103934665603ull;
    for (int i = 0; i < 64; ++i) {
        const std::int64_t x = (static_cast<std::int64_t>(i) * 7919) % width;
        const std::int64_t y = (static_cast<std::int64_t>(i) * (height - 1)) / 63;
        h = (h ^ pixels[y * width + x]) * 1099511628211ull;
    }
    return h;
}

const QImage& CScaledPictureCache::Scaled(const std::uint32_t* argbTopDown, int width, int height,
                                          const QRect& source, bool hasAlpha, QSize size)
{
    const std::uint64_t sample = Sample(argbTopDown, width, height);
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
        if (it->pixels == argbTopDown && it->width == width && it->height == height && it->source == source &&
            it->alpha == hasAlpha && it->size == size && it->sample == sample) {
            m_entries.splice(m_entries.begin(), m_entries, it);
            return m_entries.front().image;
        }
    }
    const QImage whole(reinterpret_cast<const uchar*>(argbTopDown), width, height, width * 4,
                       hasAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    QImage scaled = whole.copy(source).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const std::size_t bytes = static_cast<std::size_t>(scaled.sizeInBytes());
    m_entries.push_front({argbTopDown, width, height, source, hasAlpha, size, sample, std::move(scaled)});
    m_nBytes += bytes;
    while (m_entries.size() > 1 && m_nBytes > m_nMaxBytes) {
        m_nBytes -= static_cast<std::size_t>(m_entries.back().image.sizeInBytes());
        m_entries.pop_back();
    }
    return m_entries.front().image;
}

void CScaledPictureCache::Clear()
{
    m_entries.clear();
    m_nBytes = 0;
}
