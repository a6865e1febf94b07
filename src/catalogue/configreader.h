// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/cataloguetables.h"

#include <QDate>
#include <QString>

#include <optional>

class LineReader;
class QIODevice;

namespace ui {
class Messages;
}

// What a read leaves for the window besides the tables: the catalogue date of
// line 1 and its caption ("19 April 2011"), set as soon as line 1 was read.
struct ConfigReadResult
{
    std::optional<QDate> date;
    QString dateCaption;
    // The number of the last line read: where a failed read stopped.
    int lastLine = 0;
};

// Reads the catalogue "tiles.cfg" into the tables, reporting every failure in
// a message box of its own. The outcome is left in tables.ConfigLoaded.
class ConfigReader
{
public:
    ConfigReader(CatalogueTables &tables, ui::Messages &messages);

    ConfigReadResult ReadConfigFile(const QString &folder, const QString &fileName);
    // Reads a catalogue held in memory the same way, as if it were the file.
    ConfigReadResult ReadConfigText(const QByteArray &catalogue);
    // The same read from a device open for reading.
    ConfigReadResult ReadConfig(QIODevice &device);

    // Sections hold at most this many lines; a longer one fails as malformed.
    static constexpr int MaxSectionLines = 32767;

private:
    bool ReadDomainYears(LineReader &file);
    bool ReadKeyWords(LineReader &file);
    bool ReadCountriesPerDomain(LineReader &file);
    bool readCatalogue(LineReader &file, ConfigReadResult &result);
    void clearTables();

    CatalogueTables &m_tables;
    ui::Messages &m_messages;
};

// The date of a catalogue's first line ("Date: 20110419"), or nothing when the
// line has no label and date or the date is not a calendar date.
std::optional<QDate> CatalogueDate(const QString &firstLine);
// The text after the label, trimmed; nothing when there is none.
std::optional<QString> CatalogueDateText(const QString &firstLine);
// Year, month and day taken from a date text the way the catalogue spells it.
std::optional<QDate> DateFromText(const QString &dateText);
