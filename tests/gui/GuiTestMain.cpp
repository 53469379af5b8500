// The GUI tests' main: the offscreen platform unless told otherwise, and one application
// object (the editor's own) for all tests.
#include "app/CVantorApp.h"

#include <QByteArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Each test points QSettings at a folder of its own; this keeps anything that slips past
    // that away from the user's settings too. Start-up installs the desktop files where
    // they are missing: into a folder of the test's own, never the user's.
    QTemporaryDir configHome;
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    ::testing::InitGoogleTest(&argc, argv);
    vantor::CVantorApp app(argc, argv);
    return RUN_ALL_TESTS();
}
