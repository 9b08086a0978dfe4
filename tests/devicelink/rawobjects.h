// The objects of a binary plist as its bytes hold them, walked from the root without the plist
// library: for the checks of what a rewrite keeps as read.
#ifndef RAWOBJECTS_H
#define RAWOBJECTS_H

#include <map>
#include <string>

// Path -> the bytes of each leaf, or the kind of each container. A path step is the position
// of an item; a dictionary's key is a leaf of its own under the item's path ("/2/key"). False
// when the bytes cannot be walked or hold more than limit paths.
bool rawObjects(const std::string &bytes, size_t limit, std::map<std::string, std::string> &out);

#endif
