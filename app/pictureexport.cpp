#include "app/pictureexport.h"

#include "settings/filereplace.h"
#include "view/neckcolours.h"
#include "view/neckdrawing.h"
#include "view/paintersurface.h"
#include "view/printframework.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>

namespace {

// The largest side an export takes without being asked for it, as --size allows, and the most
// pixels (256 MiB of image): a larger drawing, from stored spacings the Preferences dialog
// would refuse, is cut at its right and bottom.
constexpr int kMaxImageSide = 16384;
constexpr qint64 kMaxFittingPixels = qint64{1} << 26;
// What a high-resolution printer writing PDF uses.
constexpr int kPdfDpi = 1200;
constexpr qreal kPdfMarginPoints = 10;
class Export {
    Q_DECLARE_TR_FUNCTIONS(Export)
};

// An image's resolution, which sizes the screen font as a window of this machine would.
int ImageDpi() {
    return QImage(1, 1, QImage::Format_RGB32).logicalDpiX();
}

// The size of a window that just shows the whole screen drawing, in the font the image will
// use, held to what an image can take.
QSize FittingSize(const CNeckDrawing& drawing) {
    QImage probe(1, 1, QImage::Format_RGB32);
    const QSize size = drawing.PictureSize(QFont(), &probe, false);
    const int width = std::min(size.width(), kMaxImageSide);
    const int height = static_cast<int>(
        std::min<qint64>({size.height(), kMaxImageSide, kMaxFittingPixels / width}));
    return {width, height};
}

// The light screen colours on white, as an image shows them by default, or the dark ones.
CNeckColours ImageColours(bool bDark) {
    if (bDark) {
        return ScreenColours(DarkNeckPalette());
    }
    CNeckColours colours = PaperColours();
    colours.background = Qt::white;
    return colours;
}

// The screen pass showing a window of the given size on the device's size.
bool PaintScreenPass(CNeckDrawing& drawing, const CNeckColours& colours, QPaintDevice& device,
                     QSize window, QSize size) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    {
        CPainterSurface surface(&painter, colours);
        const QRect target(QPoint(0, 0), size);
        drawing.DrawNecks(&surface, window, &target, false);
    }
    return painter.end();
}

RenderedPicture NotDrawn(QSize size) {
    return {{},
            Export::tr("the %1\u00D7%2 picture could not be drawn (not enough memory?)")
                .arg(size.width())
                .arg(size.height())};
}

RenderedPicture RenderPng(CNeckDrawing& drawing, const CNeckColours& colours, QSize window,
                          QSize size) {
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) {
        return NotDrawn(size);
    }
    image.fill(colours.background);
    QBuffer buffer;
    if (!PaintScreenPass(drawing, colours, image, window, size) ||
        !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
        return NotDrawn(size);
    }
    return {buffer.data(), {}};
}

RenderedPicture RenderSvg(CNeckDrawing& drawing, const CNeckColours& colours, QSize window,
                          QSize size) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        generator.setResolution(ImageDpi());
        generator.setTitle(QStringLiteral("Varnel"));
        if (!PaintScreenPass(drawing, colours, generator, window, size)) {
            return NotDrawn(size);
        }
    }
    return {buffer.data(), {}};
}

QPageSize LocalePageSize() {
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                : QPageSize::A4);
}

// The printed page, made in memory: no temporary file anywhere, whatever TMPDIR says.
RenderedPicture RenderPdf(CNeckDrawing& drawing, QSize clientSize) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        // The page a printer set to PDF gives: its paper, 1200 dots per inch, its margins.
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfDpi);
        writer.setPageLayout(QPageLayout(
            LocalePageSize(), QPageLayout::Portrait,
            QMarginsF(kPdfMarginPoints, kPdfMarginPoints, kPdfMarginPoints, kPdfMarginPoints),
            QPageLayout::Point));
        writer.setTitle(QStringLiteral("Varnel"));
        writer.setCreator(QStringLiteral("Varnel"));
        QPainter painter;
        if (!painter.begin(&writer)) {
            return {{}, Export::tr("the PDF could not be started")};
        }
        CPrintInfo info;
        info.m_kind = CPrintInfo::Kind::Direct;
        info.m_rectDraw = QRect(0, 0, writer.width(), writer.height());
        drawing.PrintPage(&painter, &info, clientSize);
        if (!painter.end()) {
            return {{}, Export::tr("the PDF could not be finished")};
        }
    }
    // A PDF ends with its end-of-file marker; one without it was cut short.
    if (!buffer.data().trimmed().endsWith("%%EOF")) {
        return {{}, Export::tr("the PDF could not be finished")};
    }
    return {buffer.data(), {}};
}

} // namespace

std::optional<PictureFormat> PictureFormatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png")) {
        return PictureFormat::Png;
    }
    if (suffix == QLatin1String("svg")) {
        return PictureFormat::Svg;
    }
    if (suffix == QLatin1String("pdf")) {
        return PictureFormat::Pdf;
    }
    return std::nullopt;
}

RenderedPicture RenderPicture(CNeckDrawing drawing, const PictureRequest& request) {
    const CNeckColours colours = ImageColours(request.dark);
    if (request.format == PictureFormat::Pdf) {
        // Fitted, the page shows the whole printed drawing; else the window the size stands
        // for, or one that just shows the drawing.
        QSize window = request.size ? *request.size : FittingSize(drawing);
        if (request.fit) {
            window = drawing.PictureSize(QFont(), nullptr, true);
        }
        return RenderPdf(drawing, window);
    }
    const QSize size = request.size ? *request.size : FittingSize(drawing);
    // Fitted, the whole drawing is the window the image shows.
    const QSize window = request.fit ? FittingSize(drawing) : size;
    return request.format == PictureFormat::Png ? RenderPng(drawing, colours, window, size)
                                                : RenderSvg(drawing, colours, window, size);
}

QImage PictureImage(const CNeckDrawing& original) {
    // The pass measures its titles: a copy keeps the caller's drawing as it is.
    CNeckDrawing drawing(original);
    const QSize size = FittingSize(drawing);
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) {
        return image;
    }
    image.fill(Qt::white);
    PaintScreenPass(drawing, ImageColours(false), image, size, size);
    return image;
}

QString WritePicture(const CNeckDrawing& drawing, const QString& path,
                     const PictureRequest& request) {
    const RenderedPicture rendered = RenderPicture(drawing, request);
    if (!rendered.error.isEmpty()) {
        return rendered.error;
    }
    return ReplaceFile(path, rendered.bytes);
}
