#include "translator.h"

QTranslator *g_translator = nullptr;
