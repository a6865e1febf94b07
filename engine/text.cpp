// SPDX-License-Identifier: GPL-3.0-or-later
#include "text.h"

#include <charconv>
#include <cmath>

namespace engine::text {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

} // namespace

std::string trim(std::string_view text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return std::string(text.substr(begin, end - begin));
}

std::vector<std::string> words(std::string_view text)
{
    std::vector<std::string> result;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && isBlank(text[i]))
            ++i;
        const std::size_t begin = i;
        while (i < text.size() && !isBlank(text[i]))
            ++i;
        if (i > begin)
            result.emplace_back(text.substr(begin, i - begin));
    }
    return result;
}

std::vector<std::string> split(std::string_view text, char separator)
{
    std::vector<std::string> result;
    std::size_t begin = 0;
    for (;;) {
        const std::size_t at = text.find(separator, begin);
        if (at == std::string_view::npos) {
            result.emplace_back(text.substr(begin));
            return result;
        }
        result.emplace_back(text.substr(begin, at - begin));
        begin = at + 1;
    }
}

std::vector<std::string> lines(const std::string &content)
{
    std::vector<std::string> result;
    std::string current;
    for (std::size_t i = 0; i < content.size(); ++i) {
        const char c = content[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < content.size() && content[i + 1] == '\n')
                ++i;
            result.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty())
        result.push_back(current);
    return result;
}

std::optional<double> number(std::string_view text)
{
    const std::string trimmed = trim(text);
    std::string_view digits = trimmed;
    // from_chars takes a minus sign but no plus sign.
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1);
        if (!digits.empty() && digits.front() == '-')
            return std::nullopt;
    }
    if (digits.empty())
        return std::nullopt;
    double value = 0.0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                              std::chars_format::general);
    if (error != std::errc() || end != digits.data() + digits.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<long long> whole(std::string_view text, long long min, long long max)
{
    const std::optional<double> value = number(text);
    if (!value || *value != std::floor(*value) || *value < double(min) || *value > double(max))
        return std::nullopt;
    return static_cast<long long>(*value);
}

std::string lower(std::string_view text)
{
    std::string result(text);
    for (char &c : result) {
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    }
    return result;
}

} // namespace engine::text
