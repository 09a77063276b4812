// What the shell operations and the Functions menu hand to Windows, as data.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tamsu {

// tencent://message/?uin= : the QQ messenger's link to chat with a number.
constexpr char kQQChatPrefix[] = "tencent://message/?uin=";

// The prefix followed by the whole document, unchanged.
std::string QQChatLink(const std::string& document);

// The ShellVerb numbers 1-5: "edit", "explore", "find", "open", "print";
// any other number has no verb (nullptr), the file type's default action.
const char* ShellVerbText(int verb);

enum ShutdownKind { kShutDown = 1, kRestart = 2 };

// The ExitWindowsEx flags for a ShutdownKind: shut down powers off on the NT
// family and only shuts down elsewhere, restart reboots, force ends programs
// without asking. No flags for any other kind: it asks for nothing.
std::optional<uint32_t> ShutdownFlags(int kind, bool force, bool ntFamily);

}  // namespace tamsu
