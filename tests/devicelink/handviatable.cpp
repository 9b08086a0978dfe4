#include "handviatable.h"

#include <mutex>

namespace {

std::mutex eventsMutex;
QStringList events;

} // namespace

QByteArray entryXml(const QByteArray &file, const QByteArray &body)
{
    return "<key>" + file + "</key><dict>" + body + "</dict>";
}

QByteArray toneXml(const QByteArray &file, const QByteArray &title, const QByteArray &guid)
{
    return entryXml(file,
                    "<key>Name</key><string>" + title + "</string><key>GUID</key><string>" + guid
                            + "</string><key>Total Time</key><integer>1000</integer>");
}

QByteArray databaseXml(const QByteArray &ringtones)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
           "<key>Ringtones</key><dict>"
            + ringtones + "</dict></dict></plist>\n";
}

QVector<Listed> listAll(HandviaApi *api)
{
    QVector<Listed> tones;
    char title[256];
    char file[256];
    while (api->get_ringtone(0, tones.size(), title, sizeof title, file, sizeof file) >= 0)
        tones.append({QString::fromUtf8(title), QString::fromUtf8(file)});
    return tones;
}

QStringList titlesOf(const QVector<Listed> &tones)
{
    QStringList titles;
    for (const Listed &tone : tones)
        titles << tone.title;
    return titles;
}

PlistFile::PlistFile(const QByteArray &bytes)
{
    plist_from_memory(bytes.constData(), static_cast<uint32_t>(bytes.size()), &m_root);
}

PlistFile::~PlistFile()
{
    plist_free(m_root);
}

plist_t PlistFile::entry(const QString &file) const
{
    plist_t tones = m_root ? plist_dict_get_item(m_root, "Ringtones") : nullptr;
    return tones ? plist_dict_get_item(tones, file.toUtf8().constData()) : nullptr;
}

QStringList PlistFile::files() const
{
    QStringList names;
    plist_t tones = m_root ? plist_dict_get_item(m_root, "Ringtones") : nullptr;
    plist_dict_iter iter = nullptr;
    if (tones)
        plist_dict_new_iter(tones, &iter);
    for (char *key = nullptr; iter; key = nullptr) {
        plist_dict_next_item(tones, iter, &key, nullptr);
        if (!key)
            break;
        names << QString::fromUtf8(key);
        free(key);
    }
    free(iter);
    return names;
}

QString PlistFile::string(plist_t entry, const char *key)
{
    plist_t node = entry ? plist_dict_get_item(entry, key) : nullptr;
    const char *text = node ? plist_get_string_ptr(node, nullptr) : nullptr;
    return text ? QString::fromUtf8(text) : QString();
}

uint64_t PlistFile::number(plist_t entry, const char *key)
{
    uint64_t value = 0;
    plist_t node = entry ? plist_dict_get_item(entry, key) : nullptr;
    if (node && plist_get_node_type(node) == PLIST_UINT)
        plist_get_uint_val(node, &value);
    return value;
}

int recordEvent(int kind, const char *text)
{
    std::lock_guard<std::mutex> lock(eventsMutex);
    events << QString::number(kind) + QLatin1Char(':') + QString::fromUtf8(text);
    return 0;
}

QStringList recordedEvents()
{
    std::lock_guard<std::mutex> lock(eventsMutex);
    return events;
}

void clearEvents()
{
    std::lock_guard<std::mutex> lock(eventsMutex);
    events.clear();
}
