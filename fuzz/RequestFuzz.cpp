// Statements built from random texts, numbers, dates and nulls stay one statement, prepared as the
// database prepares them, and each value's literal reads back as the value.
#include "Calendar.h"
#include "FuzzInput.h"
#include "Request.h"
#include "Text.h"

#include <fuzzer/FuzzedDataProvider.h>
#include <sqlite3.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Connection
{
    sqlite3* handle = nullptr;
    Connection() { Require(sqlite3_open16(u":memory:", &handle) == SQLITE_OK); }
    ~Connection() { sqlite3_close(handle); }
};

struct Statement
{
    sqlite3_stmt* handle = nullptr;
    ~Statement() { sqlite3_finalize(handle); }
};

// A text as UTF-8 (quotes and letters come easily) or as raw UTF-16 units (any unit at all).
std::u16string ConsumeText(FuzzedDataProvider& input)
{
    const bool utf8 = input.ConsumeBool();
    const std::string bytes = input.ConsumeRandomLengthString(64);
    return utf8 ? FromUtf8(bytes) : Utf16Units(bytes);
}

// The text as SQLite can hold it: a NUL, a surrogate without its other half, U+FFFE and U+FFFF read
// back as U+FFFD.
std::u16string Stored(std::u16string text)
{
    const auto high = [&](std::size_t i) { return i < text.size() && text[i] >= 0xD800 && text[i] <= 0xDBFF; };
    const auto low = [&](std::size_t i) { return i < text.size() && text[i] >= 0xDC00 && text[i] <= 0xDFFF; };
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (high(i) && low(i + 1))
            ++i;
        else if (text[i] == 0 || high(i) || low(i) || text[i] >= 0xFFFE)
            text[i] = 0xFFFD;
    }
    return text;
}

std::u16string ColumnText(sqlite3_stmt* statement, int column)
{
    const auto* text = static_cast<const char16_t*>(sqlite3_column_text16(statement, column));
    const auto size = static_cast<std::size_t>(sqlite3_column_bytes16(statement, column)) / 2;
    return text ? std::u16string(text, size) : std::u16string();
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const Connection connection;
    FuzzedDataProvider input(data, size);

    // A literal "\?" first, then one mark per value, as the tables write their statements.
    const int marks = input.ConsumeIntegralInRange(1, 4);
    std::u16string text = u"SELECT '\\?'";
    for (int k = 0; k < marks; ++k)
        text += u", ?";
    CRequest request(text);

    // Now and then the last value goes to an ordinal that has no mark, leaving one mark without.
    const bool misnumbered = input.ConsumeIntegralInRange(0, 7) == 0;

    // The text each column must read back as; none for a null.
    std::vector<std::optional<std::u16string>> expected;
    for (int k = 0; k < marks; ++k) {
        if (misnumbered && k == marks - 1) {
            request.BindInt(marks + input.ConsumeIntegralInRange(0, 3), 0);
            break;
        }
        switch (input.ConsumeIntegralInRange(0, 3)) {
        case 0: {
            const std::u16string value = ConsumeText(input);
            request.BindText(k, value);
            expected.emplace_back(Stored(value));
            break;
        }
        case 1: {
            const auto value = input.ConsumeIntegral<std::int32_t>();
            request.BindInt(k, value);
            expected.emplace_back(IntToText(value));
            break;
        }
        case 2: {
            const auto value = input.ConsumeIntegral<std::int64_t>();
            request.BindDate(k, value);
            expected.emplace_back(FormatStoredDate(value));
            break;
        }
        default:
            request.BindNull(k);
            expected.emplace_back();
            break;
        }
    }

    const std::u16string built = request.Build();
    if (misnumbered) {
        Require(built == text);
        return 0;
    }
    Statement statement;
    const void* tail = nullptr;
    Require(sqlite3_prepare16_v2(connection.handle, built.data(), static_cast<int>(built.size() * 2),
                &statement.handle, &tail) == SQLITE_OK);
    Require(statement.handle && tail == built.data() + built.size());
    Require(sqlite3_column_count(statement.handle) == marks + 1);
    Require(sqlite3_step(statement.handle) == SQLITE_ROW);
    Require(ColumnText(statement.handle, 0) == u"?");
    for (int k = 0; k < marks; ++k) {
        const int column = k + 1;
        if (!expected[k]) {
            Require(sqlite3_column_type(statement.handle, column) == SQLITE_NULL);
            continue;
        }
        Require(sqlite3_column_type(statement.handle, column) != SQLITE_NULL);
        Require(ColumnText(statement.handle, column) == *expected[k]);
    }
    Require(sqlite3_step(statement.handle) == SQLITE_DONE);
    return 0;
}
