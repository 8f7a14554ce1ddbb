#pragma once

#include <QByteArray>
#include <QFile>
#include <QRegularExpression>
#include <QString>

// Pages in a PDF written by Qt: its page objects, not the page tree.
inline int PdfPageCount(const QByteArray& pdf) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    return static_cast<int>(QString::fromLatin1(pdf).count(page));
}

// -1 when the file cannot be read.
inline int PdfFilePageCount(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? PdfPageCount(file.readAll()) : -1;
}
