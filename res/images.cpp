#include "res/images.h"

QIcon ApplicationIcon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/images/varnel32.xpm"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/images/varnel16.xpm"), QSize(16, 16));
    return icon;
}

QPixmap ToolbarImage(int index) {
    constexpr int kWidth = 16;
    constexpr int kHeight = 15;
    const QPixmap strip(QStringLiteral(":/images/toolbar.xpm"));
    return strip.copy(index * kWidth, 0, kWidth, kHeight);
}

QCursor LinkHandCursor() {
    return QCursor(QPixmap(QStringLiteral(":/images/linkhand.xpm")), 0, 0);
}
