#include "qrmatrix.h"

#include <qrencode.h>

#include <memory>

QrMatrix QrMatrix::encode(const QString &text)
{
    QrMatrix matrix;
    const QByteArray bytes = text.toUtf8();
    const std::unique_ptr<QRcode, void (*)(QRcode *)> code(
            QRcode_encodeString8bit(bytes.constData(), 0, QR_ECLEVEL_M), &QRcode_free);
    if (!code)
        return matrix;
    matrix.m_size = code->width;
    matrix.m_dark.resize(size_t(code->width) * size_t(code->width));
    for (size_t i = 0; i < matrix.m_dark.size(); ++i)
        matrix.m_dark[i] = (code->data[i] & 1) != 0; // the low bit is the module's colour
    return matrix;
}

bool QrMatrix::isDark(int row, int column) const
{
    if (row < 0 || column < 0 || row >= m_size || column >= m_size)
        return false;
    return m_dark[size_t(row) * size_t(m_size) + size_t(column)];
}

QString terminalQrText(const QrMatrix &matrix, int quiet)
{
    static const QChar cells[] = {QChar(0x2588), QChar(0x2580), QChar(0x2584), QChar(u' ')};
    QString text;
    const int first = -quiet;
    const int end = matrix.size() + quiet;
    for (int row = first; row < end; row += 2) {
        for (int column = first; column < end; ++column) {
            // Index bit 0: the upper module is dark; bit 1: the lower one (or past the end).
            const bool upper = matrix.isDark(row, column);
            const bool lower = row + 1 >= end || matrix.isDark(row + 1, column);
            text += cells[(upper ? 2 : 0) + (lower ? 1 : 0)];
        }
        text += QLatin1Char('\n');
    }
    return text;
}
