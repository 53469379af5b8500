#pragma once

#include "FakeLibraryHost.h"
#include "ScriptedMessages.h"
#include "ui/frame/CommandId.h"

#include <QString>
#include <QTemporaryDir>
#include <QVariantMap>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace vantor {
class CMainFrame;
class CVantorApp;
} // namespace vantor

namespace vantor::test {

/// A started editor over settings of its own: QSettings points at a fresh folder, message
/// boxes go to `messages`, the Library windows are `host` (installed by Start unless the test
/// says otherwise).
class AppFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    static CVantorApp& App();

    /// Writes values ("section/key" -> value) before the start.
    void Preset(const QVariantMap& values);
    /// Starts the editor as the program does; the main window is shown and active.
    bool Start(const QStringList& files = {}, bool withHost = true);
    CMainFrame* Frame() const;
    /// Asks the main window to close; answers whether it closed (and was destroyed).
    bool CloseFrame();
    /// A value as stored in the settings file now.
    QVariant Stored(const QString& key) const;
    /// Every "section/key" in the settings file now.
    QStringList StoredKeys() const;
    /// Runs the command; when its modal dialog comes up, answer() is called with it. False
    /// when no dialog came up.
    bool RunWithDialog(CommandId id, const std::function<void(QWidget*)>& answer);
    /// The same for any user action that may open a modal dialog.
    static bool RunWithDialog(const std::function<void()>& action,
                              const std::function<void(QWidget*)>& answer);

    QTemporaryDir settingsDir;
    ScriptedMessages messages;
    FakeLibraryHost host;
};

} // namespace vantor::test
