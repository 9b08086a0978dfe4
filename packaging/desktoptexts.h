#pragma once

#include <QtGlobal>

// The desktop entry's texts, here so that the translation tools keep them in the .ts files
// with the rest of the program's texts; the build writes the installed entry from those files.
[[maybe_unused]] static const char *const desktopEntryTexts[] = {
        QT_TRANSLATE_NOOP("DesktopEntry", "Vardel"),
        QT_TRANSLATE_NOOP("DesktopEntry", "Ringtone Maker"),
        QT_TRANSLATE_NOOP("DesktopEntry",
                          "Make iPhone ringtones from a stretch of any audio or video file"),
};
