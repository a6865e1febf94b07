// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmabout.h"

#include "app/centerform.h"
#include "app/makerlogo.h"
#include "common/makerinfo.h"
#include "state/basmodule.h"
#include "ui/linklook.h"
#include "ui/shellroutines.h"

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
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About "));
    setModal(true);
    buildForm();
    Form_Load();
}

QString frmAbout::VersionText()
{
    return QString::number(QUORVANTIX_VERSION_MAJOR) + u'.' + QString::number(QUORVANTIX_VERSION_MINOR) + u'.'
           + QLatin1String(basModule::VersionDate);
}

void frmAbout::buildForm()
{
    QLabel *logo = imgLogo = label(this, "imgLogo");
    const qreal ratio = devicePixelRatioF();
    QPixmap picture = QPixmap::fromImage(MakerLogo::image(qRound(72 * ratio)));
    picture.setDevicePixelRatio(ratio);
    logo->setPixmap(picture);
    logo->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    QLabel *desc = lblDesc = label(this, "lblDesc");
    QFont big = desc->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    desc->setFont(big);

    auto *head = new QVBoxLayout;
    head->addWidget(desc);
    head->addWidget(lblDesc2 = label(this, "lblDesc2", tr(" Graphical User Interface")));
    head->addWidget(lblVer = label(this, "lblVer"));
    head->addWidget(lblCopyright = label(this, "lblCopyright"));
    head->addSpacing(8);
    head->addWidget(Label8 = label(this, "Label8", tr("For updates, please visit")));

    QLabel *site = lblQMT_Web_Site = label(this, "lblQMT_Web_Site", MakerInfo::WebSiteCaption);
    ui::giveLinkLook(site);
    site->setToolTip(MakerInfo::WebSite);
    site->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    site->installEventFilter(this);
    head->addWidget(site);
    head->addSpacing(8);

    head->addWidget(Label1 = label(this, "Label1", MakerInfo::Name));
    head->addWidget(Label2 = label(this, "Label2", MakerInfo::Street));
    head->addWidget(Label3 = label(this, "Label3", MakerInfo::City));
    head->addWidget(Label5 = label(this, "Label5", MakerInfo::Telephone));
    head->addWidget(Label6 = label(this, "Label6", MakerInfo::Fax));
    head->addWidget(Label7 = label(this, "Label7", MakerInfo::InfoAddress));

    auto *ok = cmdOK = new QPushButton(tr("OK"), this);
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
    lblDesc->setText(tr("QUORVANTIX"));
    lblVer->setText(VersionText());
    lblCopyright->setText(MakerInfo::Notice(QDate::currentDate().year()));
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
    if (watched == lblQMT_Web_Site && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && lblQMT_Web_Site->rect().contains(mouse->position().toPoint())) {
            lblQMT_Web_Site_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
