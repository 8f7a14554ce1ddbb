#include "res/images.h"

#include "res/svgiconengine.h"

#include <QPixmap>

#include <iterator>
#include <utility>

namespace {

QIcon SvgIcon(QList<CSvgArtwork> artworks) {
    return QIcon(new CSvgIconEngine(std::move(artworks)));
}

} // namespace

QIcon ApplicationIcon() {
    // Each size has its own drawing: a 1-pixel line cannot sit on whole pixels at 16, 32 and 48
    // at once.
    return SvgIcon({{QStringLiteral(":/images/varnel-16.svg"), QSize(16, 16)},
                    {QStringLiteral(":/images/varnel-22.svg"), QSize(22, 22)},
                    {QStringLiteral(":/images/varnel-24.svg"), QSize(24, 24)},
                    {QStringLiteral(":/images/varnel.svg"), QSize(32, 32)},
                    {QStringLiteral(":/images/varnel-48.svg"), QSize(48, 48)}});
}

QIcon ToolbarImage(int index) {
    static const char* const kNames[] = {"key-a", "key-b", "key-c",       "key-d", "key-e",
                                         "key-f", "key-g", "preferences", "print"};
    if (index < 0 || index >= int(std::size(kNames))) {
        return QIcon();
    }
    // The 16-by-15 drawing serves scale 1 and every whole scale; a half-pixel stroke at 1.25 or
    // 1.5 would blur, so those scales have drawings of their own.
    const QString name = QLatin1String(kNames[index]);
    return SvgIcon({{QStringLiteral(":/images/%1.svg").arg(name), QSize(16, 15)},
                    {QStringLiteral(":/images/%1-20x19.svg").arg(name), QSize(20, 19)},
                    {QStringLiteral(":/images/%1-24x23.svg").arg(name), QSize(24, 23)}});
}

QCursor LinkHandCursor() {
    return QCursor(QPixmap(QStringLiteral(":/images/linkhand.xpm")), 0, 0);
}
