#include "app/frmabout.h"

#include "app/basmodule.h"
#include "app/centerform.h"
#include "app/makerlogo.h"
#include "app/shellroutines.h"
#include "common/makerinfo.h"
#include "ui/linklook.h"

#include <QDate>
#include <QDialogButtonBox>
#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel *label(QWidget *parent, const char *name, const QString &caption = {})
{
    auto *l = new QLabel(caption, parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

} // namespace

frmAbout::frmAbout(ui::Shell &shell, QWidget *parent)
    : QDialog(parent)
    , m_shell(shell)
    , m_controls(this)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About "));
    setModal(true);
    buildForm();
    Form_Load();
}

QString frmAbout::VersionText()
{
    return QString::number(QUORVANTIX_VERSION_MAJOR) + u'.' + QString::number(QUORVANTIX_VERSION_MINOR) + u'.'
        + basModule::VersionDate;
}

void frmAbout::buildForm()
{
    auto *logo = label(this, "imgLogo");
    const qreal ratio = devicePixelRatioF();
    QPixmap picture = QPixmap::fromImage(MakerLogo::image(qRound(72 * ratio)));
    picture.setDevicePixelRatio(ratio);
    logo->setPixmap(picture);
    logo->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    QLabel *desc = label(this, "lblDesc");
    QFont big = desc->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    desc->setFont(big);

    auto *head = new QVBoxLayout;
    head->addWidget(desc);
    head->addWidget(label(this, "lblDesc2", QStringLiteral(" Graphical User Interface")));
    head->addWidget(label(this, "lblVer"));
    head->addWidget(label(this, "lblCopyright"));
    head->addSpacing(8);
    head->addWidget(label(this, "Label8", QStringLiteral("For updates, please visit")));

    QLabel *site = label(this, "lblQMT_Web_Site", MakerInfo::WebSiteCaption);
    ui::giveLinkLook(site);
    site->setToolTip(MakerInfo::WebSite);
    site->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    site->installEventFilter(this);
    head->addWidget(site);
    head->addSpacing(8);

    const std::pair<const char *, const QString &> maker[] = {
        {"Label1", MakerInfo::Name},      {"Label2", MakerInfo::Street}, {"Label3", MakerInfo::City},
        {"Label5", MakerInfo::Telephone}, {"Label6", MakerInfo::Fax},    {"Label7", MakerInfo::InfoAddress}};
    for (const auto &[name, text] : maker)
        head->addWidget(label(this, name, text));

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);

    auto *grid = new QGridLayout(this);
    grid->setHorizontalSpacing(18);
    grid->addWidget(logo, 0, 0);
    grid->addLayout(head, 0, 1);
    grid->addLayout(buttons, 1, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);
}

void frmAbout::Form_Load()
{
    m_controls.setText(QStringLiteral("lblDesc"), QStringLiteral("QUORVANTIX"));
    m_controls.setText(QStringLiteral("lblVer"), VersionText());
    m_controls.setText(QStringLiteral("lblCopyright"), MakerInfo::Notice(QDate::currentDate().year()));
    // The box takes its size from its texts, so it is centred once they are in.
    adjustSize();
    CenterForm(this);
}

void frmAbout::cmdOK_Click()
{
    accept();
}

void frmAbout::lblQMT_Web_Site_Click()
{
    OpenUrl(m_shell, MakerInfo::WebSite + QStringLiteral("/mm5/MM5_Main_Page.html"));
}

bool frmAbout::eventFilter(QObject *watched, QEvent *event)
{
    // The web site label acts as a link: a left click on it opens the page.
    if (watched->objectName() == QLatin1String("lblQMT_Web_Site") && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const auto *site = static_cast<QWidget *>(watched);
        if (mouse->button() == Qt::LeftButton && site->rect().contains(mouse->position().toPoint())) {
            lblQMT_Web_Site_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
