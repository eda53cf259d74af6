// The program entry: the main window and its message loop.
#include "app/window/MainForm.h"
#include "base/Error.h"
#include "base/FileNames.h"
#include "base/StartAppDir.h"

#include <QApplication>
#include <QMessageBox>
#include <clocale>

namespace {
// An installed program works in the user's own folder; without it there is nowhere to keep the
// settings, so the program says why and stops.
bool PrepareAppDir() {
    try {
        TFillReport report = StartAppDir();
        if (!report.Offered.empty()) {
            QString names;
            for (const std::string& name : report.Offered)
                names += "\n" + QString::fromStdString(AppDir() + name);
            QMessageBox::information(nullptr, "Tessaryn",
                                     "These files were changed by you and are kept. The newer "
                                     "versions that came with the program lie beside them as "
                                     "NAME.new:" +
                                         names);
        }
        return true;
    } catch (const TError& e) {
        QMessageBox::critical(nullptr, "Tessaryn", QString::fromStdString(e.what()));
        return false;
    }
}
} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Numbers are read and written with '.' whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    if (!PrepareAppDir())
        return 1;
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    TMainForm window(args);
    window.show();
    return app.exec();
}
