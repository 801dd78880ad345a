#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// How a settings page describes one control of its form.
struct ControlDescription
{
    std::u16string type;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t style = 0;
    std::u16string caption;
    std::u16string name;
};

// A key may occur several times in a control's list (one "ComboString" per choice, ...).
using ControlProperty = std::pair<std::u16string, std::u16string>;
using ControlProperties = std::vector<ControlProperty>;

// What a page hands out to build one control: its description, current value and properties.
struct ControlEntry
{
    ControlDescription description;
    std::u16string value;
    ControlProperties properties;
};
