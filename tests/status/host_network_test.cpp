#include <gtest/gtest.h>

#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>
#include <raserror.h>

#include <algorithm>
#include <array>

#include "status/host_network.h"

namespace tamsu::test {
namespace {

// A resolved host with n addresses 10.0.0.1, 10.0.0.2, ...
struct FakeHost {
    explicit FakeHost(int n) : bytes(static_cast<size_t>(n)) {
        for (int i = 0; i < n; ++i) {
            bytes[static_cast<size_t>(i)] = {10, 0, 0, static_cast<unsigned char>(i + 1)};
            pointers.push_back(reinterpret_cast<char*>(bytes[static_cast<size_t>(i)].data()));
        }
        pointers.push_back(nullptr);
        host.h_addrtype = AF_INET;
        host.h_length = 4;
        host.h_addr_list = pointers.data();
    }
    std::vector<std::array<unsigned char, 4>> bytes;
    std::vector<char*> pointers;
    hostent host{};
};

TEST(HostAddressList, DottedAddressesInOrderAtMostTen) {
    EXPECT_TRUE(AddressesOf(FakeHost(0).host).empty());
    EXPECT_EQ(AddressesOf(FakeHost(2).host), (std::vector<std::string>{"10.0.0.1", "10.0.0.2"}));
    const std::vector<std::string> many = AddressesOf(FakeHost(12).host);
    ASSERT_EQ(many.size(), 10u);
    EXPECT_EQ(many.front(), "10.0.0.1");
    EXPECT_EQ(many.back(), "10.0.0.10");
    // An address that is not four bytes is not read as one.
    FakeHost wide(2);
    wide.host.h_length = 16;
    EXPECT_TRUE(AddressesOf(wide.host).empty());
}

TEST(HostAddressList, TheMachinesOwnIPv4Addresses) {
    // Windows resolves its own host name to the addresses of its adapters.
    ULONG size = 0;
    GetIpAddrTable(nullptr, &size, FALSE);
    std::vector<char> buffer(size);
    auto* table = reinterpret_cast<MIB_IPADDRTABLE*>(buffer.data());
    ASSERT_EQ(GetIpAddrTable(table, &size, FALSE), static_cast<DWORD>(NO_ERROR));
    std::vector<std::string> own;
    for (DWORD i = 0; i < table->dwNumEntries; ++i) {
        in_addr a{};
        a.s_addr = table->table[i].dwAddr;
        own.push_back(inet_ntoa(a));
    }
    const std::vector<std::string> addresses = HostAddressList();
    ASSERT_FALSE(addresses.empty());
    EXPECT_LE(addresses.size(), 10u);
    for (const std::string& a : addresses)
        EXPECT_NE(std::find(own.begin(), own.end(), a), own.end()) << a;
}

// A scripted Remote Access: the connections and the state of each.
struct RasScript {
    DWORD enumResult = ERROR_SUCCESS;
    std::vector<DWORD> statusResults;
    std::vector<RASCONNSTATE> states;
    DWORD sizeSeen = 0, bytesSeen = 0;
    std::vector<HRASCONN> asked;

    RemoteAccessCalls Calls() {
        return {
            [this](RASCONNW* c, DWORD* bytes, DWORD* count) {
                sizeSeen = c[0].dwSize;
                bytesSeen = *bytes;
                *count = static_cast<DWORD>(states.size());
                if (enumResult != ERROR_SUCCESS) return enumResult;
                const size_t fits = *bytes / sizeof(RASCONNW);
                for (size_t i = 0; i < states.size() && i < fits; ++i) c[i].hrasconn = reinterpret_cast<HRASCONN>(i + 1);
                return DWORD{ERROR_SUCCESS};
            },
            [this](HRASCONN h, RASCONNSTATUSW* s) {
                asked.push_back(h);
                EXPECT_EQ(s->dwSize, sizeof(RASCONNSTATUSW));
                const size_t i = reinterpret_cast<size_t>(h) - 1;
                s->rasconnstate = states[i];
                return statusResults.empty() ? DWORD{ERROR_SUCCESS} : statusResults[i];
            },
        };
    }
};

TEST(IsOnline, TheFirstConnectedRemoteAccessConnectionCounts) {
    const DWORD kFailed = ERROR_INVALID_HANDLE;
    const struct {
        const char* name;
        DWORD enumResult;
        std::vector<RASCONNSTATE> states;
        std::vector<DWORD> statusResults;
        bool online;
        size_t asked;
    } cases[] = {
        {"no connections", ERROR_SUCCESS, {}, {}, false, 0},
        {"one connected", ERROR_SUCCESS, {RASCS_Connected}, {}, true, 1},
        {"none connected", ERROR_SUCCESS, {RASCS_OpenPort, RASCS_Disconnected}, {}, false, 2},
        {"second connected", ERROR_SUCCESS, {RASCS_Authenticate, RASCS_Connected, RASCS_Connected}, {}, true, 2},
        {"status fails", ERROR_SUCCESS, {RASCS_Connected, RASCS_Connected}, {kFailed, ERROR_SUCCESS}, true, 2},
        {"every status fails", ERROR_SUCCESS, {RASCS_Connected}, {kFailed}, false, 1},
        {"enumeration fails", ERROR_BUFFER_TOO_SMALL, {RASCS_Connected}, {}, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RasScript ras;
        ras.enumResult = c.enumResult;
        ras.states = c.states;
        ras.statusResults = c.statusResults;
        EXPECT_EQ(IsOnline(ras.Calls()), c.online);
        EXPECT_EQ(ras.asked.size(), c.asked);
        EXPECT_EQ(ras.sizeSeen, sizeof(RASCONNW));
        EXPECT_EQ(ras.bytesSeen, 38 * sizeof(RASCONNW));
    }
}

TEST(IsOnline, ACountBeyondTheBufferIsNotReadPast) {
    RasScript ras;
    ras.states.assign(40, RASCS_Disconnected);  // claims 40, fills the 38 that fit
    EXPECT_FALSE(IsOnline(ras.Calls()));
    EXPECT_EQ(ras.asked.size(), 38u);
}

TEST(IsOnline, AMachineWithoutRemoteAccessConnectionsIsNotOnline) {
    // The test machine reaches the network, if at all, through an adapter.
    EXPECT_FALSE(IsOnline());
}

}  // namespace
}  // namespace tamsu::test
