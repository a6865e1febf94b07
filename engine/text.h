// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Small text routines of the engine: trimming, splitting and strict number
// reading. Numbers always use "." whatever the machine's locale.
namespace engine::text {

// Leading and trailing blanks and tabs removed.
std::string trim(std::string_view text);

// Splits at runs of blanks and tabs; no empty items.
std::vector<std::string> words(std::string_view text);

// Splits at every occurrence of `separator`; keeps empty items.
std::vector<std::string> split(std::string_view text, char separator);

// The lines of a text file; a line ends at CR LF, LF or CR.
std::vector<std::string> lines(const std::string &content);

// A whole trimmed text read as a finite decimal number ("12", "-4.5",
// "+3", "1e3"); nothing for anything else.
std::optional<double> number(std::string_view text);

// A number that is a whole value within [min, max].
std::optional<long long> whole(std::string_view text, long long min, long long max);

// The text in lower case (ASCII only).
std::string lower(std::string_view text);

} // namespace engine::text
