#include "app/pictureexport.h"

#include "app/terminaltext.h"
#include "settings/conffile.h"
#include "view/neckcolours.h"
#include "view/neckdrawing.h"
#include "view/paintersurface.h"
#include "view/printframework.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QTemporaryFile>

#include <algorithm>

#include <sys/stat.h>

namespace {

// The largest side an export takes without being asked for it, as --size allows, and the most
// pixels (256 MiB of image): a larger drawing, from stored spacings the Preferences dialog
// would refuse, is cut at its right and bottom.
constexpr int kMaxImageSide = 16384;
constexpr qint64 kMaxFittingPixels = qint64{1} << 26;
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

// The export's share of printing: what the view's printing hooks do, for a window of the given
// client size.
class CExportPrintClient final : public CPrintClient {
public:
    CExportPrintClient(CNeckDrawing& drawing, QSize clientSize)
        : m_drawing(drawing)
        , m_clientSize(clientSize) {}

    bool OnPreparePrinting(CPrintInfo* pInfo) override {
        pInfo->SetMaxPage(1);
        return DoPreparePrinting(pInfo);
    }
    void OnBeginPrinting(QPainter*, CPrintInfo* pInfo) override { pInfo->m_nNumPreviewPages = 1; }
    void OnPrint(QPainter* pDC, CPrintInfo* pInfo) override {
        m_drawing.PrintPage(pDC, pInfo, m_clientSize);
    }
    void OnEndPrinting(QPainter*, CPrintInfo*) override {}

private:
    CNeckDrawing& m_drawing;
    QSize m_clientSize;
};

QPageSize LocalePageSize() {
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                : QPageSize::A4);
}

// The printed page through the print path. The printer writes a file of its own, whose bytes
// are taken only when the document is complete.
RenderedPicture RenderPdf(CNeckDrawing& drawing, QSize clientSize) {
    QTemporaryFile pdf;
    if (!pdf.open()) {
        return {{}, Export::tr("no temporary file for the PDF: %1").arg(pdf.errorString())};
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf.fileName());
    printer.setPageSize(LocalePageSize());
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(QStringLiteral("Varnel"));
    CExportPrintClient client(drawing, clientSize);
    const bool printed = RunPrintJob(client, printer, CPrintInfo::Kind::Direct, nullptr);
    const QByteArray bytes = pdf.readAll();
    // A PDF ends with its end-of-file marker; one without it was cut short.
    if (!printed || !bytes.trimmed().endsWith("%%EOF")) {
        return {{},
                Export::tr("the PDF could not be made in %1 (is the disk full?)")
                    .arg(Quoted(QDir::tempPath()))};
    }
    return {bytes, {}};
}

// A target that exists and is not a regular file (a device, a FIFO, a socket, a folder, also
// behind a link) is never replaced or written into.
bool IsUnsuitableTarget(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && !S_ISREG(info.st_mode);
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
    if (IsUnsuitableTarget(path)) {
        return Export::tr("it is not a regular file");
    }
    // The old file stays until the new one is complete; a failed write leaves nothing behind.
    // Unbuffered: a buffered QSaveFile takes a short write on a full disk for success.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return file.errorString();
    }
    const RenderedPicture rendered = RenderPicture(drawing, request);
    if (!rendered.error.isEmpty()) {
        return rendered.error;
    }
    if (!WriteAll(file, rendered.bytes)) {
        QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return {};
}
