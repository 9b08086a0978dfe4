#include "servetoken.h"

#include <QRandomGenerator>

#include <array>

QByteArray newServeToken()
{
    // A multiple of three bytes leaves no padding to strip.
    std::array<quint32, 18 / sizeof(quint32) + 1> words {};
    QRandomGenerator::system()->fillRange(words.data(), words.size());
    const QByteArray bytes(reinterpret_cast<const char *>(words.data()), 18);
    return bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
}
