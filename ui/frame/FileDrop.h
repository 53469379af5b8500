#pragma once

#include <QString>

class QUrl;

namespace vantor {

/// What a file dropped on the main window is, by its extension.
enum class DroppedFileKind {
    Library, ///< opened as a Library
    Module,  ///< imported as a Module into the Library it was dropped on
    Script,  ///< imported as a new Module from the script
    Other,   ///< refused
};

/// The file a dropped URL names: a local file as an absolute path, with a symbolic link
/// replaced by the file it points to. Empty for a URL that names no local file.
QString DroppedFilePath(const QUrl& url);

/// The kind of file by its extension (the file name from its last "."), compared without
/// regard to case with the ";"-separated lists of Library, Module and script extensions.
DroppedFileKind ClassifyDroppedFile(const QString& path);

} // namespace vantor
