#include "domain/methodrefresh.h"

#include "app/basmodule.h"
#include "app/windowcontext.h"
#include "common/numbertext.h"

#include <QApplication>
#include <QComboBox>

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
    QObject::connect(m_context.controls.comboBox(QStringLiteral("cboChoice1")), &QComboBox::activated,
                     m_context.controls.window(), [this] { cboChoice1_Click(); });
}

void MethodRefresh::cboChoice1_Click()
{
    const ui::Controls &c = m_context.controls;
    HideEntryPanels();
    EnableEntryFields();

    const QString method = c.text(QStringLiteral("cboChoice1"));
    if (method == Geodetic) {
        basModule::SelectionMethod = 1;
        c.setVisible(QStringLiteral("Geodetic1"), true);
        c.setVisible(QStringLiteral("Geodetic2"), true);
        ShowDomainLimits();
    } else if (method == Indices) {
        basModule::SelectionMethod = 2;
        c.setVisible(QStringLiteral("Indices"), true);
        c.setVisible(QStringLiteral("Geodetic2"), false);
        const QStringList &limits = m_context.state.DomainLimits;
        c.setText(QStringLiteral("Label8"), QStringLiteral("To       ") + limits.value(2));
        c.setText(QStringLiteral("Label10"), QStringLiteral("To       ") + limits.value(3));
        c.setText(QStringLiteral("label11"), QStringLiteral("Index i from   ") + limits.value(0));
        c.setText(QStringLiteral("Label9"), QStringLiteral("Index j from    ") + limits.value(1));
        c.setText(QStringLiteral("TextIndexiStart"), limits.value(0));
        c.setText(QStringLiteral("TextIndexiEnd"), limits.value(2));
        c.setText(QStringLiteral("TextIndexjStart"), limits.value(1));
        c.setText(QStringLiteral("TextIndexjEnd"), limits.value(3));
    } else if (method == Centre) {
        basModule::SelectionMethod = 3;
        c.setVisible(QStringLiteral("RangeD"), true);
        c.setVisible(QStringLiteral("Geodetic2"), false);
        ShowDomainLimits();
    }
}

void MethodRefresh::HideEntryPanels()
{
    const ui::Controls &c = m_context.controls;
    c.setVisible(QStringLiteral("Geodetic1"), false);
    c.setVisible(QStringLiteral("RangeD"), false);
    c.setVisible(QStringLiteral("Indices"), false);
    c.clearItems(QStringLiteral("TilesListBox"));
}

void MethodRefresh::EnableEntryFields()
{
    static const char *const fields[] = {
        "txtLat1", "txtLon1", "txtLatD1", "txtLatM1", "txtLatS1", "txtLonD1", "txtLonM1", "txtLonS1",
        "txtRadius1", "txtEMRLAT01", "cboEMRLAT01", "txtEMRLON01", "cboEMRLON01", "cboChoice1",
        "cboLatLL1", "cboLonLL1"};
    const ui::Controls &c = m_context.controls;
    for (const char *name : fields)
        c.setEnabled(QLatin1String(name), true);
    const QColor background = QApplication::palette().color(QPalette::Base);
    for (const char *name : fields) {
        QWidget *w = c.widget(QLatin1String(name));
        QPalette palette = w->palette();
        palette.setColor(QPalette::Base, background);
        w->setPalette(palette);
    }
}

void MethodRefresh::ShowDomainLimits()
{
    const ui::Controls &c = m_context.controls;
    const QStringList &limits = m_context.state.DomainLimits;

    struct Row
    {
        int from, to;
        const char *fromLabel, *toLabel, *fromField, *toField, *fromList, *toList;
        const char *fromCaption;
        QChar positive, negative;
    };
    static const Row rows[] = {
        {8, 9, "label11", "Label8", "txtLat1", "txtLat2", "cboLatLL1", "cboLatLL2", "Lat from  ", u'N', u'S'},
        {6, 7, "Label9", "Label10", "txtLon1", "txtLon2", "cboLonLL1", "cboLonLL2", "Lon from  ", u'E', u'W'},
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

        const auto show = [&](const char *label, const QString &caption, const char *field,
                              const char *list, int position, double value) {
            const QString number = displayedNumber(limits.at(position), value);
            const QChar hemisphere = value >= 0 ? row.positive : row.negative;
            c.setText(QLatin1String(label), caption + number + u' ' + hemisphere);
            c.setText(QLatin1String(field), number);
            c.setText(QLatin1String(list), QString(hemisphere));
        };
        show(row.fromLabel, QLatin1String(row.fromCaption), row.fromField, row.fromList, first, firstValue);
        show(row.toLabel, QStringLiteral("To     "), row.toField, row.toList, second, secondValue);
    }
}
