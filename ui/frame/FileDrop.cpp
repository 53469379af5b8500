#include "ui/frame/FileDrop.h"

#include "resources/StringIds.h"
#include "resources/StringTable.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <QUrl>

namespace vantor {
namespace {

bool InList(const QString& extension, int listId) {
    const std::string_view list = LoadString(listId);
    const QStringList entries =
        QString::fromLatin1(list.data(), static_cast<qsizetype>(list.size()))
            .split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString& entry : entries)
        if (extension.compare(entry, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

} // namespace

QString DroppedFilePath(const QUrl& url) {
    if (!url.isLocalFile())
        return QString();
    const QString local = url.toLocalFile();
    if (local.isEmpty())
        return QString();
    const QFileInfo file(local);
    const QString path = QDir::cleanPath(file.absoluteFilePath());
    if (!file.isSymLink())
        return path;
    // Follow the whole chain of links; a dangling link names its immediate target, which then
    // fails to open with a message naming it.
    const QString target = file.canonicalFilePath();
    return target.isEmpty() ? file.symLinkTarget() : target;
}

DroppedFileKind ClassifyDroppedFile(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return DroppedFileKind::Other;
    const QString extension = name.mid(dot);
    if (InList(extension, IDS_LIBRARY_EXTENSIONS))
        return DroppedFileKind::Library;
    if (InList(extension, IDS_MODULE_EXTENSIONS))
        return DroppedFileKind::Module;
    if (InList(extension, IDS_SCRIPT_EXTENSIONS))
        return DroppedFileKind::Script;
    return DroppedFileKind::Other;
}

} // namespace vantor
