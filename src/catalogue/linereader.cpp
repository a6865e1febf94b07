#include "catalogue/linereader.h"

#include "common/singlebytetext.h"

#include <QByteArray>
#include <QIODevice>

LineReader::LineReader(QIODevice &device)
    : m_device(device)
    , m_decoder(SingleByteEncoding)
{
}

bool LineReader::nextByte(char &byte)
{
    if (m_device.getChar(&byte))
        return true;
    if (!m_device.atEnd())
        m_failed = true;
    return false;
}

bool LineReader::readLine(QString &line)
{
    line.clear();
    if (m_atEnd || m_failed)
        return false;
    QByteArray bytes;
    char byte = 0;
    bool gotAny = false;
    while (nextByte(byte)) {
        gotAny = true;
        if (byte == '\r') {
            char next = 0;
            if (m_device.getChar(&next) && next != '\n')
                m_device.ungetChar(next);
            line = m_decoder.decode(bytes);
            ++m_linesRead;
            return true;
        }
        bytes.append(byte);
    }
    m_atEnd = true;
    if (m_failed || !gotAny)
        return false;
    line = m_decoder.decode(bytes);
    ++m_linesRead;
    return true;
}
