#include "res/svgiconengine.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>

namespace {

// Enough for every size and mode one window shows at a time.
constexpr qsizetype kCacheLimit = 16;

qreal FitScale(const QSize& design, const QSize& box) {
    return std::min(qreal(box.width()) / design.width(), qreal(box.height()) / design.height());
}

bool IsWhole(qreal scale) {
    return scale >= 1 && scale == std::floor(scale);
}

quint64 CacheKey(const QSize& deviceSize, QIcon::Mode mode) {
    return (quint64(deviceSize.width()) << 40) | (quint64(deviceSize.height()) << 16) |
           quint64(mode);
}

// A disabled button's picture: grey and faint, as a style greys a bitmap icon.
QImage Faded(const QImage& image) {
    QImage faded = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < faded.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(faded.scanLine(y));
        for (int x = 0; x < faded.width(); ++x) {
            const int grey = 128 + qGray(line[x]) / 2;
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]) * 2 / 5);
        }
    }
    return faded;
}

} // namespace

CSvgIconEngine::CSvgIconEngine(QList<CSvgArtwork> artworks)
    : m_artworks(std::move(artworks)) {}

void CSvgIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                           QIcon::State state) {
    const qreal scale = painter->device() != nullptr ? painter->device()->devicePixelRatio() : 1;
    QPixmap picture = scaledPixmap(rect.size() * scale, mode, state, scale);
    picture.setDevicePixelRatio(scale);
    const QSizeF logical = picture.deviceIndependentSize();
    // Whole logical pixels, so that at a whole-number scale the picture lands on device pixels.
    painter->drawPixmap(QPointF(rect.x() + std::floor((rect.width() - logical.width()) / 2),
                                rect.y() + std::floor((rect.height() - logical.height()) / 2)),
                        picture);
}

QSize CSvgIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State) {
    // Every drawing of one picture has the same shape.
    return isNull() ? QSize() : m_artworks.first().designSize.scaled(size, Qt::KeepAspectRatio);
}

QPixmap CSvgIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return scaledPixmap(size, mode, state, 1);
}

QPixmap CSvgIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                                     qreal) {
    const QSize deviceSize = actualSize(size, mode, state);
    if (deviceSize.isEmpty()) {
        return QPixmap();
    }
    const quint64 key = CacheKey(deviceSize, mode);
    const auto cached = m_cache.constFind(key);
    if (cached != m_cache.constEnd()) {
        return *cached;
    }
    if (m_cache.size() >= kCacheLimit) {
        m_cache.clear();
    }
    QPixmap picture = QPixmap::fromImage(Render(deviceSize, mode));
    m_cache.insert(key, picture);
    return picture;
}

QList<QSize> CSvgIconEngine::availableSizes(QIcon::Mode, QIcon::State) {
    QList<QSize> sizes;
    for (const CSvgArtwork& artwork : std::as_const(m_artworks)) {
        sizes.append(artwork.designSize);
    }
    return sizes;
}

QString CSvgIconEngine::key() const {
    return QStringLiteral("CSvgIconEngine");
}

QIconEngine* CSvgIconEngine::clone() const {
    return new CSvgIconEngine(*this);
}

bool CSvgIconEngine::isNull() {
    return m_artworks.isEmpty();
}

const CSvgArtwork& CSvgIconEngine::ArtworkFor(const QSize& deviceSize) const {
    // Best: a whole-number scale, largest drawing first for its detail. Then any enlargement,
    // again the largest drawing. Below every drawing's size, the smallest shrinks least.
    const auto rank = [&deviceSize](const CSvgArtwork& artwork) {
        const qreal scale = FitScale(artwork.designSize, deviceSize);
        const int area = artwork.designSize.width() * artwork.designSize.height();
        return std::make_tuple(IsWhole(scale), scale >= 1, scale >= 1 ? area : -area);
    };
    const CSvgArtwork* best = &m_artworks.first();
    for (const CSvgArtwork& artwork : m_artworks) {
        if (rank(artwork) > rank(*best)) {
            best = &artwork;
        }
    }
    return *best;
}

QImage CSvgIconEngine::Render(const QSize& deviceSize, QIcon::Mode mode) const {
    const CSvgArtwork& artwork = ArtworkFor(deviceSize);
    const QSizeF drawn = QSizeF(artwork.designSize) * FitScale(artwork.designSize, deviceSize);
    // Centred by whole pixels only, so the drawing's pixel grid stays on the device's.
    const QPointF origin(std::floor((deviceSize.width() - drawn.width()) / 2),
                         std::floor((deviceSize.height() - drawn.height()) / 2));
    QImage image(deviceSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(artwork.fileName);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(origin, drawn));
    painter.end();
    return mode == QIcon::Disabled ? Faded(image) : image;
}
