// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

class QIODevice;

// Reads single-byte text line by line. A line ends at a carriage return or a
// CR LF pair; a line feed that follows no carriage return is part of the line.
// Every byte is decoded on its own, so it round-trips through the text. The
// device is read in large blocks, as the lines are asked for.
class LineReader
{
public:
    static constexpr qint64 DefaultBlockSize = 1 << 20;

    explicit LineReader(QIODevice &device, qint64 blockSize = DefaultBlockSize);

    // The next line without its end; false at the end of the file or on a
    // read error (see failed()).
    bool readLine(QString &line);
    bool failed() const { return m_failed; }
    // How many lines were returned so far: the number of the last one.
    int linesRead() const { return m_linesRead; }

private:
    // Appends the next block of the device to the buffer; false at its end
    // or on a read error.
    bool readBlock();
    void decodeInto(QString &line, const char *bytes, qsizetype size);

    QIODevice &m_device;
    QStringDecoder m_decoder;
    const qint64 m_blockSize;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    bool m_failed = false;
    bool m_deviceAtEnd = false;
    int m_linesRead = 0;
};
