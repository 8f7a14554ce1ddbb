#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QObject>
#include <QUrl>

// Stands in for the browser and the mail program: it only records what it was asked to open.
class CUrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> m_urls;
public Q_SLOTS:
    void Open(const QUrl& url) { m_urls.append(url); }
};

// How many pixels of the image have exactly this colour.
inline int CountPixels(const QImage& image, const QColor& colour) {
    int nCount = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y).rgb() == colour.rgb()) {
                ++nCount;
            }
        }
    }
    return nCount;
}
