// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace engine {

// One MM5 domain as the catalogue describes it.
struct Domain
{
    int number = 0;
    std::string key;        // e.g. MM5_D007_12km_QMT_TILES
    std::string resolution; // kilometres, as written
    long long firstI = 0;
    long long firstJ = 0;
    long long lastI = 0;
    long long lastJ = 0;
    double lonFrom = 0.0;
    double lonTo = 0.0;
    double latFrom = 0.0;
    double latTo = 0.0;
    std::vector<std::string> years;
    std::string countries;
};

// The sections of tiles.cfg the engine reads, line by line.
struct Catalogue
{
    std::string dateLine;
    std::vector<std::string> domainLines;  // section 1: line n - 1 is domain n
    std::vector<std::string> keyLines;     // section 2
    std::vector<std::string> yearLines;    // section 3
    std::vector<std::string> keyWordLines; // section 4
    std::vector<std::string> countryLines; // section 5 (may be short)
};

// Reads the catalogue: date line, skip count, heading block, then five
// sections each ended by a line "999". On failure returns nothing and says why.
std::optional<Catalogue> readCatalogue(const std::filesystem::path &file, std::string &why);

// Domain `region` of the catalogue, checked for a complete, consistent line.
std::optional<Domain> findDomain(const Catalogue &catalogue, long long region, std::string &why);

} // namespace engine
