// Restarting a USB iPhone: it reads its ringtone list again only when it starts up.
#ifndef HANDVIA_RESTART_H
#define HANDVIA_RESTART_H

#include <string>

namespace handvia {

// Asks the phone through its diagnostics relay; it restarts once this side has hung up.
bool restartPhone(const std::string &udid);

} // namespace handvia

#endif
