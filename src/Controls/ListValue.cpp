#include "ListValue.h"

#include "Text.h"

namespace {
std::u16string Escape(const std::u16string& text)
{
    std::u16string result;
    for (char16_t c : text) {
        if (c == u'\n') {
            result += u"\\n";
            continue;
        }
        if (c == u'\\' || c == u',' || c == u'|')
            result += u'\\';
        result += c;
    }
    return result;
}

// Splits at unescaped separators, keeping the escapes in the parts.
std::vector<std::u16string> Split(const std::u16string& text, char16_t separator)
{
    std::vector<std::u16string> parts(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 1 < text.size()) {
            parts.back() += text[i];
            parts.back() += text[++i];
        } else if (text[i] == separator) {
            parts.emplace_back();
        } else {
            parts.back() += text[i];
        }
    }
    return parts;
}

std::u16string Unescape(const std::u16string& text)
{
    std::u16string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\\' && i + 1 < text.size()) {
            ++i;
            result += text[i] == u'n' ? u'\n' : text[i];
        } else {
            result += text[i];
        }
    }
    return result;
}
}

ListValue ListValue::Parse(const std::u16string& text)
{
    ListValue value;
    const std::size_t lineEnd = text.find(u'\n');
    value.current = Unescape(text.substr(0, lineEnd));
    if (lineEnd == std::u16string::npos || lineEnd + 1 == text.size())
        return value;
    for (const std::u16string& itemText : Split(text.substr(lineEnd + 1), u',')) {
        const std::vector<std::u16string> fields = Split(itemText, u'|');
        Item item;
        item.name = Unescape(fields[0]);
        if (fields.size() > 1)
            item.number = WToI(fields[1]);
        if (fields.size() > 2)
            item.mark = Unescape(fields[2]);
        value.items.push_back(std::move(item));
    }
    return value;
}

std::u16string ListValue::ListString(const std::u16string& name, std::int32_t number)
{
    return Escape(name) + u"|" + IntToText(number);
}

ListValue::Item ListValue::ParseListString(const std::u16string& text)
{
    const std::vector<std::u16string> fields = Split(text, u'|');
    return { Unescape(fields[0]), fields.size() > 1 ? WToI(fields[1]) : 0, kMarkExist };
}

ListValue ListValue::FromListStrings(const std::vector<std::u16string>& listStrings)
{
    ListValue value;
    for (const std::u16string& text : listStrings)
        value.items.push_back(ParseListString(text));
    return value;
}

std::u16string ListValue::Format() const
{
    std::u16string text = Escape(current) + u"\n";
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            text += u',';
        text += Escape(items[i].name) + u"|" + IntToText(items[i].number) + u"|" + Escape(items[i].mark);
    }
    return text;
}

std::optional<std::size_t> ListValue::CurrentIndex() const
{
    if (current.empty())
        return std::nullopt;
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].name == current && items[i].mark != kMarkDelete)
            return i;
    return std::nullopt;
}

bool ListValue::HasMarked() const
{
    for (const Item& item : items)
        if (item.mark == kMarkAdd || item.mark == kMarkDelete)
            return true;
    return false;
}

void ListValue::Settle()
{
    std::erase_if(items, [](const Item& item) { return item.mark == kMarkDelete; });
    for (Item& item : items)
        if (item.mark == kMarkAdd)
            item.mark = kMarkExist;
}
