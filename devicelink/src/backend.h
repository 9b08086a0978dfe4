// Where the phone comes from: a folder named by HANDVIA_ROOT, or a USB iPhone over AFC.
#ifndef HANDVIA_BACKEND_H
#define HANDVIA_BACKEND_H

#include "storage.h"

#include <cstdint>
#include <memory>
#include <string>

namespace handvia {

class EventThread;

extern const char connectEvent[];
extern const char disconnectEvent[];

class Backend
{
public:
    virtual ~Backend() = default;
    // The phone's storage, or null while no phone is usable.
    virtual std::shared_ptr<Storage> storage() = 0;
    // Changes on every connect and disconnect, so staged changes never cross a replug.
    virtual uint64_t epoch() = 0;
    // Tells one phone from another across connections: staged changes follow it.
    virtual std::string identity() = 0;
    // Posts "connect" again for a callback registered after the phone arrived.
    virtual void announce() = 0;
    virtual void poll() { }
    // What keeps the phone from being served: a HANDVIA_PHONE_* value; text for "other".
    virtual int state(std::string &text) = 0;
    // 0 once the phone has been asked to restart; a folder has no phone to restart.
    virtual int restart() { return -1; }
    // Replaced by another backend: reports nothing from now on.
    virtual void retire() = 0;
};

std::unique_ptr<Backend> makeFolderBackend(const std::string &root, EventThread &events);
std::unique_ptr<Backend> makeAfcBackend(EventThread &events);

} // namespace handvia

#endif
