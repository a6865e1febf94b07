// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/worldoutline.h"

#include <QFile>
#include <QHash>

namespace {

// Reads the little-endian fields of the outline file, remembering a read
// past the end.
class ByteReader
{
public:
    explicit ByteReader(const QByteArray &bytes)
        : m_bytes(bytes)
    {
    }

    bool failed() const { return m_failed; }
    bool atEnd() const { return m_pos >= m_bytes.size(); }

    quint32 u32()
    {
        if (!has(4))
            return 0;
        quint32 value = 0;
        for (int k = 0; k < 4; ++k)
            value |= quint32(quint8(m_bytes[m_pos + k])) << (8 * k);
        m_pos += 4;
        return value;
    }

    quint8 u8() { return has(1) ? quint8(m_bytes[m_pos++]) : 0; }

    QByteArray bytes(qsizetype count)
    {
        if (!has(count))
            return {};
        const QByteArray out = m_bytes.mid(m_pos, count);
        m_pos += count;
        return out;
    }

    // A zig-zag encoded variable-length integer.
    qint64 varint()
    {
        quint64 value = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            if (!has(1))
                return 0;
            const quint8 byte = quint8(m_bytes[m_pos++]);
            value |= quint64(byte & 0x7F) << shift;
            if (!(byte & 0x80))
                return qint64(value >> 1) ^ -qint64(value & 1);
        }
        m_failed = true;
        return 0;
    }

private:
    bool has(qsizetype count)
    {
        if (m_failed || count < 0 || m_bytes.size() - m_pos < count)
            m_failed = true;
        return !m_failed;
    }

    const QByteArray &m_bytes;
    qsizetype m_pos = 0;
    bool m_failed = false;
};

// Catalogue spellings of countries whose Natural Earth short name differs.
const QHash<QString, QString> &aliases()
{
    static const QHash<QString, QString> table{
        {QStringLiteral("united states"), QStringLiteral("united states of america")},
        {QStringLiteral("usa"), QStringLiteral("united states of america")},
        {QStringLiteral("czech republic"), QStringLiteral("czechia")},
        {QStringLiteral("bosnia and herzegovina"), QStringLiteral("bosnia and herz.")},
        {QStringLiteral("democratic republic of the congo"), QStringLiteral("dem. rep. congo")},
        {QStringLiteral("dominican republic"), QStringLiteral("dominican rep.")},
        {QStringLiteral("central african republic"), QStringLiteral("central african rep.")},
        {QStringLiteral("ivory coast"), QStringLiteral("c\u00f4te d'ivoire")},
        {QStringLiteral("uk"), QStringLiteral("united kingdom")},
    };
    return table;
}

} // namespace

std::optional<WorldOutline> WorldOutline::read(const QByteArray &bytes)
{
    ByteReader in(bytes);
    if (in.bytes(4) != "QWO1")
        return std::nullopt;
    const quint32 scale = in.u32();
    const quint32 countries = in.u32();
    if (in.failed() || scale == 0 || countries > 10000)
        return std::nullopt;

    WorldOutline world;
    for (quint32 c = 0; c < countries && !in.failed(); ++c) {
        Country country;
        country.name = QString::fromUtf8(in.bytes(in.u8()));
        const quint32 rings = in.u32();
        for (quint32 r = 0; r < rings && !in.failed(); ++r) {
            const quint32 points = in.u32();
            // Every point takes at least two bytes: a count beyond what is
            // left cannot be right.
            if (points > quint32(bytes.size())) {
                return std::nullopt;
            }
            QPolygonF ring;
            ring.reserve(points);
            qint64 x = 0;
            qint64 y = 0;
            for (quint32 p = 0; p < points && !in.failed(); ++p) {
                x += in.varint();
                y += in.varint();
                ring << QPointF(double(x) / scale, double(y) / scale);
            }
            country.bounds = country.bounds.isNull() ? ring.boundingRect() : country.bounds.united(ring.boundingRect());
            country.rings << ring;
        }
        world.m_countries << country;
    }
    if (in.failed() || !in.atEnd())
        return std::nullopt;
    return world;
}

const WorldOutline &WorldOutline::builtIn()
{
    static const WorldOutline world = [] {
        QFile file(QStringLiteral(":/map/world-50m.bin"));
        if (!file.open(QIODevice::ReadOnly))
            return WorldOutline();
        return read(file.readAll()).value_or(WorldOutline());
    }();
    return world;
}

int WorldOutline::indexOf(const QString &name) const
{
    QString key = name.trimmed().toLower();
    key = aliases().value(key, key);
    for (int k = 0; k < m_countries.size(); ++k) {
        if (m_countries.at(k).name.toLower() == key)
            return k;
    }
    return -1;
}
