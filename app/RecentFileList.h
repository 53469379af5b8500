#pragma once

#include <QStringList>

class QSettings;

namespace vantor {

/// The recent-file list of the File menu: at most a fixed number of Library paths, the most
/// recent first, kept in the settings group "Recent File List" as File1, File2, ...
class RecentFileList {
public:
    explicit RecentFileList(int capacity);

    void Load(QSettings& settings);
    void Save(QSettings& settings) const;

    /// Puts path first, removing an older entry for the same file, and drops the oldest entry
    /// when the list is full. An empty path is ignored.
    void Add(const QString& path);
    void Remove(const QString& path);

    const QStringList& Paths() const { return m_paths; }
    int Capacity() const { return m_capacity; }

private:
    int m_capacity;
    QStringList m_paths;
};

} // namespace vantor
