#ifndef QRPICTURE_H
#define QRPICTURE_H

#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// What zbarimg (Debian's zbar-tools) reads in a picture: "QR-Code:TEXT" lines, without the
// prefix. Empty when it finds no code or is missing.
inline QStringList decodeQr(const QImage &image)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("code.png"));
    if (!image.save(path))
        return {};
    QProcess zbar;
    zbar.start(QStringLiteral("zbarimg"),
               {QStringLiteral("--quiet"), QStringLiteral("--raw"), path});
    if (!zbar.waitForFinished(60000))
        return {};
    return QString::fromUtf8(zbar.readAllStandardOutput())
            .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// The terminal's picture of block-character lines: each character is one module wide and two
// high; a drawn half is light, the terminal's own background dark.
inline QImage terminalPicture(const QStringList &lines, int modulePixels = 6)
{
    int width = 0;
    for (const QString &line : lines)
        width = qMax(width, int(line.size()));
    const int border = 4; // the terminal's dark background around the printed code
    QImage image((width + 2 * border) * modulePixels,
                 (lines.size() * 2 + 2 * border) * modulePixels,
                 QImage::Format_RGB32);
    image.fill(Qt::black);
    const auto paint = [&](int x, int y) {
        for (int dy = 0; dy < modulePixels; ++dy) {
            for (int dx = 0; dx < modulePixels; ++dx)
                image.setPixel((x + border) * modulePixels + dx,
                               (y + border) * modulePixels + dy,
                               qRgb(255, 255, 255));
        }
    };
    for (int row = 0; row < lines.size(); ++row) {
        for (int column = 0; column < lines.at(row).size(); ++column) {
            const QChar c = lines.at(row).at(column);
            if (c == QChar(0x2588) || c == QChar(0x2580))
                paint(column, 2 * row);
            if (c == QChar(0x2588) || c == QChar(0x2584))
                paint(column, 2 * row + 1);
        }
    }
    return image;
}

#endif
