#pragma once

#include <QStringList>

namespace vantor {

/// Makes the desktop know Vantor's files for the current user: the desktop entries of the
/// editor, the MIME types application/x-vantor-library (*.vtl) and application/x-vantor-module
/// (*.vtm) and their icons. Only missing files are written: whatever the user or another
/// program put there is left as it is.
class DesktopIntegration {
public:
    /// The freedesktop data folders: the user's own (XDG_DATA_HOME, by default
    /// ~/.local/share) and the system's (XDG_DATA_DIRS, by default /usr/local/share and
    /// /usr/share).
    struct Folders {
        QString dataHome;
        QStringList dataDirs;
    };
    static Folders FromEnvironment();

    /// Writes, under folders.dataHome, each of the desktop entries, the MIME package and the
    /// icons that is missing there. The desktop entries start `program` (the running editor).
    /// When the MIME database of any of the folders already gives *.vtm to a type of another
    /// program, the Module type is still described but *.vtm is left with that program.
    /// Answers the files written.
    static QStringList InstallUserFiles(const Folders& folders, const QString& program);

    /// Has the desktop read the new files: update-mime-database and update-desktop-database,
    /// where they are installed, over the folders that `written` touched, without waiting.
    static void RefreshDatabases(const QString& dataHome, const QStringList& written);

    /// The Exec value that starts `program` (quoted and escaped for a desktop entry).
    static QString ExecProgram(const QString& program);
    /// Whether a MIME glob database (a globs2 file's text) gives *.vtm to another type.
    static bool ModuleGlobTakenElsewhere(const QString& globs2);
};

} // namespace vantor
