#include "app/CVantorApp.h"
#include "ui/frame/LibraryWindows.h"

#include <QCommandLineParser>

int main(int argc, char** argv) {
    vantor::CVantorApp app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Editor for game-engine console scripts."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("Libraries to open."),
                                 QStringLiteral("[file.vtl...]"));
    parser.process(app);

    vantor::LibraryWindows libraries;
    app.SetLibraryHost(&libraries);
    if (!app.InitInstance(parser.positionalArguments()))
        return 1;
    const int status = app.exec();
    app.DestroyMainFrame();
    app.SetLibraryHost(nullptr);
    return status;
}
