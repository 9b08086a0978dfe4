#ifndef WEBLINKS_H
#define WEBLINKS_H

#include <QString>

// The maker's web addresses follow the interface language at each call.
QString siteUrl();
QString productPageUrl();
QString supportUrl();

// The compiled help file beside the executable.
QString helpFilePath();
// The same help as HTML pages in help/ beside the executable; opened in a browser.
QString helpIndexPath();
// The help page that names each library the program is built on and its licence.
QString licencesPagePath();

// The four-part version of the build, e.g. "1.0.0.0"; empty when the build names none.
QString productVersion();

#endif
