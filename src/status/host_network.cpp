#include <winsock2.h>

#include "status/host_network.h"

#include <algorithm>
#include <cstring>

namespace tamsu {
namespace {

constexpr size_t kMaxAddresses = 10;
constexpr DWORD kConnectionRecords = 38;

}  // namespace

std::vector<std::string> AddressesOf(const hostent& host) {
    std::vector<std::string> addresses;
    if (host.h_addrtype != AF_INET || host.h_length != sizeof(in_addr) || !host.h_addr_list) return addresses;
    for (size_t i = 0; i < kMaxAddresses && host.h_addr_list[i]; ++i) {
        in_addr address;
        std::memcpy(&address, host.h_addr_list[i], sizeof address);
        if (const char* dotted = inet_ntoa(address)) addresses.emplace_back(dotted);
    }
    return addresses;
}

std::vector<std::string> HostAddressList() {
    char name[256] = {};
    if (gethostname(name, sizeof name) == SOCKET_ERROR) return {};
    const hostent* host = gethostbyname(name);
    if (!host) return {};
    return AddressesOf(*host);
}

bool IsOnline(const RemoteAccessCalls& calls) {
    std::vector<RASCONNW> connections(kConnectionRecords);
    connections[0].dwSize = sizeof(RASCONNW);
    DWORD bytes = static_cast<DWORD>(connections.size() * sizeof(RASCONNW));
    DWORD count = 0;
    // More connections than fit is a failure too: then nothing is known.
    if (calls.enumerateConnections(connections.data(), &bytes, &count) != ERROR_SUCCESS) return false;
    const DWORD listed = std::min(count, kConnectionRecords);
    for (DWORD i = 0; i < listed; ++i) {
        RASCONNSTATUSW status{};
        status.dwSize = sizeof status;
        if (calls.connectionStatus(connections[i].hrasconn, &status) == ERROR_SUCCESS &&
            status.rasconnstate == RASCS_Connected)
            return true;
    }
    return false;
}

bool IsOnline() {
    const RemoteAccessCalls calls{
        [](RASCONNW* connections, DWORD* bytes, DWORD* count) { return RasEnumConnectionsW(connections, bytes, count); },
        [](HRASCONN connection, RASCONNSTATUSW* status) { return RasGetConnectStatusW(connection, status); },
    };
    return IsOnline(calls);
}

}  // namespace tamsu
