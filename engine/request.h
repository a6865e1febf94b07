// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace engine {

// The default names, used when the control file cannot give its own.
inline const std::string DefaultListFile = "quorvantix.lst";
inline const std::string DefaultOutputFile = "quorvantix.dat";

// The selection methods as the control file numbers them.
enum class Method { Indices = 1, LonLatBox = 2, CentreRadius = 3 };

// What one control file asks for. Each of its twelve lines carries its value
// first; a "!" starts the comment.
struct Request
{
    std::string title;
    std::string listFile = DefaultListFile;
    std::string outputFile = DefaultOutputFile;
    long long region = 0;
    std::string year;
    Method method = Method::Indices;
    // Line 7: I from/to, longitudes west/east, or centre longitude/latitude.
    double first[2] = {0.0, 0.0};
    // Line 8: J from/to, latitudes south/north, or the radius in km alone.
    double second[2] = {0.0, 0.0};
    bool writeBatch = false;
    std::string batchFile;
    int renameWay = 1;
    int system = 1; // 1 DOS, 2 UNIX/LINUX
};

// Reads the control file's text. Returns false and says why for a file that
// does not hold a complete, valid request; `request.listFile` then still
// names where the error must be reported.
bool parseRequest(const std::string &content, Request &request, std::string &why);

// A plain file name in the current directory: no folder part, not "." or "..".
bool isPlainFileName(const std::string &name);

} // namespace engine
