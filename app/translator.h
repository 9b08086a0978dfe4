#ifndef TRANSLATOR_H
#define TRANSLATOR_H

class QTranslator;

// The program's single translator, installed at start-up; the language manager
// loads the chosen language into it.
extern QTranslator *g_translator;

#endif
