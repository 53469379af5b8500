#include "LibraryFixture.h"

#include "app/CVantorApp.h"
#include "document/CScriptOutput.h"
#include "document/CVantorDoc.h"
#include "ui/dialogs/CLibraryWizard.h"
#include "ui/frame/CChildFrame.h"
#include "ui/frame/CMainFrame.h"
#include "ui/frame/CommandRouter.h"
#include "ui/frame/WindowTitle.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFile>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

namespace vantor::test {

void LibraryFixture::SetUp() {
    AppFixture::SetUp();
    ASSERT_TRUE(folder.isValid());
}

bool LibraryFixture::StartEditor(const QStringList& files) {
    App().SetLibraryHost(&libraries);
    if (!App().InitInstance(files))
        return false;
    return QTest::qWaitForWindowActive(Frame());
}

QString LibraryFixture::WriteLibrary(const QString& name, int modules, int games) {
    CVantorDoc library;
    for (int i = 0; i < modules; ++i)
        library.NewModule("Tester");
    for (int i = 0; i < games; ++i)
        library.NewGame();
    const QString path = folder.filePath(name);
    CScriptOutput output;
    EXPECT_TRUE(library.Save(QFile::encodeName(path).toStdString(), output).saved)
        << name.toStdString();
    return path;
}

QString LibraryFixture::WriteFile(const QString& name, const std::string& bytes) {
    const QString path = folder.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return path;
}

std::string LibraryFixture::ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().toStdString();
}

void LibraryFixture::Trigger(CommandId id) {
    Frame()->Router().UpdateActions();
    Frame()->Router().Action(id)->trigger();
}

QStringList LibraryFixture::Titles() const {
    QStringList titles;
    for (const CChildFrame* window : Windows())
        titles.append(ShownWindowTitle(*window));
    return titles;
}

namespace {

void Tick(QListWidget* list, const QStringList& texts) {
    ASSERT_NE(list, nullptr);
    for (const QString& text : texts) {
        const auto items = list->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << text.toStdString();
        items.front()->setCheckState(Qt::Checked);
    }
}

} // namespace

bool LibraryFixture::RunLibraryWizard(const WizardAnswers& answers) {
    Frame()->Router().UpdateActions();
    return RunWithDialog(CommandId::NewLibrary, [&](QWidget* dialog) {
        auto* wizard = qobject_cast<CLibraryWizard*>(dialog);
        ASSERT_NE(wizard, nullptr);
        messages.fileAnswers = {answers.libraryFile, answers.engineFolder};
        QTest::mouseClick(wizard->findChild<QPushButton*>("browseFile"), Qt::LeftButton);
        QTest::mouseClick(wizard->findChild<QPushButton*>("browseFolder"), Qt::LeftButton);
        wizard->next();
        Tick(wizard->findChild<QListWidget*>("games"), answers.games);
        if (answers.autoexec)
            wizard->findChild<QAbstractButton*>("autoexec")->click();
        wizard->findChild<QAbstractButton*>("execLine")->setChecked(answers.execLine);
        wizard->next();
        Tick(wizard->findChild<QListWidget*>("modules"), answers.modules);
        wizard->accept();
    });
}

void LibraryFixture::DropFiles(const QList<QUrl>& urls, const QPoint& point) {
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(point, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(Frame(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(point), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(Frame(), &drop);
    ASSERT_TRUE(drop.isAccepted());
    // The files are handled once the drop is over.
    QCoreApplication::processEvents();
}

} // namespace vantor::test
