#include "tools/shell_texts.h"

namespace tamsu {
namespace {

// ExitWindowsEx flags.
constexpr uint32_t kExitShutdown = 1;
constexpr uint32_t kExitReboot = 2;
constexpr uint32_t kExitForce = 4;
constexpr uint32_t kExitPowerOff = 8;

}  // namespace

std::string QQChatLink(const std::string& document) { return kQQChatPrefix + document; }

const char* ShellVerbText(int verb) {
    static const char* const kVerbs[] = {"edit", "explore", "find", "open", "print"};
    if (verb < 1 || verb > 5) return nullptr;
    return kVerbs[verb - 1];
}

std::optional<uint32_t> ShutdownFlags(int kind, bool force, bool ntFamily) {
    uint32_t flags;
    switch (kind) {
        case kShutDown: flags = ntFamily ? kExitPowerOff : kExitShutdown; break;
        case kRestart: flags = kExitReboot; break;
        default: return std::nullopt;
    }
    if (force) flags |= kExitForce;
    return flags;
}

}  // namespace tamsu
