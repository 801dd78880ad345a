#include "DirectoryListing.h"

#include "Text.h"

#include <algorithm>
#include <filesystem>

namespace {

bool MatchWildcards(std::u16string_view pattern, std::u16string_view name)
{
    // Greedy matching that returns to the last "*" on a mismatch.
    std::size_t p = 0, n = 0;
    std::size_t starPattern = std::u16string_view::npos, starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == u'*') {
            starPattern = p++;
            starName = n;
        } else if (p < pattern.size() && (pattern[p] == u'?' || FoldCase(pattern[p]) == FoldCase(name[n]))) {
            ++p;
            ++n;
        } else if (starPattern != std::u16string_view::npos) {
            p = starPattern + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}

bool NameOrder(const std::u16string& a, const std::u16string& b)
{
    const auto folded = [](char16_t x, char16_t y) { return FoldCase(x) < FoldCase(y); };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), folded))
        return true;
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), folded))
        return false;
    return a < b;
}

bool MatchesFilePattern(std::u16string_view pattern, std::u16string_view name)
{
    if (MatchWildcards(pattern, name))
        return true;
    return pattern.ends_with(u".*") && name.find(u'.') == std::u16string_view::npos
        && MatchWildcards(pattern.substr(0, pattern.size() - 2), name);
}

}

std::vector<std::u16string> ListDirectory(std::u16string_view pattern)
{
    const std::size_t separator = pattern.find_last_of(u"/\\");
    const std::u16string directory
        = separator == std::u16string_view::npos ? u"." : ReplaceAll(std::u16string(pattern.substr(0, separator)), u"\\", u"/");
    const std::u16string_view namePattern = separator == std::u16string_view::npos ? pattern : pattern.substr(separator + 1);

    std::vector<std::u16string> names;
    std::error_code error;
    std::filesystem::directory_iterator entry(ToPath(directory.empty() ? u"/" : directory), error);
    for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        std::u16string name = FromPath(entry->path().filename());
        if (MatchesFilePattern(namePattern, name))
            names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(), NameOrder);
    return names;
}
