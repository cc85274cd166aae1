#pragma once
// Zero-padded text fields of the records.

#include <cstddef>
#include <string>
#include <string_view>

namespace velt {

/// Zero-fills `slots` bytes and copies at most `maxChars` UTF-8 characters of `text`,
/// never splitting a character and always leaving a terminating zero.
void copyText(char* destination, std::size_t slots, std::string_view text, std::size_t maxChars);

/// The text of a zero-terminated field (up to its first zero or its end).
std::string textOf(const char* field, std::size_t slots);

/// Number of UTF-8 characters in `text`.
std::size_t utf8Length(std::string_view text);

/// The first `maxChars` UTF-8 characters of `text`.
std::string utf8Prefix(std::string_view text, std::size_t maxChars);

} // namespace velt
