// Text rules of the device library: UTF-8 repair, safe truncation, names the store accepts.
#ifndef HANDVIA_TEXT_H
#define HANDVIA_TEXT_H

#include <string>

namespace handvia {

// Replaces every byte that does not start a well-formed UTF-8 sequence, and NUL, by U+FFFD.
std::string repairUtf8(const std::string &text);

bool isValidUtf8(const std::string &text);

// Copies at most size - 1 bytes of valid UTF-8 text, never splitting a character; always
// terminates when size > 0.
void copyToBuffer(const std::string &text, char *buffer, int size);

// A ringtone file name: one path component, valid UTF-8, no control characters.
bool isSafeFileName(const std::string &name);

// The program's side of the table carries "<" and ">" as "&lt;" and "&gt;"; the phone shows
// a title exactly as stored, so titles are stored plain and escaped only at the table.
std::string escapeTitle(const std::string &title);
std::string unescapeTitle(const std::string &title);

// "dir/Song.m4a" -> "Song"; a name without extension stays whole.
std::string baseTitle(const std::string &path);

} // namespace handvia

#endif
