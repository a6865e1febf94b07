// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/controlfilereader.h"

#include "common/numbertext.h"
#include "common/quotedtext.h"
#include "common/singlebytetext.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringDecoder>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

constexpr int LineCount = 12;
// The axis named when a limit lies beyond it.
const char *const LongitudeWord = QT_TRANSLATE_NOOP("ControlFileReader", "longitude");
const char *const LatitudeWord = QT_TRANSLATE_NOOP("ControlFileReader", "latitude");

// The values of a line: what stands before its comment, without blanks around.
QString valuesOf(const QString &line)
{
    const qsizetype comment = line.indexOf(u'!');
    return (comment < 0 ? line : line.left(comment)).trimmed();
}

QStringList linesOf(const QByteArray &bytes)
{
    QStringDecoder decode(SingleByteEncoding);
    QString text = decode(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    QStringList lines = text.split(u'\n');
    // Blank lines after the last one are no lines of the file.
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    return lines;
}

class Reader
{
    Q_DECLARE_TR_FUNCTIONS(ControlFileReader)

public:
    explicit Reader(QStringList lines)
        : m_lines(std::move(lines))
    {
    }

    ControlFileReading read();

private:
    bool fail(int line, const QString &reason)
    {
        if (!m_problem) {
            m_problem = ControlFileProblem{line, m_lines.value(line - 1), reason};
        }
        return false;
    }
    bool fixed(int line, const char *value);
    std::optional<QList<double>> numbers(int line, int count);
    bool limits(ControlFileRequest &request);

    QStringList m_lines;
    std::optional<ControlFileProblem> m_problem;
};

bool Reader::fixed(int line, const char *value)
{
    if (valuesOf(m_lines.at(line - 1)) != QLatin1String(value))
        return fail(line, tr("it should read \"%1\"").arg(QLatin1String(value)));
    return true;
}

std::optional<QList<double>> Reader::numbers(int line, int count)
{
    const QStringList texts = valuesOf(m_lines.at(line - 1)).split(u',');
    QList<double> values;
    for (const QString &text : texts) {
        const std::optional<double> value = NumberText::toNumber(text);
        if (!value)
            break;
        values << *value;
    }
    if (values.size() != count || texts.size() != count) {
        fail(line,
             count == 1 ? tr("it should hold one number") : tr("it should hold two numbers separated by a comma"));
        return std::nullopt;
    }
    return values;
}

bool Reader::limits(ControlFileRequest &request)
{
    const bool centre = request.selectionMethod == CoordinateMethod::CentreRadius;
    const std::optional<QList<double>> line7 = numbers(7, 2);
    if (!line7)
        return false;
    const std::optional<QList<double>> line8 = numbers(8, centre ? 1 : 2);
    if (!line8)
        return false;

    LimitArray &slot = request.limits;
    const auto within = [this](int line, double value, double limit, const char *what) {
        if (std::fabs(value) > limit)
            return fail(line, tr("a %1 lies beyond %2").arg(tr(what)).arg(limit));
        return true;
    };
    switch (request.selectionMethod) {
    case CoordinateMethod::Indices: // i on line 7, j on line 8
        for (const auto &[line, values] : {std::pair{7, *line7}, std::pair{8, *line8}}) {
            for (double value : values) {
                if (!NumberText::toInt16(NumberText::plain(value)) || value != std::trunc(value))
                    return fail(line, tr("the indices should be whole numbers from -32768 to 32767"));
            }
        }
        slot = {0, line7->at(0), line7->at(1), line8->at(0), line8->at(1)};
        return true;
    case CoordinateMethod::LatLonBox: // longitudes on line 7, latitudes on line 8
        slot = {0, line8->at(0), line8->at(1), line7->at(0), line7->at(1)};
        return within(7, slot[3], 180, LongitudeWord) && within(7, slot[4], 180, LongitudeWord)
               && within(8, slot[1], 90, LatitudeWord) && within(8, slot[2], 90, LatitudeWord);
    default: // centre: longitude and latitude on line 7, the radius on line 8
        slot = {0, line7->at(1), line7->at(0), line8->at(0), 0};
        if (slot[3] < 0)
            return fail(8, tr("the radius should not be negative"));
        return within(7, slot[2], 180, LongitudeWord) && within(7, slot[1], 90, LatitudeWord);
    }
}

ControlFileReading Reader::read()
{
    ControlFileReading reading;
    if (m_lines.isEmpty() || m_lines.at(0).trimmed() != QLatin1String("Select a range for decode packed MM5 tiles")) {
        fail(1, tr("it should read \"Select a range for decode packed MM5 tiles\""));
    } else if (m_lines.size() < LineCount) {
        fail(int(m_lines.size()) + 1, tr("the file ends before its twelfth line"));
    } else if (m_lines.size() > LineCount) {
        fail(LineCount + 1, tr("nothing should follow the twelfth line"));
    } else if (fixed(2, "quorvantix.lst") && fixed(3, "quorvantix.dat")) {
        ControlFileRequest request;
        const QString region = valuesOf(m_lines.at(3));
        const QString year = valuesOf(m_lines.at(4));
        const QString method = valuesOf(m_lines.at(5));
        bool ok = false;
        const int number = region.toInt(&ok);
        const auto digitsOnly = [](const QString &text) {
            return !text.isEmpty()
                   && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
        };
        if (!digitsOnly(region) || !ok || number < 1) {
            fail(4, tr("it should hold the number of a domain"));
        } else if (year.size() != 4 || !digitsOnly(year)) {
            fail(5, tr("it should hold a year of four digits"));
        } else if (method != QLatin1String("1") && method != QLatin1String("2") && method != QLatin1String("3")) {
            fail(6, tr("it should hold the method 1, 2 or 3"));
        } else {
            request.region = QString::number(number);
            request.year = year;
            // The file numbers the methods the engine's way: 1 I/J, 2 lon/lat, 3 centre.
            request.selectionMethod = method == QLatin1String("1")   ? CoordinateMethod::Indices
                                      : method == QLatin1String("2") ? CoordinateMethod::LatLonBox
                                                                     : CoordinateMethod::CentreRadius;
            if (limits(request) && fixed(9, "1") && fixed(10, "mvtiles.bat") && fixed(11, "1") && fixed(12, "1"))
                reading.request = request;
        }
    }
    if (m_problem)
        reading.problem = *m_problem;
    return reading;
}

} // namespace

ControlFileReading ReadControlFile(const QByteArray &bytes)
{
    return Reader(linesOf(bytes)).read();
}

QString ControlFileProblemText(const QString &path, const ControlFileProblem &problem)
{
    return QCoreApplication::translate(
               "ControlFileReader",
               "The file %1 is not a control file of this program.\n\nLine %2 does not read: %3.\n\"%4\"")
        .arg(QDir::toNativeSeparators(path))
        .arg(problem.line)
        .arg(problem.reason, QuotedText(problem.text));
}
