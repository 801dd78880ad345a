#pragma once

#include <cstdint>
#include <string>

// The hive type and frame type dictionaries: the only writer of "type_housing" and "type_frame".
// The hive store follows what the file took.
class CHiveTypeHandler
{
public:
    // An add returns the new key or -1, a delete whether it was stored; type 0 is never removed.
    std::int32_t AddHousingType(const std::u16string& name);
    bool DeleteHousingType(std::int32_t idType);
    std::int32_t AddFrameType(const std::u16string& name);
    bool DeleteFrameType(std::int32_t idType);
};
