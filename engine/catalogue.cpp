// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue.h"

#include "text.h"

#include <cmath>
#include <fstream>
#include <iterator>

namespace engine {

namespace {

bool isTerminator(const std::string &line)
{
    return text::trim(line) == "999";
}

// Collects the lines of one section up to its terminator; false when the
// file ends first.
bool readSection(const std::vector<std::string> &lines, std::size_t &at, std::vector<std::string> &section)
{
    for (; at < lines.size(); ++at) {
        if (isTerminator(lines[at])) {
            ++at;
            return true;
        }
        section.push_back(lines[at]);
    }
    return false;
}

} // namespace

std::optional<Catalogue> readCatalogue(const std::filesystem::path &file, std::string &why)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        why = "the catalogue " + file.string() + " cannot be opened";
        return std::nullopt;
    }
    const std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) {
        why = "the catalogue " + file.string() + " cannot be read";
        return std::nullopt;
    }
    const std::vector<std::string> lines = text::lines(content);

    Catalogue catalogue;
    if (lines.size() < 2) {
        why = "the catalogue ends before its skip count";
        return std::nullopt;
    }
    catalogue.dateLine = lines[0];
    const std::optional<double> skip = text::number(lines[1]);
    if (!skip || std::nearbyint(*skip) < -32768 || std::nearbyint(*skip) > 32767) {
        why = "the skip count of the catalogue is not a number";
        return std::nullopt;
    }
    // The skip count N is followed by N + 1 heading lines.
    std::size_t at = 2 + std::size_t(std::max(0.0, std::nearbyint(*skip) + 1));

    // Sections 2 to 5 each open with one heading line.
    const auto headedSection = [&](std::vector<std::string> &section) {
        if (at >= lines.size())
            return false;
        ++at;
        return readSection(lines, at, section);
    };
    const bool complete = readSection(lines, at, catalogue.domainLines) && headedSection(catalogue.keyLines)
                          && headedSection(catalogue.yearLines) && headedSection(catalogue.keyWordLines)
                          && headedSection(catalogue.countryLines);
    if (!complete) {
        why = "the catalogue ends inside a section";
        return std::nullopt;
    }
    return catalogue;
}

std::optional<Domain> findDomain(const Catalogue &catalogue, long long region, std::string &why)
{
    const std::string name = "region " + std::to_string(region);
    if (region < 1 || std::size_t(region) > catalogue.domainLines.size()) {
        why = name + " is not in the catalogue";
        return std::nullopt;
    }
    const std::size_t index = std::size_t(region - 1);
    const std::vector<std::string> fields = text::words(catalogue.domainLines[index]);
    if (fields.size() < 22 || text::whole(fields[0], 0, 999999) != region) {
        why = name + " is not described in the catalogue";
        return std::nullopt;
    }

    Domain domain;
    domain.number = int(region);
    domain.resolution = fields[8];
    const auto firstI = text::whole(fields[12], -1000000, 1000000);
    const auto firstJ = text::whole(fields[13], -1000000, 1000000);
    const auto lastI = text::whole(fields[14], -1000000, 1000000);
    const auto lastJ = text::whole(fields[15], -1000000, 1000000);
    const auto lonFrom = text::number(fields[18]);
    const auto lonTo = text::number(fields[19]);
    const auto latFrom = text::number(fields[20]);
    const auto latTo = text::number(fields[21]);
    if (!firstI || !firstJ || !lastI || !lastJ || !lonFrom || !lonTo || !latFrom || !latTo || *lastI < *firstI
        || *lastJ < *firstJ || *lonFrom == *lonTo || *latFrom == *latTo || std::abs(*lonFrom) > 360
        || std::abs(*lonTo) > 360 || std::abs(*latFrom) > 90 || std::abs(*latTo) > 90) {
        why = "the limits of " + name + " in the catalogue are not usable";
        return std::nullopt;
    }
    domain.firstI = *firstI;
    domain.firstJ = *firstJ;
    domain.lastI = *lastI;
    domain.lastJ = *lastJ;
    domain.lonFrom = *lonFrom;
    domain.lonTo = *lonTo;
    domain.latFrom = *latFrom;
    domain.latTo = *latTo;

    if (index < catalogue.yearLines.size()) {
        std::string years = catalogue.yearLines[index];
        for (char &c : years) {
            if (c == ',')
                c = ' ';
        }
        std::vector<std::string> items = text::words(years);
        if (!items.empty())
            domain.years.assign(items.begin() + 1, items.end());
    }
    if (index < catalogue.keyLines.size()) {
        const std::vector<std::string> key = text::words(catalogue.keyLines[index]);
        if (key.size() >= 2)
            domain.key = key[1];
    }
    if (domain.key.empty()) {
        std::string padded = std::to_string(region);
        padded.insert(0, padded.size() < 3 ? 3 - padded.size() : 0, '0');
        domain.key = "MM5_D" + padded;
    }
    if (index < catalogue.countryLines.size()) {
        const std::string &line = catalogue.countryLines[index];
        const std::size_t blank = line.find(' ');
        if (blank != std::string::npos)
            domain.countries = text::trim(line.substr(blank + 1));
    }
    return domain;
}

} // namespace engine
