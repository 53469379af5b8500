#include "app/RecentFileList.h"

#include <QFileInfo>
#include <QSettings>

namespace vantor {
namespace {

const QString kGroup = QStringLiteral("Recent File List");

QString EntryKey(int index) {
    return kGroup + QStringLiteral("/File%1").arg(index + 1);
}

// Two spellings of one file (relative, with "..") are one entry.
QString Normalized(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

} // namespace

RecentFileList::RecentFileList(int capacity) : m_capacity(capacity) {}

void RecentFileList::Load(QSettings& settings) {
    m_paths.clear();
    for (int i = 0; i < m_capacity; ++i) {
        const QString path = settings.value(EntryKey(i)).toString();
        if (!path.isEmpty() && !m_paths.contains(path))
            m_paths.append(path);
    }
}

void RecentFileList::Save(QSettings& settings) const {
    for (int i = 0; i < m_capacity; ++i) {
        if (i < m_paths.size())
            settings.setValue(EntryKey(i), m_paths.at(i));
        else
            settings.remove(EntryKey(i));
    }
}

void RecentFileList::Add(const QString& path) {
    if (path.isEmpty())
        return;
    const QString normalized = Normalized(path);
    Remove(normalized);
    m_paths.prepend(normalized);
    while (m_paths.size() > m_capacity)
        m_paths.removeLast();
}

void RecentFileList::Remove(const QString& path) {
    const QString normalized = Normalized(path);
    m_paths.removeIf(
        [&normalized](const QString& entry) { return Normalized(entry) == normalized; });
}

} // namespace vantor
