#pragma once
// Text helpers. Texts are UTF-8; lengths and positions count characters
// (code points), never split a multi-byte sequence, and are safe past the end.
#include <string>
#include <string_view>
#include <vector>

namespace jd {

int textLength(std::string_view s);

}  // namespace jd
