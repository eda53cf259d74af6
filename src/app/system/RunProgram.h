#pragma once
// Starting external command lines through /bin/sh with a working folder of their own, so that
// the program's current folder never changes. A command that cannot be started, that the shell
// cannot find, or that fails is reported with the system's or the program's own message; the
// caller goes on either way.

#include "exchange/external/ExternalRoutes.h"

#include <functional>
#include <string>

class QObject;

using TRunReport = std::function<void(const std::string& message)>;

// Starts the command and returns at once; its end is watched while the owner lives, and a
// failure is reported then. False when the shell could not be started.
bool RunProgram(const std::string& commandLine, const std::string& folder, QObject* owner,
                const TRunReport& report);

// Starts the command and waits, without a time limit, until it ends. True when it ran and
// ended with status 0.
bool RunProgramAndWait(const std::string& commandLine, const std::string& folder,
                       const TRunReport& report);

// The routes' starter for the window: both calls report through report.
class TShellStarter : public TProgramStarter {
public:
    TShellStarter(QObject* owner, TRunReport report) : Owner(owner), Report(std::move(report)) {}
    void Run(const std::string& commandLine, const std::string& folder) override;
    void RunAndWait(const std::string& commandLine, const std::string& folder) override;

private:
    QObject* Owner;
    TRunReport Report;
};
