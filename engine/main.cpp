// SPDX-License-Identifier: GPL-3.0-or-later
// The stand-in tile engine. Run without arguments in the working folder: it
// reads the control file quorvantix.inp there and the catalogue tiles.cfg
// from its own folder, and writes the list, output and batch files named by
// the control file into the working folder.

#include "catalogue.h"
#include "programfolder.h"
#include "reports.h"
#include "request.h"
#include "testswitches.h"
#include "tiling.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <thread>

namespace fs = std::filesystem;
using namespace engine;

namespace {

const char *const ControlFile = "quorvantix.inp";
const char *const CatalogueFile = "tiles.cfg";
// Far more than any real domain needs; keeps a broken catalogue from
// making the engine list tiles for ever.
constexpr long long MaxTiles = 100000;

enum ExitCode { Served = 0, Refused = 1, WriteFailed = 2, Crashed = 3 };

bool writeText(const std::string &name, const std::string &text)
{
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
        std::cerr << "Quorvantix: cannot write " << name << '\n';
        return false;
    }
    return true;
}

// The list file appears only complete: it is written under a temporary name
// and renamed into place, so a reader never meets half a list.
bool writeListFile(const std::string &name, const std::string &text)
{
    const TestSwitches switches = TestSwitches::fromEnvironment();
    if (switches.crashAfter) {
        std::ofstream(name, std::ios::binary | std::ios::trunc) << text.substr(0, *switches.crashAfter);
        std::cerr << "Quorvantix: stopped on request after " << *switches.crashAfter << " bytes of " << name << '\n';
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(switches.delayMs));
    if (switches.crashAfter)
        crashNow();

    const std::string part = name + ".part";
    if (!writeText(part, text))
        return false;
    std::error_code error;
    fs::rename(part, name, error);
    if (error) {
        std::cerr << "Quorvantix: cannot write " << name << ": " << error.message() << '\n';
        fs::remove(part, error);
        return false;
    }
    return true;
}

int refuse(const Request &request, const std::string &why)
{
    std::cerr << "Quorvantix: " << why << '\n';
    const bool written = writeText(request.outputFile, reports::errorOutputFile(why))
                         & writeListFile(request.listFile, reports::errorListFile(why));
    return written ? Refused : WriteFailed;
}

int run(const char *argv0)
{
    Request request;
    std::ifstream in(ControlFile, std::ios::binary);
    if (!in)
        return refuse(request, std::string("the control file ") + ControlFile + " cannot be opened");
    const std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad())
        return refuse(request, std::string("the control file ") + ControlFile + " cannot be read");

    std::string why;
    if (!parseRequest(content, request, why))
        return refuse(request, why);

    const auto catalogue = readCatalogue(programFolder(argv0) / CatalogueFile, why);
    if (!catalogue)
        return refuse(request, why);
    const auto domain = findDomain(*catalogue, request.region, why);
    if (!domain)
        return refuse(request, why);
    if (std::find(domain->years.begin(), domain->years.end(), request.year) == domain->years.end())
        return refuse(request,
                      "region " + std::to_string(request.region) + " has no data for the year " + request.year);

    const auto cells = selectCells(*domain, request, why);
    if (!cells)
        return refuse(request, why);
    if (tileCount(*domain, *cells) > MaxTiles)
        return refuse(request, "the request covers more than " + std::to_string(MaxTiles) + " tiles");

    const reports::Selection selection{request, *domain, *cells, tilesFor(*domain, *cells)};
    bool written = writeText(request.outputFile, reports::outputFile(selection));
    if (request.writeBatch)
        written = writeText(request.batchFile, reports::batchFile(selection)) && written;
    // The list file last: once it is there, the others are complete.
    written = written && writeListFile(request.listFile, reports::listFile(selection));
    return written ? Served : WriteFailed;
}

} // namespace

int main(int argc, char **argv)
{
    const TestSwitches switches = TestSwitches::fromEnvironment();
    if (switches.ignoreTerm)
        std::signal(SIGTERM, SIG_IGN);
    if (switches.childDelayMs)
        startChild(*switches.childDelayMs);
    try {
        return run(argc > 0 ? argv[0] : nullptr);
    } catch (const std::exception &error) {
        std::cerr << "Quorvantix: " << error.what() << '\n';
    } catch (...) {
        std::cerr << "Quorvantix: unexpected failure\n";
    }
    return Crashed;
}
