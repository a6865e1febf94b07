#include "app/requestform.h"

#include "app/basmodule.h"
#include "app/mainstate.h"
#include "domain/domainentries.h"
#include "ui/picklist.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

template<typename T>
T *control(QWidget *window, const QString &name)
{
    T *found = window->findChild<T *>(name);
    Q_ASSERT_X(found, "RequestForm", qPrintable(name));
    return found;
}

// A pick of the user: the item becomes the current one and the list's
// handler runs, also when it was current already.
void pick(QComboBox *list, int index)
{
    list->setCurrentIndex(index);
    emit list->activated(index);
}

bool sameNumber(const QString &a, const QString &b)
{
    bool okA = false;
    bool okB = false;
    const int x = a.toInt(&okA);
    return okA && x == b.toInt(&okB) && okB;
}

} // namespace

RequestForm::RequestForm(QWidget *window, const MainState &state)
    : m_window(window)
    , m_state(state)
{
}

TileRequest RequestForm::current() const
{
    TileRequest request;
    request.country = control<QComboBox>(m_window, QStringLiteral("CountriesListBox"))->currentText();
    request.region = m_state.SelectedDomain;
    const QListWidgetItem *entry = control<QListWidget>(m_window, QStringLiteral("DomainsAvailableBox"))->currentItem();
    // Every domain entry ends with its four-digit year.
    request.year = entry ? entry->text().right(4) : QString();
    request.selectionMethod = basModule::SelectionMethod;
    for (const QString &name : TileRequests::entryNames(request.selectionMethod)) {
        QWidget *widget = control<QWidget>(m_window, name);
        if (auto *list = qobject_cast<QComboBox *>(widget))
            request.entries << list->currentText();
        else
            request.entries << control<QLineEdit>(m_window, name)->text();
    }
    return request;
}

QString RequestForm::resolution() const
{
    const QListWidgetItem *entry = control<QListWidget>(m_window, QStringLiteral("DomainsAvailableBox"))->currentItem();
    if (!entry)
        return QString();
    const QString text = entry->text();
    const QString label = QStringLiteral("resolution: ");
    const qsizetype from = text.indexOf(label);
    const qsizetype to = text.indexOf(QLatin1String("km,"), from);
    return from < 0 || to < 0 ? QString() : text.mid(from + label.size(), to - from - label.size());
}

std::optional<RequestForm::Place> RequestForm::find(const TileRequest &request) const
{
    const CatalogueTables &tables = m_state.tables;
    if (!tables.ConfigLoaded || !TileRequests::isComplete(request))
        return std::nullopt;
    const QComboBox *countries = control<QComboBox>(m_window, QStringLiteral("CountriesListBox"));
    for (int k = 0; k < countries->count() && k < tables.CountryDomains.size(); ++k) {
        const QString country = countries->itemText(k);
        if (!request.country.isEmpty() && country != request.country)
            continue;
        for (const QString &entry : DomainEntries::entriesFor(country, tables.CountryDomains.at(k), tables)) {
            if (sameNumber(DomainEntries::numberOf(entry), request.region) && entry.right(4) == request.year)
                return Place{k, entry};
        }
    }
    return std::nullopt;
}

bool RequestForm::restore(const TileRequest &request)
{
    const std::optional<Place> place = find(request);
    if (!place)
        return false;

    pick(control<QComboBox>(m_window, QStringLiteral("CountriesListBox")), place->country);
    auto *domains = control<ui::PickList>(m_window, QStringLiteral("DomainsAvailableBox"));
    const QList<QListWidgetItem *> found = domains->findItems(place->entry, Qt::MatchExactly);
    if (found.isEmpty())
        return false;
    const int row = domains->row(found.first());
    if (domains->currentRow() == row && found.first()->isSelected())
        emit domains->picked(row);
    else
        domains->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    pick(control<QComboBox>(m_window, QStringLiteral("cboChoice1")), request.selectionMethod - 1);

    const QStringList names = TileRequests::entryNames(request.selectionMethod);
    for (qsizetype i = 0; i < names.size(); ++i) {
        QWidget *widget = control<QWidget>(m_window, names.at(i));
        if (auto *list = qobject_cast<QComboBox *>(widget)) {
            const int item = list->findText(request.entries.at(i));
            if (item >= 0)
                pick(list, item);
        } else {
            control<QLineEdit>(m_window, names.at(i))->setText(request.entries.at(i));
        }
    }
    return true;
}
