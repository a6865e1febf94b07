// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/downloadscontrol.h"

#include "common/makerinfo.h"
#include "state/mainstate.h"
#include "ui/linklook.h"
#include "ui/messages.h"
#include "ui/mousepointer.h"
#include "update/catalogueupdate.h"
#include "update/catalogueupdater.h"
#include "update/downloadprogress.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QScopedValueRollback>
#include <QtEndian>

#include <optional>

namespace {

const QString CrLf = QStringLiteral("\r\n");
const QString CataloguePath = QStringLiteral("/quorvantix/tiles_cfg.txt");

const char UpdateQuestion[] = QT_TRANSLATE_NOOP(
    "DownloadsControl", "The version of configuration file you are using is not the latest one, would you like to "
                        "download the latest update");
const char NowUpToDate[] = QT_TRANSLATE_NOOP("DownloadsControl", "Your configuration file is now up to date");
const char UpToDate[] = QT_TRANSLATE_NOOP("DownloadsControl", "Your configuration file is up to date");

#ifdef Q_OS_WIN
const QString SystemCursorFile = QStringLiteral("C:\\Windows\\Cursors\\harrow.cur");
#else
const QString SystemCursorFile;
#endif

// A cursor file is an icon file whose directory entry keeps the hot spot
// where an icon keeps its colour planes and depth.
std::optional<QCursor> loadCursorFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    QImage image;
    if (!image.loadFromData(bytes, "CUR") || bytes.size() < 14)
        return std::nullopt;
    const int hotX = qFromLittleEndian<quint16>(bytes.constData() + 10);
    const int hotY = qFromLittleEndian<quint16>(bytes.constData() + 12);
    return QCursor(QPixmap::fromImage(image), hotX, hotY);
}

// Message boxes break lines at LF on every platform.
QString displayText(const QString &text)
{
    QString shown = text;
    return shown.replace(CrLf, QStringLiteral("\n"));
}

} // namespace

DownloadsControl::DownloadsControl(const ui::Services &services, const MainState &state, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_state(state)
    , Label1(new QLabel(this))
    , m_baseAddress(MakerInfo::WebSite)
    , m_cursorFile(SystemCursorFile)
{
    // Its label shares a name with one of the window's: a lookup by name
    // from outside (as the tests make) skips the controls inside this one.
    setProperty("userControl", true);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setText(MakerInfo::WebSiteCaption);

    ui::giveLinkLook(Label1);
    Label1->setMouseTracking(true);
    Label1->installEventFilter(this);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Label1);
}

QString DownloadsControl::catalogueAddress() const
{
    return m_baseAddress + CataloguePath;
}

bool DownloadsControl::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != Label1)
        return QWidget::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::MouseMove:
        Label1_MouseMove();
        break;
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            m_pressed = true;
        break;
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            break;
        const bool click = m_pressed && Label1->rect().contains(mouse->position().toPoint());
        m_pressed = false;
        if (click)
            Label1_Click();
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void DownloadsControl::ResetDownload()
{
    m_download = DownloadState();
}

DownloadResult DownloadsControl::GetContent(const QString &URL)
{
    ResetDownload();
    // A read that takes a while shows its progress over this control.
    DownloadProgress progress(this);
    const UrlReader::Outcome outcome = m_reader.read(URL, &progress);
    if (outcome.refused)
        return {{}, passOn(URL, *outcome.refused)};
    UserControl_AsyncReadComplete(outcome.completed);

    if (m_download.ErrorNumber != 0) {
        const DownloadError raised{m_download.ErrorNumber, m_download.ErrorSource, m_download.ErrorDescription};
        return {{}, passOn(URL, raised)};
    }
    const QByteArray result = m_download.ContentBytes;
    ResetDownload();
    return {result, std::nullopt};
}

DownloadError DownloadsControl::passOn(const QString &URL, const DownloadError &caught)
{
    DownloadError error{caught.number, QStringLiteral("UDownload.GetContent") + CrLf + caught.source, {}};
    if (m_download.ErrorNumber == 0) {
        // Not from the completion handler: the read never ran.
        error.description = tr("Unexpected error when downloading from ") + URL + CrLf + caught.description;
    } else {
        ResetDownload();
        error.description = tr("Error when downloading from ") + URL + CrLf + caught.description;
    }
    return error;
}

void DownloadsControl::UserControl_AsyncReadComplete(const AsyncProp &prop)
{
    m_download.ErrorNumber = CompletionError;
    m_download.ErrorSource = QStringLiteral("AsyncReadComplete");
    if (prop.Cancelled) {
        m_download.ErrorDescription = tr("Download cancelled by the user");
        return;
    }
    // A failed read is reported as such even when it delivered nothing, so
    // the user learns the cause rather than only that the content is missing.
    if (prop.StatusCode == 0) {
        m_download.ErrorDescription = tr("Download error. Status: ") + prop.Status;
        return;
    }
    if (prop.BytesRead == 0) {
        m_download.ErrorDescription = tr("Download did not contain content");
        return;
    }
    m_download.ContentBytes = prop.Value;
    m_download.ErrorNumber = 0;
}

void DownloadsControl::Label1_MouseMove()
{
    // Once loaded, the custom pointer stays with the label.
    if (m_customCursor || m_cursorFile.isEmpty() || !QFileInfo::exists(m_cursorFile))
        return;
    if (const std::optional<QCursor> cursor = loadCursorFile(m_cursorFile)) {
        Label1->setCursor(*cursor);
        m_customCursor = true;
    }
}

void DownloadsControl::Label1_Click()
{
    if (m_checking)
        return;
    const QScopedValueRollback checking(m_checking, true);

    DownloadResult download;
    {
        const ui::BusyPointer busy(*m_services.pointer, Label1);
        download = GetContent(catalogueAddress());
        if (download.ok()) {
            CheckForUpdate(CatalogueUpdate::DecodeSingleByte(download.content));
            return;
        }
    }
    m_services.messages->critical(displayText(download.error->description));
}

void DownloadsControl::CheckForUpdate(const QString &text)
{
    ui::Messages &messages = *m_services.messages;
    const CatalogueUpdater::Verdict verdict = CatalogueUpdater::judge(text, m_state.ConfigFileDate);
    switch (verdict.kind) {
    case CatalogueUpdater::Verdict::Kind::Refused:
        messages.critical(verdict.message);
        return;
    case CatalogueUpdater::Verdict::Kind::UpToDate:
        messages.information(tr(UpToDate));
        return;
    case CatalogueUpdater::Verdict::Kind::Newer:
        break;
    }
    if (messages.question(tr(UpdateQuestion)) != ui::MessageAnswer::Yes)
        return;
    if (const std::optional<CatalogueUpdater::Failure> failure = CatalogueUpdater::install(verdict.catalogue,
                                                                                           m_state.appFolder)) {
        if (failure->details.isEmpty())
            messages.critical(failure->message);
        else
            messages.criticalWithDetails(failure->message, failure->details);
        return;
    }
    messages.information(tr(NowUpToDate));
    emit catalogueReplaced();
}
