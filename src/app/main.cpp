// The program entry: the main window and its message loop.
#include "app/MainForm.h"

#include <QApplication>
#include <clocale>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Numbers are read and written with '.' whatever the user's locale.
    std::setlocale(LC_NUMERIC, "C");
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    TMainForm window(args);
    window.show();
    return app.exec();
}
