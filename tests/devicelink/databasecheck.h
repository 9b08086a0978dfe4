// Properties every database read must keep, whatever the bytes: shared by the seeded mutation
// test and the libFuzzer target.
#ifndef DATABASECHECK_H
#define DATABASECHECK_H

#include <cstdint>
#include <string>

// Empty when the bytes were read, listed, changed and written back soundly; else what broke.
std::string checkDatabaseBytes(const std::string &bytes, uint64_t seed);

#endif
