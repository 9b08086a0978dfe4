// Walking a dictionary of the plist library in its order, which is the order read or inserted.
#ifndef HANDVIA_PLISTDICT_H
#define HANDVIA_PLISTDICT_H

#include <cstdlib>
#include <plist/plist.h>
#include <string>

namespace handvia {

// visit(key, value) for each item until it returns false.
template<typename Visit>
void forEachEntry(plist_t dict, Visit visit)
{
    if (!dict)
        return;
    plist_dict_iter iter = nullptr;
    plist_dict_new_iter(dict, &iter);
    if (!iter)
        return;
    for (;;) {
        char *key = nullptr;
        plist_t value = nullptr;
        plist_dict_next_item(dict, iter, &key, &value);
        if (!key)
            break;
        const std::string name = key;
        std::free(key);
        if (!visit(name, value))
            break;
    }
    std::free(iter);
}

} // namespace handvia

#endif
