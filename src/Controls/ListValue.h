#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The value of a list control: the name of its current item on the first line, then the items.
// Items are separated by ",", an item's name, number and mark by "|"; a backslash escapes these
// characters (and itself, and a line break as "\n") inside names, so that any name round-trips.
struct ListValue
{
    struct Item
    {
        std::u16string name;
        std::int32_t number = 0;
        // "add", "delete" or "exist"; what they mean is the page's business.
        std::u16string mark;

        bool operator==(const Item&) const = default;
    };

    std::u16string current;
    std::vector<Item> items;

    static ListValue Parse(const std::u16string& text);
    // A "ListString" property: the escaped name, "|" and the number; and its reading.
    static std::u16string ListString(const std::u16string& name, std::int32_t number);
    static Item ParseListString(const std::u16string& text);
    // The value of a list of "ListString" properties, with nothing current and every item "exist".
    static ListValue FromListStrings(const std::vector<std::u16string>& listStrings);
    std::u16string Format() const;

    // The current item, when the first line names one.
    std::optional<std::size_t> CurrentIndex() const;
    bool HasMarked() const;
    // Removes the items marked "delete" and marks the added ones "exist".
    void Settle();

    bool operator==(const ListValue&) const = default;
};

inline constexpr char16_t kMarkAdd[] = u"add";
inline constexpr char16_t kMarkDelete[] = u"delete";
inline constexpr char16_t kMarkExist[] = u"exist";
