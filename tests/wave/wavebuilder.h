#ifndef WAVEBUILDER_H
#define WAVEBUILDER_H

#include <QByteArray>
#include <QtEndian>

#include <vector>

// Writes small RIFF/WAVE files byte by byte, including malformed ones.
namespace wavebuilder {

struct Format
{
    quint16 tag = 1;
    quint16 channels = 1;
    quint32 rate = 44100;
    quint16 bits = 16;
};

inline QByteArray le16(quint16 v)
{
    QByteArray out(2, '\0');
    qToLittleEndian(v, out.data());
    return out;
}

inline QByteArray le32(quint32 v)
{
    QByteArray out(4, '\0');
    qToLittleEndian(v, out.data());
    return out;
}

// A chunk with its declared size; an odd payload gets its pad byte.
inline QByteArray chunk(const char *id, const QByteArray &payload)
{
    QByteArray out = QByteArray(id, 4) + le32(quint32(payload.size())) + payload;
    if (payload.size() % 2)
        out += '\0';
    return out;
}

inline QByteArray fmtPayload(const Format &f)
{
    const quint16 align = quint16(f.channels * ((f.bits + 7) / 8));
    return le16(f.tag) + le16(f.channels) + le32(f.rate) + le32(f.rate * align) + le16(align)
            + le16(f.bits);
}

inline QByteArray fmtChunk(const Format &f)
{
    return chunk("fmt ", fmtPayload(f));
}

// The 18-byte form whose extension size field is 0.
inline QByteArray fmtChunk18(const Format &f)
{
    return chunk("fmt ", fmtPayload(f) + le16(0));
}

inline QByteArray listChunk()
{
    return chunk("LIST", QByteArray("INFOISFT") + le32(5) + QByteArray("test\0", 5));
}

// sizeError is added to the correct RIFF size.
inline QByteArray riff(const QByteArray &chunks, int sizeError = 0)
{
    return QByteArray("RIFF") + le32(quint32(chunks.size() + 4 + sizeError)) + QByteArray("WAVE")
            + chunks;
}

inline QByteArray pcm16(const std::vector<qint16> &values)
{
    QByteArray out;
    for (qint16 v : values)
        out += le16(quint16(v));
    return out;
}

inline QByteArray wav16(const std::vector<qint16> &values, quint16 channels = 1)
{
    Format f;
    f.channels = channels;
    return riff(fmtChunk(f) + chunk("data", pcm16(values)));
}

} // namespace wavebuilder

#endif
