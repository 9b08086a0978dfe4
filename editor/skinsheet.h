#ifndef SKINSHEET_H
#define SKINSHEET_H

#include <QString>

// The style sheet of a button drawn from the skin's pictures `<stem>_button.png`,
// `<stem>_hover.png` and the rest of its family, focus faces included.
QString skinButtonSheet(const QString &stem);

#endif
