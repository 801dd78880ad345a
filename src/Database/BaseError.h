#pragma once

#include <cstdint>
#include <string>

struct CBaseError
{
    std::u16string file;
    std::u16string message;
    std::u16string function;
    std::int32_t line = 0;
};

// Raised inside the connection for a failing statement; the message is SQLite's own text.
struct CSQLiteError : CBaseError
{
    // SQLite's extended result code.
    int code = 0;
};
