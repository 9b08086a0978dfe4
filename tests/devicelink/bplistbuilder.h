// Binary plists put together object by object, for values and layouts that no plist library
// writes: the device library's tests of what it keeps as read.
#ifndef BPLISTBUILDER_H
#define BPLISTBUILDER_H

#include <QByteArray>
#include <QPair>
#include <QVector>
#include <cstdint>
#include <cstring>
#include <functional>

namespace bplistbuilder {

inline QByteArray bigEndian(uint64_t value, int width)
{
    QByteArray bytes;
    for (int i = width - 1; i >= 0; --i)
        bytes += char((value >> (8 * i)) & 0xFF);
    return bytes;
}

inline QByteArray marker(int type, int count)
{
    if (count < 15)
        return QByteArray(1, char(type << 4 | count));
    return QByteArray(1, char(type << 4 | 0x0F)) + char(0x12) + bigEndian(uint64_t(count), 4);
}

inline QByteArray doubleBytes(double value)
{
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bigEndian(bits, 8);
}

// A binary plist put together object by object, for what no plist library writes.
class Bplist
{
public:
    int add(const QByteArray &object)
    {
        m_objects.append(object);
        return int(m_objects.size() - 1);
    }
    int ascii(const QByteArray &text) { return add(marker(0x5, int(text.size())) + text); }
    int utf16(const QVector<ushort> &units)
    {
        QByteArray object = marker(0x6, int(units.size()));
        for (const ushort unit : units)
            object += bigEndian(unit, 2);
        return add(object);
    }
    int array(const QVector<int> &items, int type = 0xA)
    {
        QByteArray object = marker(type, int(items.size()));
        for (const int item : items)
            object += bigEndian(uint64_t(item), 2);
        return add(object);
    }
    int dict(const QVector<QPair<int, int>> &items)
    {
        QByteArray keys, values;
        for (const auto &item : items) {
            keys += bigEndian(uint64_t(item.first), 2);
            values += bigEndian(uint64_t(item.second), 2);
        }
        return add(marker(0xD, int(items.size())) + keys + values);
    }
    QByteArray bytes(int root) const
    {
        QByteArray out = "bplist00", table;
        for (const QByteArray &object : m_objects) {
            table += bigEndian(uint64_t(out.size()), 4);
            out += object;
        }
        const uint64_t tableOffset = uint64_t(out.size());
        return out + table + QByteArray(6, '\0') + char(4) + char(2)
                + bigEndian(uint64_t(m_objects.size()), 8) + bigEndian(uint64_t(root), 8)
                + bigEndian(tableOffset, 8);
    }

private:
    QVector<QByteArray> m_objects;
};

using MakeValue = std::function<int(Bplist &)>;

// {Ringtones: {PLAN.m4r: a plain entry, ODD.m4r: an entry holding the value under an unknown
// key (and as its title), Odd: the value}, Odd: the value}: an unknown key at every level.
inline QByteArray binaryDatabase(const MakeValue &makeValue, bool valueAsTitle = false)
{
    Bplist b;
    const int value = makeValue(b);
    const int name = b.ascii("Name"), guid = b.ascii("GUID"), odd = b.ascii("Odd");
    const int plain = b.dict({{name, b.ascii("Plain")},
                              {guid, b.ascii("0000000000000001")},
                              {b.ascii("Total Time"), b.add("\x11\x03\xE8")}});
    const int entry = b.dict({{name, valueAsTitle ? value : b.ascii("Odd one")},
                              {guid, b.ascii("0000000000000002")},
                              {odd, value}});
    const int tones
            = b.dict({{b.ascii("PLAN.m4r"), plain}, {b.ascii("ODD.m4r"), entry}, {odd, value}});
    return b.bytes(b.dict({{b.ascii("Ringtones"), tones}, {odd, value}}));
}

} // namespace bplistbuilder

#endif
