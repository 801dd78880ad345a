#pragma once

#include "Text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

// A broken property aborts, which libFuzzer reports as a crash and keeps the input of.
inline void Require(bool condition)
{
    if (!condition)
        std::abort();
}

// UTF-16 units from byte pairs, low byte first: any unit at all, lone surrogates included.
inline std::u16string Utf16Units(std::string_view bytes)
{
    std::u16string text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8);
    return text;
}

// The input as text: UTF-8, so that seeds stay readable, or UTF-16LE after the bytes FF FE.
inline std::u16string DecodeInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    return bytes.starts_with("\xFF\xFE") ? Utf16Units(bytes.substr(2)) : FromUtf8(bytes);
}

// The first line and the rest after its line feed (empty when there is none).
inline std::pair<std::u16string, std::u16string> SplitFirstLine(const std::u16string& text)
{
    const std::size_t end = text.find(u'\n');
    if (end == std::u16string::npos)
        return { text, std::u16string() };
    return { text.substr(0, end), text.substr(end + 1) };
}
