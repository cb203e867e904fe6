#pragma once
// Whether bytes are a well-formed XML document, for the tests of every XML the program writes
// and for the fuzz targets of the readers whose data reaches an export. Nothing outside the
// bytes is read: no network, no DTD, no external entity.
#include <string>
#include <string_view>

namespace kalvora {

// True when the bytes parse as a well-formed document; otherwise fehler (when given) gets
// the parser's message with its line.
bool XmlWohlgeformt(std::string_view bytes, std::string* fehler = nullptr);

}  // namespace kalvora
