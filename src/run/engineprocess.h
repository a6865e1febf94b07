#pragma once

#include <QByteArray>
#include <QString>

// One run of the tile engine: the program alone, without arguments or shell,
// in the working folder, with its standard error kept (the first few
// kilobytes) for the messages that report a failed run.
class EngineProcess
{
public:
    enum class Outcome {
        NotStarted, // the program could not be started
        Finished,   // it ended by itself; its exit code is its own business
        Crashed,    // it died on a signal or an unhandled fault
    };
    struct Result
    {
        Outcome outcome = Outcome::NotStarted;
        QString errorOutput;
    };

    // The most of the engine's standard error that is kept.
    static constexpr qsizetype MaxErrorOutput = 4096;

    static Result run(const QString &program, const QString &workFolder);
};
