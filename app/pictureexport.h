#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <optional>

class CNeckDrawing;

enum class PictureFormat {
    Png,
    Svg,
    Pdf,
};

// The format a file name asks for by its extension, in any case.
std::optional<PictureFormat> PictureFormatOf(const QString& path);

// What to write. PNG and SVG are the screen drawing at one pixel per unit (light colours on
// white, or the dark screen colours); PDF is the printed page.
struct PictureRequest {
    PictureFormat format = PictureFormat::Png;
    // PNG, SVG: the image's size (none: just large enough for the drawing). PDF: the window
    // the page follows (none: one that just shows the drawing).
    std::optional<QSize> size;
    // The whole drawing scaled into the image, or onto the page.
    bool fit = false;
    bool dark = false;
};

// The picture's bytes, or why it could not be made.
struct RenderedPicture {
    QByteArray bytes;
    QString error;
};

RenderedPicture RenderPicture(CNeckDrawing drawing, const PictureRequest& request);

// The screen drawing just large enough, light on white: what Copy puts on the clipboard.
QImage PictureImage(const CNeckDrawing& drawing);

// Writes the picture to path so that the old file stays until the new one is complete and a
// failure leaves nothing behind; a target that is not a regular file (a device, a FIFO, a
// folder, also behind a link) is refused. Returns why it failed, or an empty text.
QString WritePicture(const CNeckDrawing& drawing, const QString& path,
                     const PictureRequest& request);
