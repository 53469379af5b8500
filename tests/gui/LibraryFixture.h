#pragma once

#include "AppFixture.h"
#include "ui/frame/LibraryWindows.h"

#include <QList>
#include <QPoint>
#include <QTemporaryDir>
#include <QUrl>

#include <string>

namespace vantor {
class CChildFrame;
class CVantorDoc;
} // namespace vantor

namespace vantor::test {

/// The answers a user gives the New Library wizard.
struct WizardAnswers {
    QString libraryFile;
    QString engineFolder; // as the folder chooser answers it
    QStringList games;
    bool autoexec = false; // the AUTOEXEC.CFG choice instead of VANTOR.CFG
    bool execLine = true;
    QStringList modules;
};

/// A started editor with its real Library windows, and a folder for the test's files.
class LibraryFixture : public AppFixture {
protected:
    void SetUp() override;

    /// Starts the editor with the Library windows; the main window is shown and active.
    bool StartEditor(const QStringList& files = {});

    /// Writes a Library file `name` in the test's folder, holding `modules` Modules and
    /// `games` Games (the core's own save). Answers its path.
    QString WriteLibrary(const QString& name, int modules = 0, int games = 0);
    /// A file of the test's folder with the given bytes; answers its path.
    QString WriteFile(const QString& name, const std::string& bytes);
    /// The bytes of a file, empty when it cannot be read.
    static std::string ReadFile(const QString& path);

    /// The open Library windows, in the order they were opened.
    std::vector<CChildFrame*> Windows() const { return libraries.Windows(); }
    CChildFrame* Active() const { return libraries.ActiveWindow(); }
    /// Runs a command as its menu entry would, with the states brought up to date first.
    void Trigger(CommandId id);
    /// The window titles as shown (modified mark resolved), in opening order.
    QStringList Titles() const;

    /// Runs New Library and answers the wizard as a user would (its file dialogs through the
    /// message service); false when it did not come up.
    bool RunLibraryWizard(const WizardAnswers& answers);

    /// Drops the files on the main window at `point` (main-window coordinates) as the
    /// desktop does, and lets the editor handle them.
    void DropFiles(const QList<QUrl>& urls, const QPoint& point);

    LibraryWindows libraries;
    QTemporaryDir folder;
};

} // namespace vantor::test
