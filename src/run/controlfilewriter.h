// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "run/controlfilelines.h"
#include "run/tilerequest.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

// The lines of a control file, or why there are none.
struct ControlFileCheck
{
    // The twelve lines; empty when refused.
    QStringList lines;
    // The message that refuses the entries or explains a failed write; empty
    // when the lines stand.
    QString refusal;

    bool refused() const { return !refusal.isEmpty(); }
};

// Writes the engine's control file "quorvantix.inp" from a request, after
// checking the entries of its method. A refused request is explained in the
// result and nothing is written.
class ControlFileWriter
{
    Q_DECLARE_TR_FUNCTIONS(ControlFileWriter)

public:
    // `domainLimits`: the selected domain's ten limits as the catalogue gives
    // them; they decide which way round a box runs in longitude.
    ControlFileWriter(TileRequest request, QStringList domainLimits);

    // The checked lines, written into "quorvantix.inp" in `folder`: all or
    // nothing, so a refusal or a failed write keeps the earlier file.
    ControlFileCheck WriteControlFile(const QString &folder) const;
    // The lines the control file would hold, after the same checks.
    ControlFileCheck CheckedControlFileLines() const;

    // Each gives the message that refuses the entries; nothing when they pass.
    std::optional<QString> CheckIndexEntries() const;
    std::optional<QString> CheckLatLonEntries() const;
    std::optional<QString> CheckCentreEntries() const;

    // Fill the limit slots from entries the checks above accepted.
    void ReadIndexLimits(LimitArray &limits) const;
    void ReadLatLonLimits(LimitArray &limits) const;
    void ReadCentreAndRadius(LimitArray &limits) const;

private:
    QString entry(qsizetype k) const { return m_request.entries.value(k); }
    // Entry `value` negated when entry `hemisphere` is exactly `negative`.
    double signedValue(qsizetype value, qsizetype hemisphere, const char *negative) const;

    TileRequest m_request;
    QStringList m_domainLimits;
};
