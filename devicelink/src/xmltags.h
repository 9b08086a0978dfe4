// The tags of the XML form as the plist library finds them, for checks on the raw text.
#ifndef HANDVIA_XMLTAGS_H
#define HANDVIA_XMLTAGS_H

#include <cstring>
#include <string>

namespace handvia {

inline bool startsWithAt(const std::string &bytes, size_t at, const char *prefix)
{
    return bytes.compare(at, std::strlen(prefix), prefix) == 0;
}

// visit(at, close) for each element tag, '<' at at and its '>' at close, until it returns false.
// Comments, processing instructions, declarations and character data sections are skipped as
// the parser skips them; an unterminated one ends the walk, as it ends parsing.
template<typename Visit>
void forEachXmlTag(const std::string &bytes, Visit visit)
{
    for (size_t at = bytes.find('<'); at != std::string::npos; at = bytes.find('<', at + 1)) {
        const char *end = ">";
        if (startsWithAt(bytes, at, "<!--"))
            end = "-->";
        else if (startsWithAt(bytes, at, "<![CDATA["))
            end = "]]>";
        else if (startsWithAt(bytes, at, "<?"))
            end = "?>";
        const size_t close = bytes.find(end, at + 1);
        if (close == std::string::npos)
            return;
        const bool skipped = std::strcmp(end, ">") != 0 || startsWithAt(bytes, at, "<!");
        if (!skipped && !visit(at, close))
            return;
        at = close;
    }
}

} // namespace handvia

#endif
