// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/cataloguetables.h"

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QString>

#include <optional>

class LineReader;
class QIODevice;

// One complaint of a failed read, as the window shows it: a critical box for
// the section that did not read, a plain one for the closing format message.
struct CatalogueComplaint
{
    enum class Box { Plain, Critical };
    Box box;
    QString text;

    bool operator==(const CatalogueComplaint &) const = default;
};

// What a read leaves for the window besides the tables: the catalogue date of
// line 1 and its caption ("19 April 2011"), set as soon as line 1 was read,
// and the complaints of a failed read in the order they are to be shown.
struct ConfigReadResult
{
    std::optional<QDate> date;
    QString dateCaption;
    // The number of the last line read: where a failed read stopped.
    int lastLine = 0;
    QList<CatalogueComplaint> complaints;
};

// Reads the catalogue "tiles.cfg" into the tables. It shows nothing: a failure
// comes back as complaints, and the outcome is left in tables.ConfigLoaded.
class ConfigReader
{
    Q_DECLARE_TR_FUNCTIONS(ConfigReader)

public:
    explicit ConfigReader(CatalogueTables &tables);

    ConfigReadResult ReadConfigFile(const QString &folder, const QString &fileName);
    // Reads a catalogue held in memory the same way, as if it were the file.
    ConfigReadResult ReadConfigText(const QByteArray &catalogue);
    // The same read from a device open for reading.
    ConfigReadResult ReadConfig(QIODevice &device);

    // Sections hold at most this many lines; a longer one fails as malformed.
    static constexpr int MaxSectionLines = 32767;

private:
    bool ReadDomainYears(LineReader &file, ConfigReadResult &result);
    bool ReadKeyWords(LineReader &file, ConfigReadResult &result);
    bool ReadCountriesPerDomain(LineReader &file, ConfigReadResult &result);
    bool readCatalogue(LineReader &file, ConfigReadResult &result);
    void clearTables();

    CatalogueTables &m_tables;
};

// The date of a catalogue's first line ("Date: 20110419"), or nothing when the
// line has no label and date or the date is not a calendar date.
std::optional<QDate> CatalogueDate(const QString &firstLine);
// The text after the label, trimmed; nothing when there is none.
std::optional<QString> CatalogueDateText(const QString &firstLine);
// Year, month and day taken from a date text the way the catalogue spells it.
std::optional<QDate> DateFromText(const QString &dateText);
