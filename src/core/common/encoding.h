// Windows-1252 <-> UTF-8. Files are single-byte Windows-1252; the program works in UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace ruvivavu {

std::string cp1252ToUtf8(std::string_view bytes);
// Characters Windows-1252 cannot hold become "?".
std::string utf8ToCp1252(std::string_view text);

}  // namespace ruvivavu
