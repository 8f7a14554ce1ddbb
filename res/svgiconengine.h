#pragma once

#include <QHash>
#include <QIconEngine>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

// One drawing of a picture, made for one pixel size: its strokes sit on that size's pixel grid.
struct CSvgArtwork {
    QString fileName;
    QSize designSize;
};

// Paints SVG drawings through QSvgRenderer at exactly the device pixels asked for, so icons need
// no SVG icon-engine plugin and never pass through a scaled bitmap. Of several drawings of one
// picture it takes the one that a whole-number scale fits to the asked size, since only a
// whole-number scale keeps every stroke on whole pixels.
class CSvgIconEngine final : public QIconEngine {
public:
    explicit CSvgIconEngine(QList<CSvgArtwork> artworks);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    // `size` is in device pixels, as QIcon asks for it on a scaled display.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QString key() const override;
    QIconEngine* clone() const override;
    bool isNull() override;

private:
    const CSvgArtwork& ArtworkFor(const QSize& deviceSize) const;
    QImage Render(const QSize& deviceSize, QIcon::Mode mode) const;

    QList<CSvgArtwork> m_artworks;
    // A toolbar asks for the same few sizes over and over.
    QHash<quint64, QPixmap> m_cache;
};
