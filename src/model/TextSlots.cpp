#include "model/TextSlots.h"

#include <cstring>

namespace velt {
namespace {

bool isContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Byte length of the first `maxChars` characters, cut back to fit `maxBytes`.
std::size_t prefixBytes(std::string_view text, std::size_t maxChars, std::size_t maxBytes) {
    std::size_t bytes = 0;
    std::size_t chars = 0;
    while (bytes < text.size() && chars < maxChars) {
        std::size_t next = bytes + 1;
        while (next < text.size() && isContinuation(text[next])) {
            ++next;
        }
        if (next > maxBytes) {
            break;
        }
        bytes = next;
        ++chars;
    }
    return bytes;
}

} // namespace

void copyText(char* destination, std::size_t slots, std::string_view text, std::size_t maxChars) {
    std::memset(destination, 0, slots);
    if (slots == 0) {
        return;
    }
    const std::size_t n = prefixBytes(text, maxChars, slots - 1);
    std::memcpy(destination, text.data(), n);
}

std::string textOf(const char* field, std::size_t slots) {
    const void* end = std::memchr(field, 0, slots);
    const std::size_t n = end ? static_cast<const char*>(end) - field : slots;
    return std::string(field, n);
}

std::size_t utf8Length(std::string_view text) {
    std::size_t n = 0;
    for (const char c : text) {
        n += isContinuation(c) ? 0 : 1;
    }
    return n;
}

std::string utf8Prefix(std::string_view text, std::size_t maxChars) {
    return std::string(text.substr(0, prefixBytes(text, maxChars, text.size())));
}

} // namespace velt
