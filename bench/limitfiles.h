// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

// Files at the limits of what the program reads, for the benchmarks and for
// trying the window by hand (see make_limit_files).
namespace LimitFiles {

// A catalogue of `domains` domains (a section holds at most 32,767 lines),
// each with ten data years and listed under `perDomain` of `countries`
// countries. Half the country names lie inside another one ("Tarn" inside
// "Tarnia"), and some of the domains are Greenland's fine grids.
QByteArray catalogue(int domains = 32767, int countries = 250, int perDomain = 4);

// A catalogue whose few domains name many distinct countries between them:
// `domains` country lines of `countries` / `domains` names each.
QByteArray manyCountriesCatalogue(int domains = 125, int countries = 50000);

// A list file as the engine writes it, with `tiles` tile lines.
QByteArray listFile(int tiles = 100000);

// One pass over the bytes that finds every line end and every word, and
// nothing more: the floor of any reader of these files.
struct BarePass
{
    qsizetype lines = 0;
    qsizetype words = 0;
};
BarePass barePass(const QByteArray &bytes);

} // namespace LimitFiles
