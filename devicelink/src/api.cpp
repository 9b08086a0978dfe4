// The table of operations that the program calls, over one ringtone store.
#include "handvia.h"

#include "backend.h"
#include "events.h"
#include "store.h"
#include "text.h"
#include "waits.h"

#include <cstdlib>
#include <mutex>

namespace handvia {

namespace {

class Library
{
public:
    static Library &instance()
    {
        // Destroyed at exit, after the program's main returns: the event thread is joined
        // before anything it uses goes away.
        static Library library;
        return library;
    }

    ~Library()
    {
        m_events.stop();
        std::lock_guard<std::mutex> lock(m_mutex);
        setPolled(nullptr);
        m_backend.reset();
    }

    void prepare()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        ensureBackend();
    }

    void setCallback(handvia_event_callback callback)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        ensureBackend();
        m_events.setCallback(callback);
        if (callback)
            m_backend->announce();
    }

    // Runs op(store, storage); -1 when no phone is usable or device is not 0. An operation that
    // found the connection dead runs once more on a new one.
    template<typename Op>
    int withStore(int device, Op op)
    {
        if (device != 0)
            return -1;
        std::lock_guard<std::mutex> lock(m_mutex);
        ensureBackend();
        int result = -1;
        for (int attempt = 0; attempt < 2; ++attempt) {
            const std::shared_ptr<Storage> storage = m_backend->storage();
            if (!storage) {
                m_store.lose();
                return -1;
            }
            m_store.attach(*storage, m_backend->epoch(), m_backend->identity());
            result = op(m_store, *storage);
            if (result >= 0 || !storage->broken())
                break;
        }
        return result;
    }

    // Runs op(backend) for what concerns the phone rather than its ringtones.
    template<typename Op>
    int withBackend(int device, Op op)
    {
        if (device != 0)
            return -1;
        std::lock_guard<std::mutex> lock(m_mutex);
        ensureBackend();
        return op(*m_backend);
    }

private:
    Library()
    {
        m_events.start([this] { poll(); });
    }

    // Runs on the event thread, so it never waits for a table call busy with the phone.
    void poll()
    {
        std::shared_ptr<Backend> backend;
        {
            std::lock_guard<std::mutex> lock(m_pollMutex);
            backend = m_polled;
        }
        if (backend)
            backend->poll();
    }

    // Follows HANDVIA_ROOT, so a folder named after start-up is served from then on.
    void ensureBackend()
    {
        const char *env = std::getenv("HANDVIA_ROOT");
        const std::string root = env ? env : "";
        if (m_backend && root == m_root)
            return;
        m_store.lose();
        setPolled(nullptr);
        // What the old backend still had to say is about a phone no longer served.
        if (m_backend)
            m_backend->retire();
        m_events.discardPending();
        m_backend.reset();
        m_root = root;
        m_backend = root.empty() ? makeAfcBackend(m_events) : makeFolderBackend(root, m_events);
        setPolled(m_backend);
    }

    void setPolled(const std::shared_ptr<Backend> &backend)
    {
        std::lock_guard<std::mutex> lock(m_pollMutex);
        m_polled = backend;
    }

    std::mutex m_mutex;
    std::string m_root;
    std::shared_ptr<Backend> m_backend;
    std::mutex m_pollMutex;
    std::shared_ptr<Backend> m_polled; // the backend that the event thread polls
    RingtoneStore m_store;
    EventThread m_events;
};

std::string text(const char *value)
{
    return value ? value : "";
}

unsigned queryItunes(char *path, int size)
{
    copyToBuffer({}, path, size);
    return 0; // there is no iTunes on this platform
}

int setEventCallback(handvia_event_callback callback)
{
    Library::instance().setCallback(callback);
    return 0;
}

int commit(int device)
{
    return Library::instance().withStore(
            device, [](RingtoneStore &store, Storage &storage) { return store.commit(storage); });
}

