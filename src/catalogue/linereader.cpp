// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/linereader.h"

#include "common/singlebytetext.h"

#include <QIODevice>

#include <cstring>

LineReader::LineReader(QIODevice &device, qint64 blockSize)
    : m_device(device)
    , m_decoder(SingleByteEncoding)
    , m_blockSize(qMax<qint64>(blockSize, 1))
{
}

bool LineReader::readBlock()
{
    if (m_deviceAtEnd || m_failed)
        return false;
    // What was consumed is dropped before the buffer grows.
    m_buffer.remove(0, m_pos);
    m_pos = 0;
    // A file smaller than a block is read in one piece of its own size.
    const qint64 left = m_device.isSequential() ? m_blockSize : m_device.size() - m_device.pos();
    const qint64 want = qBound<qint64>(1, left, m_blockSize);
    const qsizetype kept = m_buffer.size();
    m_buffer.resize(kept + want);
    const qint64 got = m_device.read(m_buffer.data() + kept, want);
    m_buffer.resize(kept + qMax<qint64>(got, 0));
    if (got < 0)
        m_failed = true;
    if (got <= 0)
        m_deviceAtEnd = true;
    return got > 0;
}

void LineReader::decodeInto(QString &line, const char *bytes, qsizetype size)
{
    if constexpr (SingleByteEncoding == QStringConverter::Latin1) {
        // Into the line's own buffer when nobody else holds it: most lines
        // are looked at and dropped, so that saves an allocation each. A
        // line kept by the caller gets a new buffer, its text not copied.
        if (line.isDetached())
            line.resize(size);
        else
            line = QString(size, Qt::Uninitialized);
        QChar *out = line.data();
        for (qsizetype i = 0; i < size; ++i)
            out[i] = QChar(uchar(bytes[i]));
    } else {
        line = m_decoder.decode(QByteArrayView(bytes, size));
    }
}

bool LineReader::readLine(QString &line)
{
    qsizetype searched = m_pos;
    for (;;) {
        const char *begin = m_buffer.constData();
        const qsizetype size = m_buffer.size();
        const void *cr = searched < size ? std::memchr(begin + searched, '\r', size_t(size - searched)) : nullptr;
        const qsizetype end = cr ? static_cast<const char *>(cr) - begin : size;
        // A CR as the last byte of the block may be the first half of a CR LF pair.
        if (cr && (end + 1 < size || m_deviceAtEnd)) {
            decodeInto(line, begin + m_pos, end - m_pos);
            m_pos = end + 1;
            if (m_pos < size && begin[m_pos] == '\n')
                ++m_pos;
            ++m_linesRead;
            return true;
        }
        const qsizetype searchedAfterBlock = end - m_pos;
        if (!readBlock() && !cr)
            break;
        searched = m_pos + searchedAfterBlock;
    }
    // The last line of a file need not end in a line end.
    if (m_failed || m_pos >= m_buffer.size()) {
        line.clear();
        return false;
    }
    decodeInto(line, m_buffer.constData() + m_pos, m_buffer.size() - m_pos);
    m_pos = m_buffer.size();
    ++m_linesRead;
    return true;
}
