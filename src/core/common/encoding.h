// Windows-1252 <-> UTF-8. Files are single-byte Windows-1252; the program works in UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace ruvivavu {

std::string cp1252ToUtf8(std::string_view bytes);
// Characters Windows-1252 cannot hold become "?".
std::string utf8ToCp1252(std::string_view text);

// Whether the bytes are well-formed UTF-8 (no overlong forms, no surrogates).
bool isValidUtf8(std::string_view bytes);

// Text from a file that may be either: UTF-8 (a leading byte-order mark dropped) when the bytes
// are valid UTF-8, otherwise Windows-1252 (what spreadsheets write in Brazil).
std::string utf8OrCp1252(std::string_view bytes);

}  // namespace ruvivavu
