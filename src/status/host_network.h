// The machine's addresses and dial-up state, as the real services read them.
#pragma once

#include <windows.h>
#include <ras.h>

#include <functional>
#include <string>
#include <vector>

struct hostent;

namespace tamsu {

// The IPv4 addresses of the local host name, dotted, in Windows' order, at
// most 10; empty when the name cannot be resolved. Sockets must be started.
std::vector<std::string> HostAddressList();
// The dotted addresses of a resolved host, at most the first 10.
std::vector<std::string> AddressesOf(const hostent& host);

// True when a remote-access (dial-up, PPPoE, VPN) connection is connected.
bool IsOnline();

// The two remote-access calls IsOnline makes, so that its rules can be
// followed with connections a test machine does not have.
struct RemoteAccessCalls {
    std::function<DWORD(RASCONNW* connections, DWORD* bytes, DWORD* count)> enumerateConnections;
    std::function<DWORD(HRASCONN connection, RASCONNSTATUSW* status)> connectionStatus;
};
bool IsOnline(const RemoteAccessCalls& calls);

}  // namespace tamsu
