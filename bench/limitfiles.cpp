// SPDX-License-Identifier: GPL-3.0-or-later
#include "limitfiles.h"

#include <QStringList>

namespace LimitFiles {

namespace {

// Country k: names 2m and 2m + 1 are "Xyz" and "Xyzia", so the first lies
// inside the second; one of them is Greenland.
QByteArray countryName(int k)
{
    if (k == 7)
        return "Greenland";
    QByteArray name(1, char('A' + (k / 2) % 26));
    for (int rest = k / 52;; rest /= 26) {
        name += char('a' + rest % 26);
        if (rest < 26)
            break;
    }
    name += "rn" + QByteArray::number(k / 2);
    return k % 2 ? name + "ia" : name;
}

QByteArray domainLine(int n)
{
    // Field 0 the number in three digits at least, field 8 the resolution,
    // fields 12 to 21 the limits; some grids are ones Greenland does not get.
    const char *resolution = n % 5 == 0 ? "4.00" : n % 7 == 0 ? "1.333" : "12";
    const QByteArray number = QByteArray::number(n).rightJustified(3, '0');
    return number + "  MM5  D" + number + "  LAMBERT  TRUELAT  30.0  60.0  NESTED  " + resolution
           + "  23  SIGMA  BIN  1  1  " + QByteArray::number(100 + n % 50) + "  " + QByteArray::number(90 + n % 40)
           + "  0  0  -10.5  10.25  35.5  51.25\r\n";
}

QByteArray sectionsBefore(int domains)
{
    QByteArray out = "Catalogue date: 20110419\r\n1\r\nCatalogue at the limits\r\nSection 1\r\n";
    for (int n = 1; n <= domains; ++n)
        out += domainLine(n);
    out += "999\r\nDomain keys\r\n";
    for (int n = 1; n <= domains; ++n)
        out += "D" + QByteArray::number(n) + " MM5_D" + QByteArray::number(n) + "_12km_QMT_TILES\r\n";
    out += "999\r\nYears\r\n";
    for (int n = 1; n <= domains; ++n)
        out += QByteArray::number(n) + " 2001,2002,2003,2004,2005,2006,2007,2008,2009,2010\r\n";
    out += "999\r\nKey words\r\nTILESIZE=20\r\nFORMAT=PACKED\r\n999\r\nCountries\r\n";
    return out;
}

} // namespace

QByteArray catalogue(int domains, int countries, int perDomain)
{
    QByteArray out = sectionsBefore(domains);
    out.reserve(out.size() + qsizetype(domains) * perDomain * 12);
    quint32 state = 20110419;
    for (int n = 1; n <= domains; ++n) {
        out += QByteArray::number(n) + ' ';
        for (int c = 0; c < perDomain; ++c) {
            state = state * 1664525u + 1013904223u;
            if (c > 0)
                out += c % 2 ? ", " : ",";
            out += countryName(int((state >> 8) % quint32(countries)));
        }
        out += "\r\n";
    }
    out += "999\r\n";
    return out;
}

QByteArray manyCountriesCatalogue(int domains, int countries)
{
    QByteArray out = sectionsBefore(domains);
    const int perDomain = countries / domains;
    for (int n = 0; n < domains; ++n) {
        out += QByteArray::number(n + 1) + ' ';
        for (int c = 0; c < perDomain; ++c) {
            if (c > 0)
                out += ", ";
            out += countryName(n * perDomain + c);
        }
        out += "\r\n";
    }
    out += "999\r\n";
    return out;
}

QByteArray listFile(int tiles)
{
    QByteArray out = "QUORVANTIX tile selection\r\nRegion 7, year 2005, method 2\r\n\r\n"
                     "No.  Tile #     I/J Ranges on Tile     I/J Ranges Selected\r\n";
    out.reserve(out.size() + qsizetype(tiles) * 48);
    for (int n = 1; n <= tiles; ++n) {
        out += QByteArray::number(n).rightJustified(6, ' ') + "    " + QByteArray::number(1000 + n)
               + "     1- 40  1- 40     3- 40  5- 20\r\n";
    }
    out += "\r\n";
    return out;
}

BarePass barePass(const QByteArray &bytes)
{
    BarePass pass;
    bool inWord = false;
    for (const char c : bytes) {
        const bool blank = c == ' ' || c == '\r' || c == '\n' || c == ',';
        pass.lines += c == '\r';
        pass.words += !blank && !inWord;
        inWord = !blank;
    }
    return pass;
}

} // namespace LimitFiles
