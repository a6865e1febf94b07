// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up cost of the catalogue: reading it, building the country map, and
// the number texts written for every field.
#include "catalogue/cataloguetext.h"
#include "catalogue/configreader.h"
#include "catalogue/countrynamelist.h"
#include "common/numbertext.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A catalogue of `domains` domains, each covering three of 200 countries.
QByteArray syntheticCatalogue(int domains)
{
    QByteArray out = "Date: 20110419\r\n0\r\nheading\r\n";
    for (int n = 1; n <= domains; ++n)
        out += QStringLiteral("%1 MM5 D L T 30 60 N 12 23 S B 1 1 100 100 0 0 -10.5 10.25 35.5 51.25\r\n")
                   .arg(n % 1000, 3, 10, QLatin1Char('0'))
                   .toLatin1();
    out += "999\r\nkeys\r\n";
    for (int n = 1; n <= domains; ++n)
        out += "KEY MM5_D_12km_QMT_TILES\r\n";
    out += "999\r\nyears\r\n";
    for (int n = 1; n <= domains; ++n)
        out += QByteArray::number(n) + " 2001,2002,2003\r\n";
    out += "999\r\nkey words\r\nA=B\r\n999\r\ncountries\r\n";
    for (int n = 1; n <= domains; ++n)
        out += QByteArray::number(n) + " Country" + QByteArray::number(n % 200) + ", Country"
               + QByteArray::number((n * 7) % 200) + ", Country" + QByteArray::number((n * 13) % 200) + "\r\n";
    out += "999\r\n";
    return out;
}

void readCatalogue(benchmark::State &state, const QByteArray &bytes)
{
    QTemporaryDir folder;
    QFile file(folder.filePath("tiles.cfg"));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        state.SkipWithError("cannot write the catalogue");
        return;
    }
    file.close();
    for (auto _ : state) {
        CatalogueTables tables;
        ConfigReader(tables).ReadConfigFile(folder.path(), "tiles.cfg");
        if (!tables.ConfigLoaded)
            state.SkipWithError("catalogue did not read");
        benchmark::DoNotOptimize(tables);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes.size());
}

void BM_ReadSampleCatalogue(benchmark::State &state)
{
    QFile sample(QStringLiteral(QUORVANTIX_SOURCE_DIR "/data/tiles.cfg"));
    if (!sample.open(QIODevice::ReadOnly)) {
        state.SkipWithError("no sample catalogue");
        return;
    }
    readCatalogue(state, sample.readAll());
}
BENCHMARK(BM_ReadSampleCatalogue);

void BM_ReadLargeCatalogue(benchmark::State &state)
{
    readCatalogue(state, syntheticCatalogue(int(state.range(0))));
}
BENCHMARK(BM_ReadLargeCatalogue)->Arg(1000)->Arg(30000);

void BM_MapCountriesToDomains(benchmark::State &state)
{
    QStringList countries;
    CountryNameList names(countries);
    QStringList domainCountries;
    for (int n = 1; n <= state.range(0); ++n) {
        domainCountries << QStringLiteral("Country%1, Country%2").arg(n % 200).arg((n * 7) % 200);
        names.AddCountries(domainCountries.last());
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(MapCountriesToDomains(countries, domainCountries));
}
BENCHMARK(BM_MapCountriesToDomains)->Arg(125)->Arg(5000);

void BM_PlainNumber(benchmark::State &state)
{
    double value = -73.25;
    for (auto _ : state) {
        benchmark::DoNotOptimize(NumberText::plain(value));
        value += 0.000001;
    }
}
BENCHMARK(BM_PlainNumber);

} // namespace

BENCHMARK_MAIN();
