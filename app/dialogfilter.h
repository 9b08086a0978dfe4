#ifndef DIALOGFILTER_H
#define DIALOGFILTER_H

#include <QString>

// Qt's dialogs on this platform split the patterns of a filter on spaces: ';' between
// patterns inside the parentheses becomes a space, the visible name stays.
QString dialogFilter(const QString &filter);

// The main window's open filter, ready for the dialog: all supported formats (selected
// first), video, audio, then all files, under the four translated names given.
QString openFileFilter(const QString &allFiles,
                       const QString &allSupported,
                       const QString &video,
                       const QString &audio);

#endif
