// Build-time tool: renders the application's SVG icon into one square PNG, so every installed
// hicolor size comes from the one drawing in res/images.
//   varnel_iconrender SOURCE.svg SIZE OUTPUT.png

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

int Fail(const QString& message) {
    std::fprintf(stderr, "varnel_iconrender: %s\n", qPrintable(message));
    return 1;
}

// A drawing that leaves every pixel transparent is a broken source, not an icon to install.
bool HasVisiblePixel(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0) {
                return true;
            }
        }
    }
    return false;
}

QImage Render(QSvgRenderer& renderer, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);
    renderer.render(&painter, QRectF(0, 0, size, size));
    return image;
}

} // namespace

int main(int argc, char** argv) {
    // The build machine may have no display; an SVG with text still needs fonts, hence a
    // QGuiApplication on the offscreen platform.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 4) {
        return Fail(QStringLiteral("usage: varnel_iconrender SOURCE.svg SIZE OUTPUT.png"));
    }
    bool ok = false;
    const int size = arguments.at(2).toInt(&ok);
    if (!ok || size < 1 || size > 1024) {
        return Fail(QStringLiteral("bad size \"%1\": use 1 to 1024 pixels").arg(arguments.at(2)));
    }
    QSvgRenderer renderer(arguments.at(1));
    if (!renderer.isValid()) {
        return Fail(QStringLiteral("cannot read the drawing \"%1\"").arg(arguments.at(1)));
    }
    const QImage image = Render(renderer, size);
    if (!HasVisiblePixel(image)) {
        return Fail(
            QStringLiteral("\"%1\" renders nothing at %2 pixels").arg(arguments.at(1)).arg(size));
    }
    if (!image.save(arguments.at(3), "PNG")) {
        return Fail(QStringLiteral("cannot write \"%1\"").arg(arguments.at(3)));
    }
    return 0;
}
