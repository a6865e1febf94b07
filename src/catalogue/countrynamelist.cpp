// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/countrynamelist.h"

#include "catalogue/cataloguetext.h"

CountryNameList::CountryNameList(QStringList &names)
    : m_names(names)
{
    m_names = QStringList{QString()};
}

void CountryNameList::AddCountries(const QString &countryList)
{
    const QStringView list(countryList);
    qsizetype begin = 0;
    for (;;) {
        qsizetype comma = list.indexOf(u',', begin);
        if (comma < 0)
            comma = list.size();
        const QStringView item = list.mid(begin, comma - begin);
        if (m_names.size() == 1 && m_names.first().isEmpty()) {
            m_names.first() = item.toString();
            m_trimmedNames = {};
            m_trimmedNames.insert(TrimmedBlanks(m_names.first()));
        } else {
            const QStringView trimmed = TrimmedBlanks(item);
            if (!m_trimmedNames.contains(trimmed)) {
                m_names.append(trimmed.toString());
                m_trimmedNames.insert(m_names.last());
            }
        }
        if (comma == list.size())
            break;
        begin = comma + 1;
    }
}
