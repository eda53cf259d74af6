#include "app/system/RunProgram.h"

#include "app/system/Settings.h"

#include <QProcess>

namespace {

// The shell's status for a command it cannot find.
constexpr int CommandNotFound = 127;
// A failing program's last words are enough; POV-Ray writes pages of statistics first.
constexpr int ReportedLines = 12;

void Prepare(QProcess& process, const std::string& commandLine, const std::string& folder) {
    process.setProgram("/bin/sh");
    process.setArguments({"-c", QString::fromStdString(commandLine)});
    if (!folder.empty())
        process.setWorkingDirectory(QString::fromStdString(folder));
    process.setStandardOutputFile(QProcess::nullDevice());
}

std::string LastLines(const QByteArray& output) {
    QStringList lines = QString::fromLocal8Bit(output).trimmed().split('\n');
    if (lines.size() > ReportedLines)
        lines = lines.mid(lines.size() - ReportedLines);
    return lines.join('\n').toStdString();
}

// True when the finished process ran its command to a good end; otherwise reports why not.
bool CheckEnd(QProcess& process, const std::string& commandLine, const TRunReport& report) {
    if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0)
        return true;
    bool notFound =
        process.exitStatus() == QProcess::NormalExit && process.exitCode() == CommandNotFound;
    std::string reason = LastLines(process.readAllStandardError());
    if (process.exitStatus() != QProcess::NormalExit)
        reason = process.errorString().toStdString();
    else if (reason.empty())
        reason = notFound ? "Command not found."
                          : "It ended with status " + std::to_string(process.exitCode()) + ".";
    std::string quoted = "\"" + commandLine + "\"";
    report((notFound ? "Could not run " + quoted + ":\n" : quoted + " failed:\n") + reason);
    return false;
}

void ReportStartFailure(QProcess& process, const std::string& commandLine,
                        const TRunReport& report) {
    report("Could not start \"" + commandLine + "\":\n" + process.errorString().toStdString());
}

} // namespace

bool StartDetached(const TProgramCall& call, const std::string& folder, const TRunReport& report) {
    QProcess process;
    process.setProgram(QString::fromStdString(ExpandHome(call.Program)));
    QStringList arguments;
    for (const std::string& argument : call.Arguments)
        arguments << QString::fromStdString(argument);
    process.setArguments(arguments);
    if (!folder.empty())
        process.setWorkingDirectory(QString::fromStdString(folder));
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    if (!call.Program.empty() && process.startDetached())
        return true;
    std::string reason = process.errorString().toStdString();
    if (call.Program.empty() || reason.empty() || reason == "Unknown error")
        reason = "The program was not found or could not be run.";
    report("Could not start \"" + CommandText(call) + "\":\n" + reason);
    return false;
}

bool RunProgramAndWait(const std::string& commandLine, const std::string& folder,
                       const TRunReport& report) {
    QProcess process;
    Prepare(process, commandLine, folder);
    process.start();
    if (!process.waitForStarted(-1)) {
        ReportStartFailure(process, commandLine, report);
        return false;
    }
    process.waitForFinished(-1);
    return CheckEnd(process, commandLine, report);
}

void TReportingStarter::Start(const TProgramCall& call, const std::string& folder) {
    StartDetached(call, folder, Report);
}

void TReportingStarter::RunAndWait(const std::string& commandLine, const std::string& folder) {
    RunProgramAndWait(commandLine, folder, Report);
}
