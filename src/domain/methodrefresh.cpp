// SPDX-License-Identifier: GPL-3.0-or-later
#include "domain/methodrefresh.h"

#include "common/numbertext.h"
#include "entry/centrepanel.h"
#include "entry/coordinateentry.h"
#include "entry/indexrangepanel.h"
#include "state/mainstate.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {

// The method list's captions, translated in the context frmMain fills the
// list with, so that the chosen method is told by its caption in any language.
const char *const Geodetic = QT_TRANSLATE_NOOP("MethodList", "Geodetic (Latitude/Longitude):");
const char *const Indices = QT_TRANSLATE_NOOP("MethodList", "Indices (i,j):");
const char *const Centre = QT_TRANSLATE_NOOP("MethodList", "Center (Latitude/Longitude) with radius:");

bool isMethod(const QString &caption, const char *source)
{
    return caption == QCoreApplication::translate("MethodList", source);
}

// A limit as the fields show it: its magnitude, the stored text when it is
// not negative, the plain form of its negation otherwise.
QString displayedNumber(const QString &limit, double value)
{
    return value >= 0 ? limit : NumberText::plain(-value);
}

} // namespace

MethodRefresh::MethodRefresh(const Controls &controls, MainState &state)
    : m_form(controls)
    , m_state(state)
{
    QObject::connect(m_form.cboChoice1, &QComboBox::activated, m_form.cboChoice1, [this] { cboChoice1_Click(); });
}

void MethodRefresh::cboChoice1_Click()
{
    const Controls &f = m_form;
    HideEntryPanels();
    EnableEntryFields();

    const QString method = f.cboChoice1->currentText();
    if (isMethod(method, Geodetic)) {
        m_state.SelectionMethod = CoordinateMethod::LatLonBox;
        f.Geodetic1->setVisible(true);
        f.Geodetic2->setVisible(true);
        ShowDomainLimits();
    } else if (isMethod(method, Indices)) {
        m_state.SelectionMethod = CoordinateMethod::Indices;
        f.indexRange->setVisible(true);
        f.Geodetic2->setVisible(false);
        const QStringList &limits = m_state.DomainLimits;
        f.Label8->setText(tr("To       ") + limits.value(2));
        f.Label10->setText(tr("To       ") + limits.value(3));
        f.label11->setText(tr("Index i from   ") + limits.value(0));
        f.Label9->setText(tr("Index j from    ") + limits.value(1));
        f.indexRange->setTexts(limits.value(0), limits.value(2), limits.value(1), limits.value(3));
    } else if (isMethod(method, Centre)) {
        m_state.SelectionMethod = CoordinateMethod::CentreRadius;
        f.centre->setVisible(true);
        f.Geodetic2->setVisible(false);
        ShowDomainLimits();
    }
}

void MethodRefresh::HideEntryPanels()
{
    const Controls &f = m_form;
    f.Geodetic1->setVisible(false);
    f.centre->setVisible(false);
    f.indexRange->setVisible(false);
    f.TilesListBox->clear();
}

void MethodRefresh::EnableEntryFields()
{
    const Controls &f = m_form;
    const CoordinateEntry &lat = *f.startLatitude, &lon = *f.startLongitude;
    const CentrePanel &c = *f.centre;
    QWidget *const fields[] = {lat.decimal(), lon.decimal(), lat.degrees(),    lat.minutes(),
                               lat.seconds(), lon.degrees(), lon.minutes(),    lon.seconds(),
                               c.txtRadius1,  c.txtEMRLAT01, c.cboEMRLAT01,    c.txtEMRLON01,
                               c.cboEMRLON01, f.cboChoice1,  lat.hemisphere(), lon.hemisphere()};
    for (QWidget *w : fields)
        w->setEnabled(true);
    const QColor background = QApplication::palette().color(QPalette::Base);
    for (QWidget *w : fields) {
        QPalette palette = w->palette();
        palette.setColor(QPalette::Base, background);
        w->setPalette(palette);
    }
}

void MethodRefresh::ShowDomainLimits()
{
    const Controls &f = m_form;
    const QStringList &limits = m_state.DomainLimits;

    struct Row
    {
        int from, to;
        QLabel *fromLabel, *toLabel;
        QLineEdit *fromField, *toField;
        QComboBox *fromList, *toList;
        const char *fromCaption;
        QChar positive, negative;
    };
    const Row rows[] = {
        {8, 9, f.label11, f.Label8, f.startLatitude->decimal(), f.endLatitude->decimal(), f.startLatitude->hemisphere(),
         f.endLatitude->hemisphere(), QT_TR_NOOP("Lat from  "), u'N', u'S'},
        {6, 7, f.Label9, f.Label10, f.startLongitude->decimal(), f.endLongitude->decimal(),
         f.startLongitude->hemisphere(), f.endLongitude->hemisphere(), QT_TR_NOOP("Lon from  "), u'E', u'W'},
    };

    for (const Row &row : rows) {
        const std::optional<double> from = NumberText::toNumber(limits.value(row.from));
        const std::optional<double> to = NumberText::toNumber(limits.value(row.to));
        if (!from || !to)
            continue; // a row that does not read stays as it is
        // Two negative limits change places, so the row runs from the limit
        // nearer the equator or the prime meridian.
        const bool swap = *from < 0 && *to < 0;
        const int first = swap ? row.to : row.from;
        const int second = swap ? row.from : row.to;
        const double firstValue = swap ? *to : *from;
        const double secondValue = swap ? *from : *to;

        const auto show = [&](QLabel *label, const QString &caption, QLineEdit *field, QComboBox *list, int position,
                              double value) {
            const QString number = displayedNumber(limits.at(position), value);
            const QChar hemisphere = value >= 0 ? row.positive : row.negative;
            label->setText(caption + number + u' ' + hemisphere);
            field->setText(number);
            list->setCurrentIndex(list->findText(QString(hemisphere), Qt::MatchExactly | Qt::MatchCaseSensitive));
        };
        show(row.fromLabel, tr(row.fromCaption), row.fromField, row.fromList, first, firstValue);
        show(row.toLabel, tr("To     "), row.toField, row.toList, second, secondValue);
    }
}
