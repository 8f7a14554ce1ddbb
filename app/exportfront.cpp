#include "app/exportfront.h"

#include "app/commandline.h"
#include "app/settingslocation.h"
#include "settings/settingsstore.h"
#include "view/neckdrawing.h"
#include "view/neckprefs.h"
#include "view/paintersurface.h"
#include "view/printframework.h"
#include "view/recordingsurface.h"

#include <QCoreApplication>
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
#include <cstdio>
#include <optional>

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

QString Tr(const char* text) {
    return QCoreApplication::translate("Export", text);
}

int Refuse(const QString& message) {
    const QByteArray bytes = QStringLiteral("varnel: %1\n").arg(message).toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
    return kRefused;
}

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

bool WritePng(CNeckDrawing& drawing, QSize size, QIODevice& output) {
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) {
        return false;
    }
    image.fill(Qt::white);
    return PaintScreenPass(drawing, image, size) && image.save(&output, "PNG");
}

bool WriteSvg(CNeckDrawing& drawing, QSize size, QIODevice& output) {
    QSvgGenerator generator;
    generator.setOutputDevice(&output);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setResolution(ImageDpi());
    generator.setTitle(QStringLiteral("Varnel"));
    // A failed write shows when the output is committed.
    return PaintScreenPass(drawing, generator, size);
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

// The printed page through the print path; the printer writes a file of its own, which is
// then copied into the output so that the target appears only when everything succeeded.
bool WritePdf(CNeckDrawing& drawing, QSize clientSize, QIODevice& output) {
    QTemporaryFile pdf;
    if (!pdf.open()) {
        return false;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf.fileName());
    printer.setPageSize(LocalePageSize());
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(QStringLiteral("Varnel"));
    CExportPrintClient client(drawing, clientSize);
    if (!RunPrintJob(client, printer, CPrintInfo::Kind::Direct, nullptr)) {
        return false;
    }
    const QByteArray bytes = pdf.readAll();
    return !bytes.isEmpty() && output.write(bytes) == bytes.size();
}

} // namespace

int RunExport(const CommandLineOptions& options) {
    const QString path = options.exportFile;
    const std::optional<Format> format = FormatOf(path);
    if (!format) {
        return Refuse(
            Tr("cannot export to \"%1\": the file name must end in .png, .svg or .pdf").arg(path));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return Refuse(Tr("cannot write \"%1\": %2").arg(path, file.errorString()));
    }

    CNeckDrawing drawing;
    SetUpDrawing(drawing, options);
    const QSize size = options.size ? *options.size : FittingSize(drawing);

    bool written = false;
    switch (*format) {
    case Format::Png:
        written = WritePng(drawing, size, file);
        break;
    case Format::Svg:
        written = WriteSvg(drawing, size, file);
        break;
    case Format::Pdf:
        written = WritePdf(drawing, size, file);
        break;
    }
    if (!written) {
        file.cancelWriting();
        return Refuse(Tr("could not write \"%1\"").arg(path));
    }
    if (!file.commit()) {
        return Refuse(Tr("could not write \"%1\": %2").arg(path, file.errorString()));
    }
    return 0;
}
