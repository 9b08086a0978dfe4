#ifndef SERVECOMMAND_H
#define SERVECOMMAND_H

struct CommandLine;

// `vardel --serve FILE`: prints the page's address as the first line of standard output and a
// QR code of it below, then serves until SIGINT, SIGTERM or the minutes asked for, and returns
// 0. 1 when FILE cannot be served, 2 when the address or port is refused; either with one line
// on standard error. Needs no display.
int runServeCommand(const CommandLine &command);

#endif
