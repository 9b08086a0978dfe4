// A phone folder's database with many ringtones, written with libplist, for the benchmarks.
#ifndef BENCH_PHONEDB_H
#define BENCH_PHONEDB_H

#include <plist/plist.h>

#include <cstdio>
#include <fstream>
#include <string>

const int entries = 100000;

inline std::string fileName(int i)
{
    std::string name(4, 'A');
    for (int k = 3; k >= 0; --k, i /= 26)
        name[static_cast<size_t>(k)] = static_cast<char>('A' + i % 26);
    return name + ".m4r";
}

inline void writeFile(const std::string &path, const char *data, size_t size)
{
    std::ofstream(path, std::ios::binary).write(data, static_cast<std::streamsize>(size));
}

inline void makeDatabase(const std::string &path)
{
    plist_t root = plist_new_dict();
    plist_t tones = plist_new_dict();
    for (int i = 0; i < entries; ++i) {
        plist_t entry = plist_new_dict();
        char guid[17];
        std::snprintf(guid, sizeof guid, "%016X", i + 1);
        plist_dict_set_item(entry, "Name", plist_new_string(("Tone " + std::to_string(i)).c_str()));
        plist_dict_set_item(entry, "GUID", plist_new_string(guid));
        plist_dict_set_item(entry, "PID", plist_new_uint(uint64_t(i) * 7919 + 1));
        plist_dict_set_item(entry, "Total Time", plist_new_uint(27500));
        plist_dict_set_item(entry, "Protected Content", plist_new_bool(0));
        plist_dict_set_item(tones, fileName(i).c_str(), entry);
    }
    plist_dict_set_item(root, "Ringtones", tones);
    char *bytes = nullptr;
    uint32_t length = 0;
    plist_to_bin(root, &bytes, &length);
    writeFile(path, bytes, length);
    plist_to_bin_free(bytes);
    plist_free(root);
}

#endif
