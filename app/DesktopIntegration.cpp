#include "app/DesktopIntegration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace vantor {
namespace {

const QString kModuleType = QStringLiteral("application/x-vantor-module");
const QString kModuleGlobLine = QStringLiteral("    <glob pattern=\"*.vtm\"/>\n");

QByteArray Resource(const QString& name) {
    QFile file(QStringLiteral(":/desktop/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The installed desktop entries start "vantor" from the PATH; the user's copies start the
// program that wrote them.
QByteArray WithProgram(const QByteArray& entry, const QString& program) {
    QStringList lines = QString::fromUtf8(entry).split(QLatin1Char('\n'));
    const QString exec = QStringLiteral("Exec=vantor");
    for (QString& line : lines)
        if (line == exec || line.startsWith(exec + QLatin1Char(' ')))
            line = QStringLiteral("Exec=") + DesktopIntegration::ExecProgram(program) +
                   line.mid(exec.size());
    return lines.join(QLatin1Char('\n')).toUtf8();
}

bool WriteIfMissing(const QString& path, const QByteArray& bytes, QStringList& written) {
    if (bytes.isEmpty() || QFileInfo::exists(path) || QFileInfo(path).isSymLink())
        return false;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return false;
    written.append(path);
    return true;
}

bool ModuleGlobTakenIn(const QStringList& dataFolders) {
    for (const QString& folder : dataFolders) {
        QFile globs(folder + QStringLiteral("/mime/globs2"));
        if (globs.open(QIODevice::ReadOnly) &&
            DesktopIntegration::ModuleGlobTakenElsewhere(QString::fromUtf8(globs.readAll())))
            return true;
    }
    return false;
}

} // namespace

DesktopIntegration::Folders DesktopIntegration::FromEnvironment() {
    Folders folders;
    folders.dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    if (folders.dataHome.isEmpty() || QDir::isRelativePath(folders.dataHome))
        folders.dataHome = QDir::homePath() + QStringLiteral("/.local/share");
    const QString dirs = qEnvironmentVariable("XDG_DATA_DIRS");
    folders.dataDirs = dirs.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (folders.dataDirs.isEmpty())
        folders.dataDirs = {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")};
    return folders;
}

QString DesktopIntegration::ExecProgram(const QString& program) {
    // Inside double quotes, " ` $ and \ are escaped with a backslash; then the value's own
    // escaping doubles every backslash, and "%" is a field code unless doubled.
    QString quoted;
    for (const QChar c : program) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            quoted.append(QLatin1Char('\\'));
        quoted.append(c);
    }
    quoted = QLatin1Char('"') + quoted + QLatin1Char('"');
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    quoted.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return quoted;
}

// globs2 lines are "weight:type:pattern[:flags]"; patterns match without regard to case
// unless the flags say "cs".
bool DesktopIntegration::ModuleGlobTakenElsewhere(const QString& globs2) {
    for (const QStringView line : QStringView(globs2).split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('#')))
            continue;
        const QList<QStringView> fields = line.split(QLatin1Char(':'));
        if (fields.size() < 3)
            continue;
        if (fields.at(2).compare(QLatin1String("*.vtm"), Qt::CaseInsensitive) == 0 &&
            fields.at(1) != kModuleType)
            return true;
    }
    return false;
}

QStringList DesktopIntegration::InstallUserFiles(const Folders& folders, const QString& program) {
    QStringList written;
    const QString home = folders.dataHome;
    if (home.isEmpty())
        return written;

    WriteIfMissing(home + QStringLiteral("/applications/vantor.desktop"),
                   WithProgram(Resource(QStringLiteral("vantor.desktop")), program), written);
    WriteIfMissing(home + QStringLiteral("/applications/vantor-module.desktop"),
                   WithProgram(Resource(QStringLiteral("vantor-module.desktop")), program),
                   written);

    QByteArray package = Resource(QStringLiteral("vantor-mime.xml"));
    const QString packagePath = home + QStringLiteral("/mime/packages/vantor.xml");
    if (!QFileInfo::exists(packagePath) && ModuleGlobTakenIn(QStringList(home) + folders.dataDirs))
        package.replace(kModuleGlobLine.toUtf8(), QByteArray());
    WriteIfMissing(packagePath, package, written);

    const QString icons = home + QStringLiteral("/icons/hicolor/scalable/");
    WriteIfMissing(icons + QStringLiteral("apps/vantor.svg"),
                   Resource(QStringLiteral("vantor.svg")), written);
    for (const char* type : {"application-x-vantor-library", "application-x-vantor-module"}) {
        const QString name = QLatin1String(type) + QStringLiteral(".svg");
        WriteIfMissing(icons + QStringLiteral("mimetypes/") + name, Resource(name), written);
    }
    return written;
}

void DesktopIntegration::RefreshDatabases(const QString& dataHome, const QStringList& written) {
    const auto touched = [&written](const QString& folder) {
        for (const QString& path : written)
            if (path.startsWith(folder))
                return true;
        return false;
    };
    const struct {
        const char* tool;
        QString folder;
    } databases[] = {
        {"update-mime-database", dataHome + QStringLiteral("/mime")},
        {"update-desktop-database", dataHome + QStringLiteral("/applications")},
    };
    for (const auto& database : databases) {
        const QString tool = QStandardPaths::findExecutable(QString::fromLatin1(database.tool));
        if (!tool.isEmpty() && touched(database.folder + QLatin1Char('/')))
            QProcess::startDetached(tool, {database.folder});
    }
}

} // namespace vantor
