// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/requestform.h"

#include "core/mainwindowform.h"
#include "domain/domainentries.h"
#include "state/mainstate.h"
#include "ui/picklist.h"
#include "ui/userpick.h"

#include <QComboBox>
#include <QLineEdit>

#include <algorithm>

namespace {

bool sameNumber(const QString &a, const QString &b)
{
    bool okA = false;
    bool okB = false;
    const int x = a.toInt(&okA);
    return okA && x == b.toInt(&okB) && okB;
}

} // namespace

RequestForm::RequestForm(const MainWindowForm &form, const MainState &state)
    : m_form(form)
    , m_state(state)
{
}

// The entry controls are named by the request, each a text field or a list.
QWidget *RequestForm::entry(const QString &name) const
{
    const QList<QWidget *> controls = m_form.entryWidgets();
    const auto found = std::find_if(controls.begin(), controls.end(),
                                    [&name](QWidget *w) { return w->objectName() == name; });
    Q_ASSERT_X(found != controls.end(), "RequestForm", qPrintable(name));
    return *found;
}

TileRequest RequestForm::current() const
{
    TileRequest request;
    request.country = m_form.CountriesListBox->currentText();
    request.region = m_state.SelectedDomain;
    // Every domain entry ends with its four-digit year.
    request.year = m_form.DomainsAvailableBox->chosenText().right(4);
    request.selectionMethod = m_state.SelectionMethod;
    for (const QString &name : TileRequests::entryNames(request.selectionMethod)) {
        QWidget *widget = entry(name);
        if (auto *list = qobject_cast<QComboBox *>(widget))
            request.entries << list->currentText();
        else
            request.entries << qobject_cast<QLineEdit *>(widget)->text();
    }
    return request;
}

QString RequestForm::resolution() const
{
    const QString text = m_form.DomainsAvailableBox->chosenText();
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
    const QComboBox *countries = m_form.CountriesListBox;
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

    ui::pickAsUser(m_form.CountriesListBox, place->country);
    ui::PickList *domains = m_form.DomainsAvailableBox;
    const QList<QListWidgetItem *> found = domains->findItems(place->entry, Qt::MatchExactly);
    if (found.isEmpty())
        return false;
    const int row = domains->row(found.first());
    if (domains->currentRow() == row && found.first()->isSelected())
        emit domains->picked(row);
    else
        domains->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    ui::pickAsUser(m_form.cboChoice1, int(request.selectionMethod) - 1);

    const QStringList names = TileRequests::entryNames(request.selectionMethod);
    for (qsizetype i = 0; i < names.size(); ++i) {
        QWidget *widget = entry(names.at(i));
        if (auto *list = qobject_cast<QComboBox *>(widget)) {
            const int item = list->findText(request.entries.at(i));
            if (item >= 0)
                ui::pickAsUser(list, item);
        } else {
            qobject_cast<QLineEdit *>(widget)->setText(request.entries.at(i));
        }
    }
    return true;
}