int copyFromPhone(int device, const char *phonePath, const char *localPath)
{
    return Library::instance().withStore(device, [&](RingtoneStore &store, Storage &storage) {
        return store.copyFromPhone(storage, text(phonePath), text(localPath));
    });
}

int replaceOnPhone(int device, const char *phonePath, const char *localPath)
{
    return Library::instance().withStore(device, [&](RingtoneStore &store, Storage &storage) {
        return store.replaceOnPhone(storage, text(phonePath), text(localPath));
    });
}

int addRingtone(int device, const char *localPath, int lengthMs)
{
    return Library::instance().withStore(device, [&](RingtoneStore &store, Storage &storage) {
        return store.add(storage, text(localPath), lengthMs);
    });
}

int getRingtone(int device, int index, char *title, int titleSize, char *fileName, int nameSize)
{
    copyToBuffer({}, title, titleSize);
    copyToBuffer({}, fileName, nameSize);
    return Library::instance().withStore(device, [&](RingtoneStore &store, Storage &storage) {
        Ringtone tone;
        const int found = store.get(storage, index, tone);
        if (found < 0)
            return found;
        copyToBuffer(escapeTitle(tone.title), title, titleSize);
        copyToBuffer(tone.fileName, fileName, nameSize);
        return 0;
    });
}

int removeRingtone(int device, int index)
{
    return Library::instance().withStore(device, [&](RingtoneStore &store, Storage &storage) {
        return store.remove(storage, index);
    });
}

int renameRingtone(int device, int index, const char *title)
{
    return Library::instance().withStore(device, [&](RingtoneStore &store, Storage &storage) {
        return title ? store.rename(storage, index, title) : -1;
    });
}

int setRingtoneKind(int device, int index, int kind)
{
    if (kind != HANDVIA_KIND_RINGTONE && kind != HANDVIA_KIND_TONE)
        return -1;
    return Library::instance().withStore(device, [&](RingtoneStore &store, Storage &storage) {
        return store.setKind(storage, index, kind == HANDVIA_KIND_TONE);
    });
}

int getRingtoneKind(int device, int index)
{
    return Library::instance().withStore(device, [&](RingtoneStore &store, Storage &storage) {
        return store.kind(storage, index);
    });
}

int phoneState(int device, char *text, int textSize)
{
    std::string error;
    const int state = Library::instance().withBackend(
            device, [&](Backend &backend) { return backend.state(error); });
    copyToBuffer(error, text, textSize);
    return state;
}

int restartPhone(int device)
{
    return Library::instance().withBackend(device,
                                           [](Backend &backend) { return backend.restart(); });
}

int abandonWaits(int, int abandon)
{
    setWaitsAbandoned(abandon != 0);
    return 0;
}

int startNewDatabase(int device)
{
    return Library::instance().withStore(device, [](RingtoneStore &store, Storage &storage) {
        return store.startNewDatabase(storage);
    });
}

HandviaApi makeTable()
{
    HandviaApi api {};
    api.query_itunes = queryItunes;
    api.set_event_callback = setEventCallback;
    api.commit = commit;
    api.copy_from_phone = copyFromPhone;
    api.replace_on_phone = replaceOnPhone;
    api.add_ringtone = addRingtone;
    api.get_ringtone = getRingtone;
    api.remove_ringtone = removeRingtone;
    api.rename_ringtone = renameRingtone;
    api.set_ringtone_kind = setRingtoneKind;
    api.get_ringtone_kind = getRingtoneKind;
    api.restart_phone = restartPhone;
    api.phone_state = phoneState;
    api.abandon_waits = abandonWaits;
    api.start_new_database = startNewDatabase;
    return api;
}

HandviaApi table = makeTable();

} // namespace

} // namespace handvia

extern "C" HandviaApi *handvia_get_api(void)
{
    handvia::Library::instance().prepare();
    return &handvia::table;
}
