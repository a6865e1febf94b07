#include "run/tilerun.h"

#include "app/windowcontext.h"
#include "common/makerinfo.h"
#include "common/numbertext.h"
#include "run/listfile.h"
#include "run/shortpath.h"
#include "ui/messages.h"
#include "ui/mousepointer.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QProcess>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

#include <optional>

namespace {

const QString ListFileName = QStringLiteral("quorvantix.lst");
const QString EngineTitle = QStringLiteral("Quorvantix");
const QString NoTiles = QStringLiteral(
    "Unable to process the entered data, please check that your domain limits are within the region selected");

} // namespace

TileRun::TileRun(WindowContext &context)
    : m_context(context)
    , m_writer(context)
{
    QObject::connect(m_context.controls.button(QStringLiteral("cmdShow")), &QAbstractButton::clicked,
                     m_context.controls.window(), [this] { cmdShow_Click(); });
}

void TileRun::cmdShow_Click()
{
    ShowTiles();
}

void TileRun::ShowTiles()
{
    const ui::Controls &c = m_context.controls;
    ui::Messages &messages = *m_context.services.messages;
    if (!domainSelected()) {
        messages.critical(QStringLiteral("No domain has been selected"));
        return;
    }

    std::optional<ui::BusyPointer> busy(std::in_place, *m_context.services.pointer, c.window());
    c.setEnabled(QStringLiteral("ShowFileButton"), false);
    if (!m_writer.WriteControlFile())
        return;

    // The control file was just replaced: a list file of an earlier run no
    // longer answers it and must not pass for this run's.
    const QString listPath = QDir::current().filePath(ListFileName);
    if (QFileInfo::exists(listPath) && !QFile::remove(listPath)) {
        messages.critical(QStringLiteral("The list file %1 of an earlier run cannot be replaced.")
                              .arg(QDir::toNativeSeparators(listPath)));
        return;
    }

    if (!RunEngine()) {
        messages.critical(QStringLiteral("Can not run Quorvantix executable, please make sure it is in the folder ")
                          + QDir::toNativeSeparators(m_context.state.appFolder));
        return;
    }

    QFile listFile(listPath);
    if (!listFile.open(QIODevice::ReadOnly)) {
        messages.critical(QStringLiteral("The Quorvantix executable did not leave a readable list file %1.")
                              .arg(QDir::toNativeSeparators(listPath)));
        return;
    }
    const ListFileContent content = ReadListFile(listFile);
    listFile.close();

    switch (content.outcome) {
    case ListFileContent::Outcome::NoHeader:
        messages.critical(NoTiles + u' ', EngineTitle);
        return;
    case ListFileContent::Outcome::ErrorReported:
        // The list file is in the working folder, so that is the folder named.
        messages.critical(QStringLiteral("Unable to find tiles in domain selected, check quorvantix.lst file in "
                                         "your application folder (")
                              + QDir::toNativeSeparators(QDir::currentPath()) + QStringLiteral(") for details "),
                          EngineTitle);
        return;
    case ListFileContent::Outcome::TableRead:
        break;
    }

    m_tileNumbers = content.TileNumbers;
    c.clearItems(QStringLiteral("TilesListBox"));
    if (m_tileNumbers.isEmpty()) {
        messages.critical(NoTiles, EngineTitle);
        return;
    }
    QStringList items;
    items.reserve(m_tileNumbers.size());
    for (const QString &tile : std::as_const(m_tileNumbers))
        items << QStringLiteral("Tile number: ") + tile;
    c.listWidget(QStringLiteral("TilesListBox"))->addItems(items);
    c.setText(QStringLiteral("TilesCountLabel"), QString::number(c.itemCount(QStringLiteral("TilesListBox"))));
    busy.reset();
    c.setEnabled(QStringLiteral("ShowFileButton"), true);
    c.setText(QStringLiteral("WarningLabel"),
              QStringLiteral("To order tiles, please send your order form and Quorvantix output file to ")
                  + MakerInfo::OrderAddress);
}

bool TileRun::RunEngine()
{
    const QString enginePath = m_context.state.appFolder + QStringLiteral("/Quorvantix.exe");
    if (!QFileInfo(enginePath).isFile())
        return false;
    // The program alone, no arguments and no shell: blanks in the folder's
    // name cannot split the command.
    QString program = GetShortPath(enginePath);
    if (program.isEmpty())
        program = enginePath;

    QProcess engine;
    engine.setProgram(program);
    engine.setArguments({});
    engine.setWorkingDirectory(QDir::currentPath());
    engine.setStandardInputFile(QProcess::nullDevice());
    engine.setStandardOutputFile(QProcess::nullDevice());
    engine.setStandardErrorFile(QProcess::nullDevice());
#ifdef Q_OS_WIN
    engine.setCreateProcessArgumentsModifier(
        [](QProcess::CreateProcessArguments *arguments) { arguments->flags |= CREATE_NO_WINDOW; });
#endif
    engine.start();
    if (!engine.waitForStarted(-1))
        return false;
    // No time-out: the window waits for the engine, however long it takes.
    engine.waitForFinished(-1);
    return true;
}

bool TileRun::domainSelected() const
{
    // "-1" stands for no domain; an empty text (no catalogue was ever read)
    // names none either.
    const std::optional<double> number = NumberText::toNumber(m_context.state.SelectedDomain);
    return number && *number != -1;
}
