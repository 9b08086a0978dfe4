#include "restart.h"

#include "clientlabel.h"

#include <libimobiledevice/diagnostics_relay.h>
#include <libimobiledevice/libimobiledevice.h>

namespace handvia {

bool restartPhone(const std::string &udid)
{
    idevice_t device = nullptr;
    if (idevice_new_with_options(&device, udid.c_str(), IDEVICE_LOOKUP_USBMUX) != IDEVICE_E_SUCCESS)
        return false;
    diagnostics_relay_client_t relay = nullptr;
    bool asked = false;
    if (diagnostics_relay_client_start_service(device, &relay, clientLabel)
        == DIAGNOSTICS_RELAY_E_SUCCESS) {
        // Without waiting for the hang-up the phone may go before it has answered.
        asked = diagnostics_relay_restart(relay, DIAGNOSTICS_RELAY_ACTION_FLAG_WAIT_FOR_DISCONNECT)
                == DIAGNOSTICS_RELAY_E_SUCCESS;
        diagnostics_relay_goodbye(relay);
        diagnostics_relay_client_free(relay);
    }
    idevice_free(device);
    return asked;
}

} // namespace handvia
