// Every reader of dates and numbers typed or stored as text: the stored-date reader, the integer
// and decimal readers, and the validators made from control properties.
//
// The input is UTF-8, or UTF-16LE after the bytes FF FE. Its first line is the text read; the rest
// is the rule of the validators ("minimum maximum" or a mask). Its first eight bytes also give a
// time to write as a stored date.
#include "Calendar.h"
#include "FuzzInput.h"
#include "MakeValidator.h"
#include "Text.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

// Whatever the text, the value read writes back to a text that reads as the same value.
void CheckNumbers(const std::u16string& text)
{
    const std::int32_t integer = WToI(text);
    Require(WToI(IntToText(integer)) == integer);

    const double decimal = WToF(text);
    if (std::isfinite(decimal)) {
        char buffer[64];
        const auto written = std::to_chars(buffer, buffer + sizeof buffer, decimal);
        Require(written.ec == std::errc());
        const double back = WToF(ToWide(std::string_view(buffer, written.ptr - buffer)));
        Require(std::memcmp(&back, &decimal, sizeof decimal) == 0);
    }
}

// A time written in the stored form reads back as the start of its local day, which is at most 25
// hours long.
void CheckStoredDate(std::int64_t time)
{
    const std::u16string text = FormatStoredDate(time);
    if (text.size() != 19)
        return;
    const std::int64_t midnight = ParseDateText(text);
    Require(time >= midnight && time - midnight < 86400 + 3600);
    Require(FormatStoredDate(midnight).substr(0, 10) == text.substr(0, 10));
}

void CheckDates(const std::u16string& text)
{
    const std::int64_t date = ParseDateText(text);
    if (date != 0)
        CheckStoredDate(date);
}

// Finished input is held to more than input still being typed, and a mask takes any start of
// what it takes, itself included.
void CheckValidators(const std::u16string& text, const std::u16string& rule)
{
    const auto range = MakeValidator(u"ValueValid", rule);
    Require(range && range->GetRule() == rule);
    Require(!range->Check(text, false) || range->Check(text, true));

    const auto mask = MakeValidator(u"SymbolValid", rule);
    Require(mask && mask->GetRule() == rule);
    Require(mask->Check(rule, false));
    if (mask->Check(text, false)) {
        Require(mask->Check(text.substr(0, text.size() / 2), true));
        Require(mask->Check(std::u16string(), true));
    }
    Require(MakeValidator(u"valuevalid", rule) == nullptr);
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto [text, rule] = SplitFirstLine(DecodeInput(data, size));

    CheckNumbers(text);
    CheckNumbers(rule);
    CheckDates(text);
    CheckDates(rule);
    CheckValidators(text, rule);
    if (size >= sizeof(std::int64_t)) {
        std::int64_t time = 0;
        std::memcpy(&time, data, sizeof time);
        CheckStoredDate(time);
    }
    return 0;
}
