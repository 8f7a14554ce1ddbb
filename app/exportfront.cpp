#include "app/exportfront.h"

#include "app/commandline.h"
#include "app/settingslocation.h"
#include "app/terminaltext.h"
#include "settings/conffile.h"
#include "settings/settingsstore.h"
#include "view/neckdrawing.h"
#include "view/neckprefs.h"
#include "view/paintersurface.h"
#include "view/printframework.h"
#include "view/recordingsurface.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QTemporaryFile>

#include <algorithm>
#include <optional>

#include <sys/stat.h>

namespace {

enum class Format {
    Png,
    Svg,
    Pdf,
};

// The largest side an export takes without being asked for it, as --size allows, and the most
// pixels (256 MiB of image): a larger drawing, from stored spacings the Preferences dialog
// would refuse, is cut at its right and bottom.
constexpr int kMaxImageSide = 16384;
constexpr qint64 kMaxFittingPixels = qint64{1} << 26;
constexpr int kRefused = 2;
constexpr int kWriteFailed = 1;

class Export {
    Q_DECLARE_TR_FUNCTIONS(Export)
};

std::optional<Format> FormatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png")) {
        return Format::Png;
    }
    if (suffix == QLatin1String("svg")) {
        return Format::Svg;
    }
    if (suffix == QLatin1String("pdf")) {
        return Format::Pdf;
    }
    return std::nullopt;
}

// The stored preferences, then whatever the command line overrides.
void SetUpDrawing(CNeckDrawing& drawing, const CommandLineOptions& options) {
    SettingsStore store;
    BindSettingsForReading(store);
    LoadNeckPrefs(drawing, store);
    if (options.key) {
        drawing.m_nKey = options.key->key;
        drawing.m_nAccidental = options.key->accidental;
        drawing.NormaliseKey();
    }
    if (options.style) {
        drawing.m_nStyle = *options.style;
    }
    if (options.stringSpacing) {
        drawing.m_nStringSpacing = *options.stringSpacing;
    }
    if (options.fretSpacing) {
        drawing.m_nFretSpacing = *options.fretSpacing;
    }
    if (options.neckSpacing) {
        drawing.m_nNeckSpacing = *options.neckSpacing;
    }
}

// An image's resolution, which sizes the screen font as a window of this machine would.
int ImageDpi() {
    return QImage(1, 1, QImage::Format_RGB32).logicalDpiX();
}

// The size of a window that just shows the whole screen drawing: everything the pass draws
// (lines, dots, markers and the titles at their measured widths), with a margin as wide as the
// drawing's own left margin added on the right and below, so that the frame is even. This pass
// also makes the title measurement, in the font the image will use.
QSize FittingSize(CNeckDrawing& drawing) {
    QImage probe(1, 1, QImage::Format_RGB32);
    CRecordingSurface recorder;
    recorder.SetFont(QFont(), &probe);
    recorder.SetWindowColour(Qt::white);
    drawing.DrawNecks(&recorder, QSize(1, 1), nullptr, false);
    const CSurfaceRect extent = recorder.DrawingExtent();
    const auto side = [](int edge) {
        return static_cast<int>(
            std::clamp<qint64>(qint64{edge} + CNeckDrawing::kLeftMargin, 1, kMaxImageSide));
    };
    const int width = side(extent.right);
    const int height =
        static_cast<int>(std::min<qint64>(side(extent.bottom), kMaxFittingPixels / width));
    return {width, height};
}

// The screen pass on a white background, one pixel per unit.
bool PaintScreenPass(CNeckDrawing& drawing, QPaintDevice& device, QSize size) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    {
        CPainterSurface surface(&painter, Qt::white);
        const QRect client(QPoint(0, 0), size);
        drawing.DrawNecks(&surface, size, &client, false);
    }
    return painter.end();
}

// The picture's bytes in the file's format, or why it could not be made.
struct Rendered {
    QByteArray bytes;
    QString error;
};

Rendered NotDrawn(QSize size) {
    return {{},
            Export::tr("the %1\u00D7%2 picture could not be drawn (not enough memory?)")
                .arg(size.width())
                .arg(size.height())};
}

Rendered RenderPng(CNeckDrawing& drawing, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) {
        return NotDrawn(size);
    }
    image.fill(Qt::white);
    QBuffer buffer;
    if (!PaintScreenPass(drawing, image, size) || !buffer.open(QIODevice::WriteOnly) ||
        !image.save(&buffer, "PNG")) {
        return NotDrawn(size);
    }
    return {buffer.data(), {}};
}

Rendered RenderSvg(CNeckDrawing& drawing, QSize size) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QSvgGenerator generator;
        generator.setOutputDevice(&buffer);
        generator.setSize(size);
        generator.setViewBox(QRect(QPoint(0, 0), size));
        generator.setResolution(ImageDpi());
        generator.setTitle(QStringLiteral("Varnel"));
        if (!PaintScreenPass(drawing, generator, size)) {
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
Rendered RenderPdf(CNeckDrawing& drawing, QSize clientSize) {
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

int CannotWrite(const QString& path, const QString& reason) {
    ReportError(Export::tr("cannot write %1: %2").arg(Quoted(path), reason));
    return kWriteFailed;
}

} // namespace

int RunExport(const CommandLineOptions& options) {
    const QString path = options.exportFile;
    const std::optional<Format> format = FormatOf(path);
    if (!format) {
        ReportError(Export::tr("cannot export to %1: the file name must end in .png, .svg or .pdf")
                        .arg(Quoted(path)));
        return kRefused;
    }
    if (IsUnsuitableTarget(path)) {
        return CannotWrite(path, Export::tr("it is not a regular file"));
    }
    // The old file stays until the new one is complete; a failed write leaves nothing behind.
    // Unbuffered: a buffered QSaveFile takes a short write on a full disk for success.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return CannotWrite(path, file.errorString());
    }

    CNeckDrawing drawing;
    SetUpDrawing(drawing, options);
    const QSize size = options.size ? *options.size : FittingSize(drawing);

    Rendered rendered;
    switch (*format) {
    case Format::Png:
        rendered = RenderPng(drawing, size);
        break;
    case Format::Svg:
        rendered = RenderSvg(drawing, size);
        break;
    case Format::Pdf:
        rendered = RenderPdf(drawing, size);
        break;
    }
    if (!rendered.error.isEmpty()) {
        return CannotWrite(path, rendered.error);
    }
    if (!WriteAll(file, rendered.bytes)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return CannotWrite(path, reason);
    }
    if (!file.commit()) {
        return CannotWrite(path, file.errorString());
    }
    return 0;
}
