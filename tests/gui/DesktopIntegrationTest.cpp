// The user's desktop files written at start-up: only what is missing, the desktop entries
// starting this program, and *.vtm left with another program that has it.
#include "app/DesktopIntegration.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

QString Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void Write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(path.section(QLatin1Char('/'), 0, -2));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class DesktopIntegrationTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(home.isValid() && system.isValid()); }
    DesktopIntegration::Folders Folders() const { return {home.path(), {system.path()}}; }
    QString Home(const char* path) const { return home.filePath(QLatin1String(path)); }

    QTemporaryDir home;
    QTemporaryDir system;
};

TEST_F(DesktopIntegrationTest, WritesWhatIsMissingOnce) {
    const QString program = QStringLiteral("/opt/my tools/vantor");
    const QStringList written = DesktopIntegration::InstallUserFiles(Folders(), program);
    const QStringList expected = {
        Home("applications/vantor.desktop"),
        Home("applications/vantor-module.desktop"),
        Home("mime/packages/vantor.xml"),
        Home("icons/hicolor/scalable/apps/vantor.svg"),
        Home("icons/hicolor/scalable/mimetypes/application-x-vantor-library.svg"),
        Home("icons/hicolor/scalable/mimetypes/application-x-vantor-module.svg"),
    };
    EXPECT_EQ(written, expected);

    const QString entry = Read(Home("applications/vantor.desktop"));
    EXPECT_TRUE(entry.contains("\nExec=\"/opt/my tools/vantor\" %F\n")) << entry.toStdString();
    EXPECT_TRUE(entry.contains("\nMimeType=application/x-vantor-library;\n"));
    // A Module file starts the editor with nothing to open, as a Module is no Library.
    const QString module = Read(Home("applications/vantor-module.desktop"));
    EXPECT_TRUE(module.contains("\nExec=\"/opt/my tools/vantor\"\n")) << module.toStdString();
    EXPECT_TRUE(module.contains("\nMimeType=application/x-vantor-module;\n"));
    const QString package = Read(Home("mime/packages/vantor.xml"));
    EXPECT_TRUE(package.contains("<glob pattern=\"*.vtl\"/>"));
    EXPECT_TRUE(package.contains("<glob pattern=\"*.vtm\"/>"));

    // The next start writes nothing, and a file the user changed stays as it is.
    Write(Home("applications/vantor.desktop"), "[Desktop Entry]\nName=Mine\n");
    EXPECT_TRUE(DesktopIntegration::InstallUserFiles(Folders(), program).isEmpty());
    EXPECT_EQ(Read(Home("applications/vantor.desktop")),
              QStringLiteral("[Desktop Entry]\nName=Mine\n"));
}

TEST_F(DesktopIntegrationTest, VtmOfAnotherProgramIsLeftAlone) {
    const struct {
        const char* what;
        QByteArray globs2;
        bool taken;
    } cases[] = {
        {"another type", "50:application/x-other-tool:*.VTM\n", true},
        {"our own type", "50:application/x-vantor-module:*.vtm\n", false},
        {"nothing about vtm", "# comment *.vtm\n50:text/plain:*.txt\n", false},
    };
    for (const auto& c : cases) {
        QTemporaryDir freshHome;
        Write(system.filePath("mime/globs2"), c.globs2);
        EXPECT_EQ(DesktopIntegration::ModuleGlobTakenElsewhere(QString::fromUtf8(c.globs2)),
                  c.taken)
            << c.what;
        DesktopIntegration::InstallUserFiles({freshHome.path(), {system.path()}},
                                             QStringLiteral("/usr/bin/vantor"));
        const QString package = Read(freshHome.filePath("mime/packages/vantor.xml"));
        EXPECT_EQ(package.contains("*.vtm"), !c.taken) << c.what;
        EXPECT_TRUE(package.contains("*.vtl")) << c.what;
        EXPECT_TRUE(package.contains("application/x-vantor-module")) << c.what;
    }
}

TEST(DesktopExecTest, ProgramPathIsQuotedForTheDesktopEntry) {
    EXPECT_EQ(DesktopIntegration::ExecProgram("/usr/bin/vantor"), "\"/usr/bin/vantor\"");
    EXPECT_EQ(DesktopIntegration::ExecProgram("/a \"b\"/$x`y`/100%"),
              "\"/a \\\\\"b\\\\\"/\\\\$x\\\\`y\\\\`/100%%\"");
    EXPECT_EQ(DesktopIntegration::ExecProgram("/back\\slash"), "\"/back\\\\\\\\slash\"");
}

} // namespace
} // namespace vantor::test
