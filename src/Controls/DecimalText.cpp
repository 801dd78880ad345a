#include "DecimalText.h"

#include <charconv>
#include <cwctype>
#include <limits>
#include <string>

double LeadingDecimal(std::u16string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && std::iswspace(static_cast<std::wint_t>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    // from_chars takes no sign of its own and only ASCII, so hand it the ASCII run that follows.
    std::string ascii;
    for (; i < text.size() && text[i] < 0x80 && text[i] != u'+' && text[i] != u'-'; ++i) {
        ascii += static_cast<char>(text[i]);
        const char last = ascii.back();
        if ((last == 'e' || last == 'E') && i + 1 < text.size() && (text[i + 1] == u'+' || text[i + 1] == u'-')) {
            ascii += static_cast<char>(text[++i]);
        }
    }
    double value = 0.0;
    const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value, std::chars_format::general);
    if (result.ec == std::errc::invalid_argument)
        return 0.0;
    if (result.ec == std::errc::result_out_of_range) {
        // Too large reads as infinity and too small as zero, as the C library's reader does.
        const std::string_view read(ascii.data(), static_cast<std::size_t>(result.ptr - ascii.data()));
        const bool tiny = read.find("e-") != std::string_view::npos || read.find("E-") != std::string_view::npos;
        value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return negative ? -value : value;
}
