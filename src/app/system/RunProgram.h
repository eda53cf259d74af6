#pragma once
// Starting external programs with a working folder of their own, so that the program's current
// folder never changes. Viewers and POV-Ray start detached and outlive this program; the
// converters run through /bin/sh and are waited for. A program that cannot be started, that the
// shell cannot find, or a converter that fails is reported with the system's or the program's
// own message; the caller goes on either way.

#include "exchange/external/ExternalRoutes.h"

#include <functional>
#include <string>

using TRunReport = std::function<void(const std::string& message)>;

// Starts the program as a process of its own and returns at once; nothing watches its end.
// False, after a report, when it could not be started.
bool StartDetached(const TProgramCall& call, const std::string& folder, const TRunReport& report);

// Starts the command and waits, without a time limit, until it ends. True when it ran and
// ended with status 0.
bool RunProgramAndWait(const std::string& commandLine, const std::string& folder,
                       const TRunReport& report);

// The routes' starter for the window: both calls report through report.
class TReportingStarter : public TProgramStarter {
public:
    explicit TReportingStarter(TRunReport report) : Report(std::move(report)) {}
    void Start(const TProgramCall& call, const std::string& folder) override;
    void RunAndWait(const std::string& commandLine, const std::string& folder) override;

private:
    TRunReport Report;
};
