// SPDX-License-Identifier: GPL-3.0-or-later
#include "request.h"

#include "text.h"

#include <vector>

namespace engine {

namespace {

// The value part of a control line: everything before the "!", trimmed.
std::string valueOf(const std::string &line)
{
    return text::trim(line.substr(0, line.find('!')));
}

bool readPair(const std::string &value, double (&pair)[2])
{
    const std::vector<std::string> items = text::split(value, ',');
    if (items.size() != 2)
        return false;
    const auto a = text::number(items[0]);
    const auto b = text::number(items[1]);
    if (!a || !b)
        return false;
    pair[0] = *a;
    pair[1] = *b;
    return true;
}

} // namespace

bool isPlainFileName(const std::string &name)
{
    return !name.empty() && name != "." && name != ".." && name.find_first_of("/\\:") == std::string::npos;
}

bool parseRequest(const std::string &content, Request &request, std::string &why)
{
    const std::vector<std::string> lines = text::lines(content);
    const auto value = [&lines](std::size_t lineNumber) {
        return lineNumber <= lines.size() ? valueOf(lines[lineNumber - 1]) : std::string();
    };

    // The list file first, so that every later problem is reported in it.
    const std::string listFile = value(2);
    if (!isPlainFileName(listFile)) {
        why = "line 2 of the control file does not name a list file";
        return false;
    }
    request.listFile = listFile;
    if (lines.size() < 12) {
        why = "the control file holds " + std::to_string(lines.size()) + " lines instead of 12";
        return false;
    }
    request.title = text::trim(lines[0]);

    const std::string outputFile = value(3);
    if (!isPlainFileName(outputFile) || outputFile == request.listFile) {
        why = "line 3 of the control file does not name an output file";
        return false;
    }
    request.outputFile = outputFile;
    const auto region = text::whole(value(4), 1, 999999);
    if (!region) {
        why = "line 4 of the control file does not hold a region number";
        return false;
    }
    request.region = *region;

    request.year = value(5);
    if (request.year.size() != 4 || request.year.find_first_not_of("0123456789") != std::string::npos) {
        why = "line 5 of the control file does not hold a four-digit year";
        return false;
    }
    const auto method = text::whole(value(6), 1, 3);
    if (!method) {
        why = "line 6 of the control file does not hold a method 1, 2 or 3";
        return false;
    }
    request.method = Method(*method);

    if (!readPair(value(7), request.first)) {
        why = "line 7 of the control file does not hold two numbers";
        return false;
    }
    if (request.method == Method::CentreRadius) {
        const auto radius = text::number(value(8));
        if (!radius) {
            why = "line 8 of the control file does not hold a radius";
            return false;
        }
        request.second[0] = *radius;
    } else if (!readPair(value(8), request.second)) {
        why = "line 8 of the control file does not hold two numbers";
        return false;
    }

    const auto flag = text::whole(value(9), 0, 1);
    const auto way = text::whole(value(11), 1, 2);
    const auto system = text::whole(value(12), 1, 2);
    if (!flag || !way || !system) {
        why = "lines 9, 11 and 12 of the control file must hold the batch flag (0 or 1), "
              "the renaming way (1 or 2) and the system (1 or 2)";
        return false;
    }
    request.writeBatch = *flag == 1;
    request.renameWay = int(*way);
    request.system = int(*system);
    request.batchFile = value(10);
    if (request.writeBatch
        && (!isPlainFileName(request.batchFile) || request.batchFile == request.listFile
            || request.batchFile == request.outputFile)) {
        why = "line 10 of the control file does not name a batch file";
        return false;
    }
    return true;
}

} // namespace engine
