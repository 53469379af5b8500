// The application's commands: Options (applied only on OK), About, the home page and the
// user manual. Dialogs are answered by a timer that finds them; none outlives its test.
#include "AppFixture.h"
#include "app/CVantorApp.h"
#include "ui/dialogs/COptionsDlg.h"
#include "ui/frame/CMainFrame.h"
#include "ui/frame/CommandRouter.h"

#include <QAction>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <functional>

namespace vantor::test {
namespace {

/// Catches the addresses the editor asks the desktop to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    explicit UrlCatcher(const QStringList& schemes) : m_schemes(schemes) {
        for (const QString& scheme : m_schemes)
            QDesktopServices::setUrlHandler(scheme, this, "Open");
    }
    ~UrlCatcher() override {
        for (const QString& scheme : m_schemes)
            QDesktopServices::unsetUrlHandler(scheme);
    }
    QList<QUrl> urls;

public slots:
    void Open(const QUrl& url) { urls.append(url); }

private:
    QStringList m_schemes;
};

using AppCommandsTest = AppFixture;

TEST_F(AppCommandsTest, OptionsAreAppliedOnlyOnOk) {
    ASSERT_TRUE(Start({}, false));
    QSignalSpy headers(&App(), &CVantorApp::paneHeadersChanged);
    const auto edit = [](QWidget* dialog) {
        dialog->findChild<QLineEdit*>("author")->setText("Robin");
        dialog->findChild<QCheckBox*>("verifyDeletions")->setChecked(false);
        dialog->findChild<QCheckBox*>("rememberOpenLibraries")->setChecked(false);
        dialog->findChild<QCheckBox*>("showPaneHeaders")->setChecked(false);
    };

    ASSERT_TRUE(RunWithDialog(CommandId::Options, [&](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Vantor Options"));
        edit(dialog);
        QTest::keyClick(dialog, Qt::Key_Escape);
    }));
    const AppSettings& s = App().Settings();
    EXPECT_EQ(s.author, QString());
    EXPECT_TRUE(s.confirmAll && s.reload && s.paneHeader);
    EXPECT_EQ(headers.count(), 0);

    ASSERT_TRUE(RunWithDialog(CommandId::Options, [&](QWidget* dialog) {
        edit(dialog);
        dialog->findChild<QDialogButtonBox*>("buttons")->button(QDialogButtonBox::Ok)->click();
    }));
    EXPECT_EQ(s.author, QStringLiteral("Robin"));
    EXPECT_FALSE(s.confirmAll);
    EXPECT_FALSE(s.reload);
    EXPECT_FALSE(s.paneHeader);
    ASSERT_EQ(headers.count(), 1);
    EXPECT_EQ(headers.at(0).at(0).toBool(), false);

    // OK with nothing changed tells nobody.
    ASSERT_TRUE(RunWithDialog(CommandId::Options, [](QWidget* dialog) {
        EXPECT_FALSE(dialog->findChild<QCheckBox*>("showPaneHeaders")->isChecked());
        QTest::keyClick(dialog, Qt::Key_Return);
    }));
    EXPECT_EQ(headers.count(), 1);
}

TEST_F(AppCommandsTest, AuthorTakesAtMostFortyCharacters) {
    COptionsDlg dialog;
    auto* author = dialog.findChild<QLineEdit*>("author");
    QTest::keyClicks(author, QString(50, QLatin1Char('x')));
    EXPECT_EQ(dialog.Values().author.size(), 40);
    dialog.SetValues({QString(45, QLatin1Char('y')), true, true, true});
    EXPECT_EQ(dialog.Values().author.size(), 40);
}

TEST_F(AppCommandsTest, AboutBoxShowsTheVersion) {
    ASSERT_TRUE(Start({}, false));
    ASSERT_TRUE(RunWithDialog(CommandId::AppAbout, [](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("About Vantor"));
        EXPECT_EQ(dialog->findChild<QLabel*>("version")->text(),
                  QStringLiteral("Vantor Version 1.02"));
        QTest::keyClick(dialog, Qt::Key_Return);
    }));
}

TEST_F(AppCommandsTest, HomePageAndManualOpenWithTheDesktop) {
    ASSERT_TRUE(Start({}, false));
    {
        UrlCatcher catcher({"https", "file"});
        Frame()->Router().Action(CommandId::HomePage)->trigger();
        QTest::keyClick(Frame(), Qt::Key_F1);
        ASSERT_EQ(catcher.urls.size(), 2);
        EXPECT_EQ(catcher.urls.at(0), QUrl(QStringLiteral("https://vantor.example.org/")));
        // The manual is the project's README, found beside the program.
        QFile manual(catcher.urls.at(1).toLocalFile());
        ASSERT_TRUE(manual.open(QIODevice::ReadOnly)) << manual.fileName().toStdString();
        EXPECT_TRUE(manual.readAll().startsWith("# Vantor"));
    }
    EXPECT_TRUE(messages.calls.isEmpty());
    // With no desktop to open them (offscreen), both say so instead of failing silently.
    Frame()->Router().Action(CommandId::HomePage)->trigger();
    Frame()->Router().Action(CommandId::HelpTopics)->trigger();
    ASSERT_EQ(messages.calls.size(), 2);
    EXPECT_TRUE(
        messages.calls.at(0).startsWith("Warning: The home page https://vantor.example.org/"));
    EXPECT_TRUE(messages.calls.at(1).startsWith("Warning: The user manual "));
}

} // namespace
} // namespace vantor::test

#include "AppCommandsTest.moc"
