// SPDX-License-Identifier: GPL-3.0-or-later
#include "domain/methodrefresh.h"

#include "common/numbertext.h"
#include "core/mainwindowform.h"
#include "core/windowcontext.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace {

const QString Geodetic = QStringLiteral("Geodetic (Latitude/Longitude):");
const QString Indices = QStringLiteral("Indices (i,j):");
const QString Centre = QStringLiteral("Center (Latitude/Longitude) with radius:");

// A limit as the fields show it: its magnitude, the stored text when it is
// not negative, the plain form of its negation otherwise.
QString displayedNumber(const QString &limit, double value)
{
    return value >= 0 ? limit : NumberText::plain(-value);
}

} // namespace

MethodRefresh::MethodRefresh(WindowContext &context)
    : m_context(context)
{
    QObject::connect(m_context.form.cboChoice1, &QComboBox::activated, m_context.form.centralWidget,
                     [this] { cboChoice1_Click(); });
}

void MethodRefresh::cboChoice1_Click()
{
    const MainWindowForm &f = m_context.form;
    HideEntryPanels();
    EnableEntryFields();

    const QString method = f.cboChoice1->currentText();
    if (method == Geodetic) {
        m_context.state.SelectionMethod = CoordinateMethod::LatLonBox;
        f.Geodetic1->setVisible(true);
        f.Geodetic2->setVisible(true);
        ShowDomainLimits();
    } else if (method == Indices) {
        m_context.state.SelectionMethod = CoordinateMethod::Indices;
        f.Indices->setVisible(true);
        f.Geodetic2->setVisible(false);
        const QStringList &limits = m_context.state.DomainLimits;
        f.Label8->setText(QStringLiteral("To       ") + limits.value(2));
        f.Label10->setText(QStringLiteral("To       ") + limits.value(3));
        f.label11->setText(QStringLiteral("Index i from   ") + limits.value(0));
        f.Label9->setText(QStringLiteral("Index j from    ") + limits.value(1));
        f.TextIndexiStart->setText(limits.value(0));
        f.TextIndexiEnd->setText(limits.value(2));
        f.TextIndexjStart->setText(limits.value(1));
        f.TextIndexjEnd->setText(limits.value(3));
    } else if (method == Centre) {
        m_context.state.SelectionMethod = CoordinateMethod::CentreRadius;
        f.RangeD->setVisible(true);
        f.Geodetic2->setVisible(false);
        ShowDomainLimits();
    }
}

void MethodRefresh::HideEntryPanels()
{
    const MainWindowForm &f = m_context.form;
    f.Geodetic1->setVisible(false);
    f.RangeD->setVisible(false);
    f.Indices->setVisible(false);
    f.TilesListBox->clear();
}

void MethodRefresh::EnableEntryFields()
{
    const MainWindowForm &f = m_context.form;
    QWidget *const fields[] = {f.txtLat1,     f.txtLon1,    f.txtLatD1,   f.txtLatM1,    f.txtLatS1,    f.txtLonD1,
                               f.txtLonM1,    f.txtLonS1,   f.txtRadius1, f.txtEMRLAT01, f.cboEMRLAT01, f.txtEMRLON01,
                               f.cboEMRLON01, f.cboChoice1, f.cboLatLL1,  f.cboLonLL1};
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
    const MainWindowForm &f = m_context.form;
    const QStringList &limits = m_context.state.DomainLimits;

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
        {8, 9, f.label11, f.Label8, f.txtLat1, f.txtLat2, f.cboLatLL1, f.cboLatLL2, "Lat from  ", u'N', u'S'},
        {6, 7, f.Label9, f.Label10, f.txtLon1, f.txtLon2, f.cboLonLL1, f.cboLonLL2, "Lon from  ", u'E', u'W'},
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
        show(row.fromLabel, QLatin1String(row.fromCaption), row.fromField, row.fromList, first, firstValue);
        show(row.toLabel, QStringLiteral("To     "), row.toField, row.toList, second, secondValue);
    }
}
