// Times the device library on a phone folder whose database holds 100,000 ringtones: listing
// every entry through the table, and adding one tone with its commit. The reference does the
// least the same work needs with libplist alone: parse and walk; parse, append, write and rename.
// Prints figures and ratios only.

#include "handvia.h"
#include "phonedb.h"

#include <plist/plist.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

double msSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count();
}

std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

plist_t parse(const std::string &bytes)
{
    plist_t root = nullptr;
    plist_from_memory(bytes.data(), static_cast<uint32_t>(bytes.size()), &root);
    return root;
}

double referenceListing(const std::string &path)
{
    const auto start = std::chrono::steady_clock::now();
    plist_t root = parse(readFile(path));
    plist_t tones = plist_dict_get_item(root, "Ringtones");
    plist_dict_iter iter = nullptr;
    plist_dict_new_iter(tones, &iter);
    size_t titles = 0;
    for (;;) {
        char *key = nullptr;
        plist_t value = nullptr;
        plist_dict_next_item(tones, iter, &key, &value);
        if (!key)
            break;
        char *title = nullptr;
        plist_get_string_val(plist_dict_get_item(value, "Name"), &title);
        titles += title ? 1 : 0;
        std::free(title);
        std::free(key);
    }
    std::free(iter);
    plist_free(root);
    const double ms = msSince(start);
    return titles >= entries ? ms : -1;
}

double referenceAdd(const std::string &root, const std::string &tone)
{
    const std::string db = root + "/iTunes_Control/iTunes/Ringtones.plist";
    const auto start = std::chrono::steady_clock::now();
    const std::string content = readFile(tone);
    writeFile(root + "/iTunes_Control/Ringtones/ZZZZ.m4r", content.data(), content.size());
    plist_t top = parse(readFile(db));
    plist_t entry = plist_new_dict();
    plist_dict_set_item(entry, "Name", plist_new_string("Reference"));
    plist_dict_set_item(plist_dict_get_item(top, "Ringtones"), "ZZZZ.m4r", entry);
    char *bytes = nullptr;
    uint32_t length = 0;
    plist_to_bin(top, &bytes, &length);
    writeFile(db + ".ref", bytes, length);
    std::rename((db + ".ref").c_str(), db.c_str());
    plist_to_bin_free(bytes);
    plist_free(top);
    return msSince(start);
}

double tableListing(HandviaApi *api)
{
    const auto start = std::chrono::steady_clock::now();
    char title[256];
    char file[256];
    int count = 0;
    while (api->get_ringtone(0, count, title, sizeof title, file, sizeof file) == 0)
        ++count;
    const double ms = msSince(start);
    return count >= entries ? ms : -1;
}

double tableAdd(HandviaApi *api, const std::string &tone)
{
    const auto start = std::chrono::steady_clock::now();
    const bool ok = api->add_ringtone(0, tone.c_str(), 25000) == 0 && api->commit(0) == 0;
    const double ms = msSince(start);
    return ok ? ms : -1;
}

void print(const char *what, double ours, double reference)
{
    std::printf("%-28s %9.1f ms   reference %9.1f ms   ratio %5.2f\n",
                what,
                ours,
                reference,
                reference > 0 ? ours / reference : 0.0);
}

} // namespace

int main()
{
    char folder[] = "/tmp/bench_phonedb.XXXXXX";
    if (!mkdtemp(folder))
        return 1;
    const std::string root = std::string(folder) + "/phone";
    for (const char *dir :
         {"", "/iTunes_Control", "/iTunes_Control/iTunes", "/iTunes_Control/Ringtones"})
        mkdir((root + dir).c_str(), 0755);
    const std::string tone = std::string(folder) + "/Bench tone.m4r";
    const std::string content(300 * 1024, 'm');
    writeFile(tone, content.data(), content.size());
    makeDatabase(root + "/iTunes_Control/iTunes/Ringtones.plist");
    struct stat info;
    stat((root + "/iTunes_Control/iTunes/Ringtones.plist").c_str(), &info);
    std::printf(
            "database: %d entries, %lld bytes\n", entries, static_cast<long long>(info.st_size));

    setenv("HANDVIA_ROOT", root.c_str(), 1);
    setenv("XDG_STATE_HOME", folder, 1);
    HandviaApi *api = handvia_get_api();
    const int rounds = 3;
    for (int round = 0; round < rounds; ++round) {
        print("list every entry",
              tableListing(api),
              referenceListing(root + "/iTunes_Control/iTunes/Ringtones.plist"));
        print("add one tone + commit", tableAdd(api, tone), referenceAdd(root, tone));
    }
    const std::string command = std::string("rm -rf ") + folder;
    return std::system(command.c_str()) == 0 ? 0 : 1;
}
