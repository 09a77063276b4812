#include "document/text_transfer.h"

namespace tamsu {

Bytes TextToBytes(std::string_view text) { return Bytes(text.substr(0, text.find('\0'))); }

std::string BytesToText(std::string_view bytes) { return std::string(bytes.substr(0, bytes.find('\0'))); }

bool HasNulByte(std::string_view bytes) { return bytes.find('\0') != std::string_view::npos; }

}  // namespace tamsu
