#include "status/address_line.h"

#include "status/address_text.h"

namespace tamsu {

void WriteAddressLine(App& app) {
    const std::vector<std::string> addresses = app.services.HostAddressList();
    const bool online = app.services.IsOnline();
    app.ui.SetText(ControlId::透明标签2, label_prop::Text, AddressLine(addresses, online));
}

}  // namespace tamsu
