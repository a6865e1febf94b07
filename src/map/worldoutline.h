// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QPolygonF>
#include <QRectF>
#include <QString>

#include <optional>

// The countries of the world as outlines in longitude/latitude (x, y),
// read from the compact file written by scripts/make-world-outline.py.
class WorldOutline
{
public:
    struct Country
    {
        QString name;
        QList<QPolygonF> rings;
        QRectF bounds; // x longitude, y latitude
    };

    // Nothing when the bytes are not a complete outline file.
    static std::optional<WorldOutline> read(const QByteArray &bytes);
    // The Natural Earth 1:50m outlines built into the program.
    static const WorldOutline &builtIn();

    const QList<Country> &countries() const { return m_countries; }
    // The country of that name: Natural Earth's short name, or one of the
    // longer names a catalogue may use for it; ignoring case and blanks
    // around. -1 when none matches.
    int indexOf(const QString &name) const;

private:
    QList<Country> m_countries;
};
