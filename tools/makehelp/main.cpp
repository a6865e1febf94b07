// SPDX-License-Identifier: GPL-3.0-or-later
// Build-time helper: renders the help document from its Markdown text, and
// the desktop icon from the maker's logo.
//
//   makehelp pdf <help.md> <output.pdf>
//   makehelp icon <size> <output.png>

#include "app/makerlogo.h"
#include "common/makerinfo.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>
#include <QUrl>

#include <cstdio>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "makehelp: %s\n", qPrintable(message));
    return 1;
}

// The guide names the maker's addresses through {{placeholders}}, so they are
// kept in one place with the program's own.
QString fillIn(QString text)
{
    const std::pair<const char *, const QString &> fields[] = {{"Name", MakerInfo::Name},
                                                               {"Street", MakerInfo::Street},
                                                               {"City", MakerInfo::City},
                                                               {"Telephone", MakerInfo::Telephone},
                                                               {"Fax", MakerInfo::Fax},
                                                               {"InfoAddress", MakerInfo::InfoAddress},
                                                               {"WebSiteCaption", MakerInfo::WebSiteCaption},
                                                               {"OrderAddress", MakerInfo::OrderAddress}};
    for (const auto &[name, value] : fields)
        text.replace(QStringLiteral("{{%1}}").arg(QLatin1String(name)), value);
    return text;
}

// The help text refers to the logo by name; the document asks for it here.
// Printing works on a copy of the document that asks its original for
// resources, so the logo is served by loadResource rather than addResource.
class HelpDocument : public QTextDocument
{
public:
    QVariant loadResource(int type, const QUrl &name) override
    {
        if (type == QTextDocument::ImageResource && name.path() == QLatin1String("qmt-logo.png")) {
            QImage logo = MakerLogo::image(288);
            logo.setDevicePixelRatio(4); // 72 pixels across on the page
            return logo;
        }
        return QTextDocument::loadResource(type, name);
    }
};

int renderPdf(const QString &source, const QString &target)
{
    QFile markdown(source);
    if (!markdown.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1: %2").arg(source, markdown.errorString()));
    const QString text = fillIn(QString::fromUtf8(markdown.readAll()));
    if (text.contains(QLatin1String("{{")))
        return fail(QStringLiteral("%1 names an unknown placeholder").arg(source));

    HelpDocument document;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(10);
    document.setDefaultFont(font);
    document.setDefaultStyleSheet(QStringLiteral("th { background-color: #dde6ee; } td, th { padding: 3px; }"));
    document.setMarkdown(text);

    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("cannot write %1: %2").arg(target, out.errorString()));
    {
        QPdfWriter pdf(&out);
        pdf.setTitle(QStringLiteral("Quorvantix GUI: user guide"));
        pdf.setCreator(MakerInfo::Name);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(18, 16, 18, 16),
                                      QPageLayout::Millimeter));
        document.print(&pdf);
    }
    if (!out.commit())
        return fail(QStringLiteral("cannot write %1: %2").arg(target, out.errorString()));
    return 0;
}

int renderIcon(const QString &sizeText, const QString &target)
{
    bool ok = false;
    const int size = sizeText.toInt(&ok);
    if (!ok || size < 16 || size > 1024)
        return fail(QStringLiteral("icon size %1 out of range").arg(sizeText));
    if (!MakerLogo::image(size).save(target, "PNG"))
        return fail(QStringLiteral("cannot write %1").arg(target));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    // Fonts and images need a GUI application, never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList args = app.arguments();
    if (args.size() == 4 && args.at(1) == QLatin1String("pdf"))
        return renderPdf(args.at(2), args.at(3));
    if (args.size() == 4 && args.at(1) == QLatin1String("icon"))
        return renderIcon(args.at(2), args.at(3));
    return fail(QStringLiteral("usage: makehelp pdf <help.md> <output.pdf> | makehelp icon <size> <output.png>"));
}
