// A second writer for the folder backend: adds COUNT tones named PREFIX-n, one commit each,
// and prints the title of every tone whose commit succeeded.
#include "handvia.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char **argv)
{
    if (argc != 5)
        return 2;
    setenv("HANDVIA_ROOT", argv[1], 1);
    const std::string folder = argv[2];
    const std::string prefix = argv[3];
    const int count = std::atoi(argv[4]);
    HandviaApi *api = handvia_get_api();
    for (int i = 0; i < count; ++i) {
        const std::string title = prefix + "-" + std::to_string(i);
        const std::string path = folder + "/" + title + ".m4r";
        if (FILE *file = std::fopen(path.c_str(), "wb")) {
            std::fputs(title.c_str(), file);
            std::fclose(file);
        }
        if (api->add_ringtone(0, path.c_str(), 1000) == 0 && api->commit(0) == 0)
            std::printf("%s\n", title.c_str());
        std::fflush(stdout);
    }
    return 0;
}
