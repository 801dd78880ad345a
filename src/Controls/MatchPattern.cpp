#include "MatchPattern.h"

#include "Text.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <memory>

namespace {

struct CodeFree
{
    void operator()(pcre2_code* code) const { pcre2_code_free(code); }
};

struct MatchDataFree
{
    void operator()(pcre2_match_data* data) const { pcre2_match_data_free(data); }
};

} // namespace

bool MatchPattern(const std::u16string& pattern, const std::u16string& text)
{
    if (text.empty())
        return false;
    const std::string pattern8 = ToUtf8(pattern);
    const std::string text8 = ToUtf8(text);

    int error = 0;
    PCRE2_SIZE errorOffset = 0;
    const std::unique_ptr<pcre2_code, CodeFree> code(pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern8.data()),
        pattern8.size(), PCRE2_UTF, &error, &errorOffset, nullptr));
    if (!code)
        return false;
    // Room for every group, so that a pattern with groups still reports where its match lies.
    const std::unique_ptr<pcre2_match_data, MatchDataFree> match(pcre2_match_data_create_from_pattern(code.get(), nullptr));
    if (!match)
        return false;
    const int found = pcre2_match(code.get(), reinterpret_cast<PCRE2_SPTR>(text8.data()), text8.size(), 0, 0,
        match.get(), nullptr);
    if (found <= 0)
        return false;
    const PCRE2_SIZE* offsets = pcre2_get_ovector_pointer(match.get());
    return offsets[0] == 0 && offsets[1] == text8.size();
}
