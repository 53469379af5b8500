#include "AppFixture.h"

#include "app/CVantorApp.h"
#include "ui/frame/CMainFrame.h"
#include "ui/frame/CommandRouter.h"

#include <QAction>
#include <QApplication>
#include <QSettings>
#include <QTest>
#include <QTimer>

namespace vantor::test {

CVantorApp& AppFixture::App() {
    return *CVantorApp::Instance();
}

void AppFixture::SetUp() {
    ASSERT_TRUE(settingsDir.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    App().SetMessageService(&messages);
}

void AppFixture::TearDown() {
    // A test that failed half-way may leave a dialog open; nothing may outlive the test.
    while (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
    App().DestroyMainFrame();
    App().SetLibraryHost(nullptr);
    App().SetMessageService(nullptr);
}

void AppFixture::Preset(const QVariantMap& values) {
    QSettings settings(QStringLiteral("Velmora"), QStringLiteral("Vantor"));
    for (auto it = values.begin(); it != values.end(); ++it)
        settings.setValue(it.key(), it.value());
}

bool AppFixture::Start(const QStringList& files, bool withHost) {
    App().SetLibraryHost(withHost ? &host : nullptr);
    if (!App().InitInstance(files))
        return false;
    return QTest::qWaitForWindowActive(Frame());
}

CMainFrame* AppFixture::Frame() const {
    return App().MainFrame();
}

bool AppFixture::CloseFrame() {
    if (!Frame())
        return false;
    Frame()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return Frame() == nullptr;
}

QVariant AppFixture::Stored(const QString& key) const {
    QSettings settings(settingsDir.filePath(QStringLiteral("Velmora/Vantor.conf")),
                       QSettings::IniFormat);
    return settings.value(key);
}

QStringList AppFixture::StoredKeys() const {
    QSettings settings(settingsDir.filePath(QStringLiteral("Velmora/Vantor.conf")),
                       QSettings::IniFormat);
    return settings.allKeys();
}

bool AppFixture::RunWithDialog(CommandId id, const std::function<void(QWidget*)>& answer) {
    return RunWithDialog([&] { Frame()->Router().Action(id)->trigger(); }, answer);
}

bool AppFixture::RunWithDialog(const std::function<void()>& action,
                               const std::function<void(QWidget*)>& answer) {
    bool answered = false;
    bool looked = false;
    QTimer::singleShot(0, [&] {
        const bool shown =
            QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }, 2000);
        if (QWidget* dialog = QApplication::activeModalWidget(); shown && dialog) {
            answer(dialog);
            answered = true;
        }
        looked = true;
    });
    action();
    // An action that opened no dialog must not leave the look-out to answer a later one.
    static_cast<void>(QTest::qWaitFor([&] { return looked; }, 5000));
    return answered;
}

} // namespace vantor::test
