// The plist library reads some XML values other than their text says (integers beyond 64 bits
// saturate, a leading zero makes octal, an invalid date becomes some other date), and the binary
// form cannot hold others at all. Such values are found on the raw text.
#ifndef HANDVIA_XMLVALUES_H
#define HANDVIA_XMLVALUES_H

#include <string>

namespace handvia {

// True when every integer, real, date and data value of the XML form is read exactly as its
// text says and fits the binary form.
bool xmlValuesReadExactly(const std::string &bytes);

} // namespace handvia

#endif
