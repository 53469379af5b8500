#pragma once

#include <QStringList>

#include <memory>

namespace vantor {

class CMainFrame;
class CVantorDoc;

/// What the application needs from the part of the editor that keeps the open Libraries and
/// their windows. The application runs start-up, the File commands it owns and the exit
/// sequence through it; with no host installed those steps find no Library open.
class LibraryHost {
public:
    virtual ~LibraryHost() = default;

    /// Opens the Library file (or activates its window when it is already open). A failure
    /// has been reported to the user when this answers false.
    virtual bool OpenLibrary(const QString& path) = 0;
    /// Makes a new, empty, untitled Library in its own window; false when that failed.
    virtual bool NewEmptyLibrary() = 0;
    /// Offers every modified Library for saving; false when the user cancelled (nothing is
    /// closed then).
    virtual bool SaveAllModified() = 0;
    /// The files of the open Libraries in the order they were opened; untitled ones are left
    /// out.
    virtual QStringList OpenLibraryPaths() const = 0;
    /// Opens a Library built in memory (named after its file, not yet written) in a window
    /// of its own and saves it there at once. A failed save has been reported and leaves the
    /// Library open, named and unsaved. False when the Library could not be saved (or no
    /// window could be made).
    virtual bool AddNewLibrary(std::unique_ptr<CVantorDoc> document) {
        static_cast<void>(document);
        return false;
    }
    /// The main window was made; the Library windows go into it. Called once per main window,
    /// before any Library is opened.
    virtual void AttachMainFrame(CMainFrame& frame) { static_cast<void>(frame); }
};

} // namespace vantor
