#ifndef SUGGESTCOMMAND_H
#define SUGGESTCOMMAND_H

struct CommandLine;

// `vardel --suggest FILE`: decodes the file as the window does, with the encoder beside the
// program, and prints the best stretches as "START END SCORE", best first. 0 when they were
// printed; 1 with one line on standard error when the file cannot be read. Needs a core
// application object but no display.
int runSuggestCommand(const CommandLine &command);

#endif
