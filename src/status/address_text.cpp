#include "status/address_text.h"

namespace tamsu {
namespace {

const std::string& AddressAt(const std::vector<std::string>& addresses, size_t index) {
    static const std::string kNone;
    return index < addresses.size() ? addresses[index] : kNone;
}

}  // namespace

std::string AddressLine(const std::vector<std::string>& addresses, bool online) {
    if (online)
        return "  本机外网IP是：" + AddressAt(addresses, 1) + "       本机内网IP是：" + AddressAt(addresses, 0);
    return "本机外网IP为空，原因是：你未连接上网。本机内网IP是：" + AddressAt(addresses, 0);
}

}  // namespace tamsu
