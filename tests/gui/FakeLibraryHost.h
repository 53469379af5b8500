#pragma once

#include "app/LibraryHost.h"

#include <QSet>
#include <QStringList>

namespace vantor::test {

/// Stands in for the Library windows: opens the paths it was told exist, counts new empty
/// Libraries and answers the save prompt as told.
class FakeLibraryHost : public LibraryHost {
public:
    bool OpenLibrary(const QString& path) override {
        attempts.append(path);
        if (!existing.contains(path))
            return false;
        open.append(path);
        return true;
    }
    bool NewEmptyLibrary() override {
        ++newEmpty;
        return true;
    }
    bool SaveAllModified() override {
        ++savePrompts;
        return allowClose;
    }
    QStringList OpenLibraryPaths() const override { return open; }

    QSet<QString> existing;
    QStringList attempts;
    QStringList open;
    int newEmpty = 0;
    int savePrompts = 0;
    bool allowClose = true;
};

} // namespace vantor::test
