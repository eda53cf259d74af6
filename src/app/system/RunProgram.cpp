#include "app/system/RunProgram.h"

#include <QProcess>

namespace {

// The shell's status for a command it cannot find.
constexpr int CommandNotFound = 127;
// A failing program's last words are enough; POV-Ray writes pages of statistics first.
constexpr int ReportedLines = 12;

// A program still running when its owner goes is ended with it; that end is nobody's news, and
// the owner is half gone by then, so the watcher lets go first.
class TWatchedProcess : public QProcess {
public:
    using QProcess::QProcess;
    ~TWatchedProcess() override { disconnect(); }
};

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

bool RunProgram(const std::string& commandLine, const std::string& folder, QObject* owner,
                const TRunReport& report) {
    auto* process = new TWatchedProcess(owner);
    Prepare(*process, commandLine, folder);
    QObject::connect(process, &QProcess::finished, process, [process, commandLine, report] {
        CheckEnd(*process, commandLine, report);
        process->deleteLater();
    });
    process->start();
    if (process->waitForStarted(-1))
        return true;
    ReportStartFailure(*process, commandLine, report);
    process->deleteLater();
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

void TShellStarter::Run(const std::string& commandLine, const std::string& folder) {
    RunProgram(commandLine, folder, Owner, Report);
}

void TShellStarter::RunAndWait(const std::string& commandLine, const std::string& folder) {
    RunProgramAndWait(commandLine, folder, Report);
}
