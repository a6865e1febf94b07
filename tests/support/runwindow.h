#pragma once

#include "support/shownwindow.h"
#include "support/userclicks.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QListWidget>
#include <QStandardPaths>

// The main window ready for "Show tiles in domain": an engine in its
// application folder, a working folder of its own, and region 7 of 2001
// (France) picked by clicks with the I/J indices 10-40 and 5-25 typed.
struct RunWindow : ShownWindow
{
    static QString standInEngine() { return TestFolders::buildAppFolder() + QStringLiteral("/Quorvantix.exe"); }
    static QString replayEngine()
    {
        return QStandardPaths::findExecutable(QStringLiteral("quorvantix-replay-engine"),
                                              {QCoreApplication::applicationDirPath()});
    }

    ~RunWindow()
    {
        window.reset();
        QDir::setCurrent(QDir::tempPath());
    }

    // False when the window cannot be made ready.
    bool open(const QString &engine, const QString &workFolder = {})
    {
        const QString installed = appFolder.filePath(QStringLiteral("Quorvantix.exe"));
        QFile::remove(installed);
        if (!QFile::copy(engine, installed) || !QDir::setCurrent(workFolder.isEmpty() ? work.path() : workFolder)
            || !ShownWindow::open())
            return false;
        const ui::Controls c = controls();
        UserClicks::pickComboText(c.comboBox(QStringLiteral("CountriesListBox")), QStringLiteral("France"));
        QListWidget *domains = c.listWidget(QStringLiteral("DomainsAvailableBox"));
        const QList<QListWidgetItem *> found = domains->findItems(QStringLiteral("Domain 7,*2001"), Qt::MatchWildcard);
        if (found.size() != 1)
            return false;
        UserClicks::pickListRow(domains, domains->row(found.first()));
        UserClicks::pickComboItem(c.comboBox(QStringLiteral("cboChoice1")), 1);
        const std::pair<const char *, const char *> indices[] = {
            {"TextIndexiStart", "10"}, {"TextIndexiEnd", "40"}, {"TextIndexjStart", "5"}, {"TextIndexjEnd", "25"}};
        for (const auto &[name, value] : indices)
            c.setText(QLatin1String(name), QLatin1String(value));
        messages.clear();
        pointer.changes.clear();
        return !QTest::currentTestFailed();
    }

    void clickShow() const
    {
        QTest::mouseClick(controls().button(QStringLiteral("cmdShow")), Qt::LeftButton);
    }
    // "title: text" of each box shown.
    QStringList shown() const
    {
        QStringList result;
        for (const RecordingMessages::Shown &box : messages.shown)
            result << box.title + QStringLiteral(": ") + box.text;
        return result;
    }
    QString engineLog() const
    {
        return QString::fromLocal8Bit(TestFolders::readFile(appFolder.filePath(QStringLiteral("replay.log"))));
    }

    QTemporaryDir work;
};
