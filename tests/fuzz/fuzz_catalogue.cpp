// Feeds arbitrary bytes to the catalogue reader and to the domain entries
// built from what it read. Any outcome but a crash is fine.
#include "catalogue/cataloguetext.h"
#include "catalogue/configreader.h"
#include "domain/domainentries.h"
#include "ui/messages.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

class SilentMessages final : public ui::Messages
{
public:
    ui::MessageAnswer show(const QString &, const QString &, ui::MessageIcon, ui::MessageButtons,
                           const QString &) override
    {
        return ui::MessageAnswer::Ok;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir folder;
    QFile file(folder.filePath("tiles.cfg"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();

    SilentMessages messages;
    CatalogueTables tables;
    ConfigReader(tables, messages).ReadConfigFile(folder.path(), "tiles.cfg");
    QStringList countries = tables.CountryNames;
    tables.CountryDomains = MapCountriesToDomains(countries, tables.DomainCountries);
    for (qsizetype k = 0; k < countries.size() && k < 50; ++k) {
        const QStringList entries = DomainEntries::entriesFor(countries.at(k), tables.CountryDomains.at(k), tables);
        for (const QString &entry : entries)
            DomainEntries::limitsOf(DomainEntries::padded(DomainEntries::numberOf(entry)), tables);
    }
    return 0;
}
