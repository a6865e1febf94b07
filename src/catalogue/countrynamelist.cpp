#include "catalogue/countrynamelist.h"

#include "common/numbertext.h"

CountryNameList::CountryNameList(QStringList &names)
    : m_names(names)
{
    m_names = QStringList{QString()};
}

void CountryNameList::add(const QString &countryList)
{
    qsizetype begin = 0;
    for (;;) {
        qsizetype comma = countryList.indexOf(u',', begin);
        if (comma < 0)
            comma = countryList.size();
        const QString item = countryList.mid(begin, comma - begin);
        const QString trimmed = NumberText::trimBlanks(item);
        if (m_names.size() == 1 && m_names.first().isEmpty()) {
            m_names.first() = item;
            m_trimmedNames = {trimmed};
        } else if (!m_trimmedNames.contains(trimmed)) {
            m_names.append(trimmed);
            m_trimmedNames.insert(trimmed);
        }
        if (comma == countryList.size())
            break;
        begin = comma + 1;
    }
}
