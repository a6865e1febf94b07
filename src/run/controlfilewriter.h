// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "run/controlfilelines.h"

#include <optional>

class QComboBox;
class QLineEdit;
class QString;
struct WindowContext;

// Writes the engine's control file "quorvantix.inp" into the working folder
// from the selected domain and the entries of the active method, after
// checking those entries. A refused entry is explained in a message and
// nothing is written.
class ControlFileWriter
{
public:
    explicit ControlFileWriter(WindowContext &context);

    // True when the control file was written.
    bool WriteControlFile();
    // The lines the control file would hold now, after the same checks;
    // nothing, after the refusal's message, when the entries are refused.
    std::optional<QStringList> CheckedControlFileLines();

    // Each returns true when the entries are refused, after its message.
    bool CheckIndexEntries();
    bool CheckLatLonEntries();
    bool CheckCentreEntries();

    // Fill the limit slots from entries the checks above accepted.
    void ReadIndexLimits(LimitArray &limits) const;
    void ReadLatLonLimits(LimitArray &limits) const;
    void ReadCentreAndRadius(LimitArray &limits) const;

private:
    bool refuse(const QString &message);
    static double signedValue(const QLineEdit *field, const QComboBox *hemisphere, const char *negative);

    WindowContext &m_context;
};
