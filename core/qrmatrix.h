#ifndef QRMATRIX_H
#define QRMATRIX_H

#include <QString>

#include <vector>

// The modules of one QR code, row by row, without its quiet zone.
class QrMatrix
{
public:
    // The code of `text` at error correction level M; empty when libqrencode refuses it.
    static QrMatrix encode(const QString &text);

    bool isEmpty() const { return m_size == 0; }
    int size() const { return m_size; }
    // Outside the code (the quiet zone) every module is light.
    bool isDark(int row, int column) const;

private:
    int m_size = 0;
    std::vector<bool> m_dark;
};

// The quiet zone a reader needs around the code, in modules.
constexpr int qrQuietZone = 4;

// The code for a terminal, two rows of modules per line with the characters "█", "▀", "▄" and a
// space, inside a quiet zone of `quiet` modules. The characters are drawn where the code is
// light, so that on the dark background of most terminals the code reads dark on light.
QString terminalQrText(const QrMatrix &matrix, int quiet = 2);

#endif
