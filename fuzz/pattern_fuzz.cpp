// Exclusion patterns and names as any bytes: the input is a pattern, a NUL and a name (without a
// NUL, the input is both). Nothing may crash or overrun, an invalid pattern must match every name,
// and where pattern and name use only letters and the marks that ECMAScript reads alike, the
// answer must be std::regex's.
#include "engine/ExclusionPattern.h"

#include <cstddef>
#include <cstdint>
#include <regex>
#include <string>
#include <string_view>

namespace {

// Patterns of "^" at the start, "$" at the end, and "a", "b", ".", "*", "+", "?" between mean the
// same to both, and names of "a" and "b" have no double-byte characters. The name is kept short:
// std::regex backtracks, and the point is to compare answers, not to time std::regex.
bool SharesMeaningWithEcmaScript(std::string_view pattern, std::string_view name) {
    if (name.size() > 12)
        return false;
    if (!pattern.empty() && pattern.front() == '^')
        pattern.remove_prefix(1);
    if (!pattern.empty() && pattern.back() == '$')
        pattern.remove_suffix(1);
    return pattern.find_first_not_of("ab.*+?") == std::string_view::npos &&
           name.find_first_not_of("ab") == std::string_view::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t nul = bytes.find('\0');
    const std::string_view patternText =
        nul == std::string_view::npos ? bytes : bytes.substr(0, nul);
    const std::string_view name = nul == std::string_view::npos ? bytes : bytes.substr(nul + 1);

    const swh::ExclusionPattern pattern(patternText);
    const bool found = pattern.Search(name);
    if (!pattern.IsValid() && !found)
        __builtin_trap(); // an invalid pattern keeps every file

    if (pattern.IsValid() && SharesMeaningWithEcmaScript(patternText, name)) {
        const std::regex reference{std::string(patternText)};
        if (std::regex_search(std::string(name), reference) != found)
            __builtin_trap();
    }

    // The whole text as an exclusions list, against the name and against a path's bare name.
    static_cast<void>(swh::IsExcludedName(name, patternText));
    static_cast<void>(swh::IsExcludedName(swh::BareName(name), bytes));
    return 0;
}
