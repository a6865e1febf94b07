// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/configreader.h"

#include "catalogue/cataloguetext.h"
#include "catalogue/countrynamelist.h"
#include "catalogue/linereader.h"
#include "common/numbertext.h"
#include "common/regularfile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>

#include <algorithm>

namespace {

const char *const FormatMessage = QT_TRANSLATE_NOOP(
    "ConfigReader", "Invalid config file format, please downlooad the latest update from the website");
const char *const NotValidMessage = QT_TRANSLATE_NOOP(
    "ConfigReader",
    "Config file not valid, please use the hyperlink to downlaod the latest config file on QMT website");
const char *const DomainYearsMessage = QT_TRANSLATE_NOOP(
    "ConfigReader", "Unable to read the config file properly, make sure tiles.cfg  exist in your application folder "
                    "or download the latest update fron the QMT website");
const char *const KeyWordsMessage = QT_TRANSLATE_NOOP(
    "ConfigReader", "Unable to read the key words for domains, make sure you have the latest configuration file");
const char *const CountriesMessage = QT_TRANSLATE_NOOP(
    "ConfigReader", "Unable to read the countries list per domain, make sure you have the latest configuration file");

bool isTerminator(const QString &line)
{
    return TrimmedBlanks(line) == QLatin1String("999");
}

// The value of a text of ASCII digits only; nothing for anything else.
std::optional<int> digitsValue(const QString &text)
{
    const bool digits = !text.isEmpty()
                        && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    return digits ? std::optional<int>(text.toInt()) : std::nullopt;
}

} // namespace

std::optional<QString> CatalogueDateText(const QString &firstLine)
{
    QStringList parts = firstLine.split(u':');
    RemoveBlankItems(parts);
    if (parts.size() < 2)
        return std::nullopt;
    return NumberText::trimBlanks(parts.at(1));
}

