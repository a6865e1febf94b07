// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/listfieldreader.h"

ListFieldReader::ListFieldReader(const QString &text)
    : m_text(text)
{
}

QString ListFieldReader::next()
{
    return nextView().toString();
}

QStringView ListFieldReader::nextView()
{
    while (!atEnd() && m_text.at(m_pos) == u' ')
        ++m_pos;
    if (atEnd())
        return {};
    if (atLineEnd()) {
        skipLineEnd();
        return {};
    }

    if (m_text.at(m_pos) == u'"') {
        const qsizetype begin = m_pos + 1;
        qsizetype close = m_text.indexOf(u'"', begin);
        if (close < 0)
            close = m_text.size();
        m_pos = close + 1 < m_text.size() ? close + 1 : m_text.size();
        skipToFieldEnd();
        return QStringView(m_text).mid(begin, close - begin);
    }

    const qsizetype begin = m_pos;
    const QChar *text = m_text.constData();
    const qsizetype size = m_text.size();
    while (m_pos < size && text[m_pos] != u',' && text[m_pos] != u'\r' && text[m_pos] != u'\n')
        ++m_pos;
    const QStringView field = QStringView(m_text).mid(begin, m_pos - begin);
    skipToFieldEnd();
    return field;
}

bool ListFieldReader::atLineEnd() const
{
    return m_text.at(m_pos) == u'\r' || m_text.at(m_pos) == u'\n';
}

void ListFieldReader::skipLineEnd()
{
    if (m_text.at(m_pos) == u'\r' && m_pos + 1 < m_text.size() && m_text.at(m_pos + 1) == u'\n')
        ++m_pos;
    ++m_pos;
}

void ListFieldReader::skipToFieldEnd()
{
    while (!atEnd()) {
        if (m_text.at(m_pos) == u',') {
            ++m_pos;
            return;
        }
        if (atLineEnd()) {
            skipLineEnd();
            return;
        }
        ++m_pos;
    }
}
