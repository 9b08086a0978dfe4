// Properties of reading a database whatever its bytes: the form handed to the plist library
// keeps every object's place, and a database read is written back object for object.
#ifndef READERCHECK_H
#define READERCHECK_H

#include <string>

// Empty when the bytes were read and written back soundly; else what broke.
std::string checkReaderBytes(const std::string &bytes);

#endif
