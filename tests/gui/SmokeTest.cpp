// The real program on a real X server: started under Xvfb with a Library on its command
// line, its window must come up named after the Library, and Ctrl+Q must end it cleanly
// (exit status 0, the session recorded in its settings).
#include "document/CScriptOutput.h"
#include "document/CVantorDoc.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vantor::test {
namespace {

// Runs inside xvfb-run: starts the editor, waits for its window, shows its name, presses
// Ctrl+Q in it and reports how the editor ended.
constexpr char kSession[] = R"sh(
program="$1"; library="$2"; name="$3"
"$program" "$library" &
pid=$!
window=""
for i in $(seq 1 150); do
    window=$(xdotool search --name "$name" 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if [ -z "$window" ]; then
    echo "NO WINDOW"
    kill "$pid" 2>/dev/null; wait "$pid"
    exit 0
fi
echo "TITLE=$(xdotool getwindowname "$window")"
for i in $(seq 1 50); do
    xdotool windowfocus "$window" 2>/dev/null && xdotool key ctrl+q
    sleep 0.2
    kill -0 "$pid" 2>/dev/null || break
done
if kill -0 "$pid" 2>/dev/null; then
    echo "STILL RUNNING"
    kill -9 "$pid"
fi
wait "$pid"
echo "EXIT=$?"
)sh";

TEST(SmokeTest, RealProgramShowsTheLibraryAndClosesCleanly) {
    const QString xvfbRun = QStandardPaths::findExecutable(QStringLiteral("xvfb-run"));
    if (xvfbRun.isEmpty())
        GTEST_SKIP() << "xvfb-run was not found: install the packages xvfb and xauth (the test "
                        "command does) to run the editor under a virtual X server";
    ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty())
        << "xdotool is needed to find and close the editor's window (package xdotool)";

    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString library = folder.filePath(QStringLiteral("smoke-test.vtl"));
    {
        CVantorDoc document;
        document.NewModule("Smoke");
        document.NewGame();
        CScriptOutput output;
        ASSERT_TRUE(document.Save(QFile::encodeName(library).toStdString(), output).saved);
    }

    // A settings and data folder of its own, and the X server's platform, not the tests'.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                       folder.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), folder.filePath(QStringLiteral("data")));
    const QString runtime = folder.filePath(QStringLiteral("runtime"));
    ASSERT_TRUE(QDir().mkpath(runtime));
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);

    QProcess session;
    session.setProcessEnvironment(environment);
    session.setProcessChannelMode(QProcess::MergedChannels);
    session.start(xvfbRun,
                  {QStringLiteral("-a"), QStringLiteral("-s"),
                   QStringLiteral("-screen 0 1024x768x24"), QStringLiteral("sh"),
                   QStringLiteral("-c"), QString::fromLatin1(kSession), QStringLiteral("session"),
                   QStringLiteral(VANTOR_PROGRAM), library, QStringLiteral("smoke-test.vtl")});
    ASSERT_TRUE(session.waitForFinished(90000)) << "the session did not end";
    const QString output = QString::fromLocal8Bit(session.readAll());
    SCOPED_TRACE(output.toStdString());

    EXPECT_TRUE(output.contains(QStringLiteral("TITLE=smoke-test.vtl - Vantor")));
    EXPECT_TRUE(output.contains(QStringLiteral("EXIT=0")));
    EXPECT_FALSE(output.contains(QStringLiteral("STILL RUNNING")));
    // A clean close went through the exit sequence: the open Library was recorded.
    QSettings stored(folder.filePath(QStringLiteral("config/Velmora/Vantor.conf")),
                     QSettings::IniFormat);
    EXPECT_EQ(stored.value(QStringLiteral("OpenFiles/File0")).toString(), library);
}

} // namespace
} // namespace vantor::test
