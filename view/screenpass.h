#pragma once

#include "view/neckcolours.h"
#include "view/paintersurface.h"

#include <QFont>
#include <QImage>
#include <QSize>

#include <vector>

class CNeckDrawing;
class QPainter;

// The screen pass of a view: what stays as the key changes (background, frets, strings, nut,
// markers, fret numbers) is drawn once into an image and kept while the drawing's metrics and
// instrument, the scale, the size, the font and the colours stay as they were; every paint copies
// it and draws only the dots, labels and titles over it.
class CScreenPass {
public:
    // Paints `drawing` on a device of `size` pixels (before its pixel ratio) at `scale` device
    // pixels per unit.
    void Paint(QPainter& painter, CNeckDrawing& drawing, QSize size, double scale,
               const CNeckColours& colours);

    // Drops the kept image, as when the drawing changed in a way the key does not cover.
    void Forget() { m_image = QImage(); }

private:
    // Everything the kept image was drawn from.
    struct Key {
        std::vector<int> metrics;
        QSize size;
        double scale = 0;
        double ratio = 0;
        QString font;
        std::vector<unsigned int> colours;

        friend bool operator==(const Key&, const Key&) = default;
    };
    static Key KeyOf(const CNeckDrawing& drawing, QSize size, double scale, double ratio,
                     const QFont& font, const CNeckColours& colours);

    QImage m_image;
    Key m_key;
    CPainterSurface::Kept m_kept;
    bool m_bLayersApart = false;
};