std::optional<QDate> DateFromText(const QString &dateText)
{
    if (dateText.size() < 6)
        return std::nullopt;
    const std::optional<int> year = digitsValue(dateText.left(4));
    const std::optional<int> month = digitsValue(dateText.mid(4, 2));
    const std::optional<int> day = digitsValue(dateText.right(2));
    if (!year || !month || !day)
        return std::nullopt;
    const QDate date(*year, *month, *day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

std::optional<QDate> CatalogueDate(const QString &firstLine)
{
    const std::optional<QString> text = CatalogueDateText(firstLine);
    if (!text)
        return std::nullopt;
    return DateFromText(*text);
}

ConfigReader::ConfigReader(CatalogueTables &tables)
    : m_tables(tables)
{
}

ConfigReadResult ConfigReader::ReadConfigFile(const QString &folder, const QString &fileName)
{
    // A named pipe in the catalogue's place would hold the window at open().
    const QString path = QDir(folder).filePath(fileName);
    QFile file(path);
    if (RegularFile::notRegular(path) || !file.open(QIODevice::ReadOnly)) {
        clearTables();
        ConfigReadResult result;
        result.complaints.append({CatalogueComplaint::Box::Plain, tr(FormatMessage)});
        return result;
    }
    const ConfigReadResult result = ReadConfig(file);
    file.close();
    return result;
}

ConfigReadResult ConfigReader::ReadConfig(QIODevice &device)
{
    clearTables();
    ConfigReadResult result;
    LineReader reader(device);
    m_tables.ConfigLoaded = readCatalogue(reader, result);
    result.lastLine = reader.linesRead();
    return result;
}

// Every read rebuilds the tables; the country list on the window and its
// domain map belong to the window and are rebuilt only after a success.
void ConfigReader::clearTables()
{
    m_tables.DomainLines.clear();
    m_tables.DomainYears.clear();
    m_tables.DomainCountries.clear();
    m_tables.CountryNames.clear();
    m_tables.ConfigLoaded = false;
}

ConfigReadResult ConfigReader::ReadConfigText(const QByteArray &catalogue)
{
    QBuffer buffer;
    buffer.setData(catalogue);
    buffer.open(QIODevice::ReadOnly);
    return ReadConfig(buffer);
}

// Returns true when the whole catalogue was read. Every failure but the one
// of line 2 ends in the closing format message.
bool ConfigReader::readCatalogue(LineReader &file, ConfigReadResult &result)
{
    const auto fail = [&result] {
        result.complaints.append({CatalogueComplaint::Box::Plain, tr(FormatMessage)});
        return false;
    };

    QString line;
    if (!file.readLine(line))
        return fail();
    const std::optional<QDate> date = CatalogueDate(line);
    if (!date)
        return fail();
    result.date = date;
    result.dateCaption = QStringLiteral("%1 %2 %3").arg(date->day()).arg(GetMonthName(date->month())).arg(date->year());

    if (!file.readLine(line))
        return fail();
    if (!NumberText::isNumeric(line)) {
        result.complaints.append({CatalogueComplaint::Box::Critical, tr(NotValidMessage)});
        return false;
    }
    const std::optional<qint16> skip = NumberText::toInt16(line);
    if (!skip)
        return fail();
    for (int i = 0; i < *skip + 1; ++i) {
        if (!file.readLine(line))
            return fail();
    }

    if (!file.readLine(line))
        return fail();
    while (!isTerminator(line)) {
        if (m_tables.DomainLines.size() >= MaxSectionLines)
            return fail();
        m_tables.DomainLines.append(line);
        if (!file.readLine(line))
            return fail();
    }

    if (ReadDomainYears(file, result) && ReadKeyWords(file, result) && ReadCountriesPerDomain(file, result))
        return true;
    return fail();
}

bool ConfigReader::ReadDomainYears(LineReader &file, ConfigReadResult &result)
{
    const auto fail = [&result] {
        result.complaints.append({CatalogueComplaint::Box::Critical, tr(DomainYearsMessage)});
        return false;
    };

    QString line;
    if (!file.readLine(line) || !file.readLine(line))
        return fail();
    if (isTerminator(line))
        return fail();
    int keyLines = 0;
    while (!isTerminator(line)) {
        // Split at single blanks, item 1 (the domain key) must not be empty;
        // split at "_", there must be five parts at least.
        const qsizetype blank = line.indexOf(u' ');
        if (blank < 0 || blank + 1 >= line.size() || line.at(blank + 1) == u' ' || line.count(u'_') < 4)
            return fail();
        if (++keyLines > MaxSectionLines)
            return fail();
        if (!file.readLine(line))
            return fail();
    }

    if (!file.readLine(line) || !file.readLine(line))
        return fail();
    while (!isTerminator(line)) {
        // The part before the first comma holds a blank.
        const qsizetype blank = line.indexOf(u' ');
        const qsizetype comma = line.indexOf(u',');
        if (blank < 0 || (comma >= 0 && comma < blank))
            return fail();
        if (m_tables.DomainYears.size() >= MaxSectionLines)
            return fail();
        // The line is read anew next, so its own text is changed and kept.
        m_tables.DomainYears.append(line.replace(u',', u' '));
        if (!file.readLine(line))
            return fail();
    }
    if (m_tables.DomainYears.size() < keyLines)
        return fail();
    return true;
}

bool ConfigReader::ReadKeyWords(LineReader &file, ConfigReadResult &result)
{
    const auto fail = [&result] {
        result.complaints.append({CatalogueComplaint::Box::Critical, tr(KeyWordsMessage)});
        return false;
    };

    QString line;
    if (!file.readLine(line) || !file.readLine(line))
        return fail();
    int count = 0;
    while (!isTerminator(line)) {
        if (!line.contains(u'=') || ++count > MaxSectionLines)
            return fail();
        if (!file.readLine(line))
            return fail();
    }
    return true;
}

bool ConfigReader::ReadCountriesPerDomain(LineReader &file, ConfigReadResult &result)
{
    const auto fail = [&result] {
        result.complaints.append({CatalogueComplaint::Box::Critical, tr(CountriesMessage)});
        return false;
    };

    if (m_tables.DomainLines.isEmpty())
        return fail();
    m_tables.DomainCountries = QStringList(m_tables.DomainLines.size(), QString());
    CountryNameList countryNames(m_tables.CountryNames);

    QString line;
    if (!file.readLine(line) || !file.readLine(line))
        return fail();
    qsizetype k = 0;
    while (!isTerminator(line)) {
        const qsizetype blank = line.indexOf(u' ');
        if (blank < 0 || k >= m_tables.DomainCountries.size())
            return fail();
        const QString countries = TrimmedBlanks(QStringView(line).mid(blank + 1)).toString();
        m_tables.DomainCountries[k] = countries;
        countryNames.AddCountries(countries);
        ++k;
        if (!file.readLine(line))
            return fail();
    }
    return true;
}
