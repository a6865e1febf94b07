#pragma once

#include <QString>
#include <QStringDecoder>

class QIODevice;

// Reads single-byte text line by line. A line ends at a carriage return or a
// CR LF pair; a line feed that follows no carriage return is part of the line.
// Every byte is decoded on its own, so it round-trips through the text.
class LineReader
{
public:
    explicit LineReader(QIODevice &device);

    // The next line without its end; false at the end of the file or on a
    // read error (see failed()).
    bool readLine(QString &line);
    bool failed() const { return m_failed; }
    // How many lines were returned so far: the number of the last one.
    int linesRead() const { return m_linesRead; }

private:
    bool nextByte(char &byte);

    QIODevice &m_device;
    QStringDecoder m_decoder;
    bool m_failed = false;
    bool m_atEnd = false;
    int m_linesRead = 0;
};
