#pragma once

#include <QString>

namespace vantor {

/// Every message box and file dialog of the editor goes through this interface, so that tests
/// can answer them and no box is ever left open in a test. Texts are shown as given; the
/// caller formats them. Titles of message boxes are the program's name.
class MessageService {
public:
    enum class SaveAnswer { Yes, No, Cancel };

    virtual ~MessageService() = default;

    /// An error or a refusal (exclamation icon, OK).
    virtual void Warning(const QString& text) = 0;
    /// A notice (information icon, OK).
    virtual void Information(const QString& text) = 0;
    /// A question with Yes and No; true for Yes.
    virtual bool AskYesNo(const QString& text) = 0;
    /// A question with Yes, No and Cancel, as asked before closing a modified Library.
    virtual SaveAnswer AskYesNoCancel(const QString& text) = 0;

    /// An open-file dialog for an existing file; filter in Qt's "Name (*.a *.b);;..." form;
    /// defaultSuffix (without the dot) is tried for a typed name without one. Answers the
    /// chosen path, or an empty string when cancelled.
    virtual QString OpenFileName(const QString& title, const QString& folder, const QString& filter,
                                 const QString& defaultSuffix = {}) = 0;
    /// A save-file dialog; defaultSuffix (without the dot) is added to a name without one.
    /// proposed is the initial path or name. With confirmOverwrite off an existing file is
    /// chosen without asking. Answers the chosen path, or empty when cancelled.
    virtual QString SaveFileName(const QString& title, const QString& proposed,
                                 const QString& filter, const QString& defaultSuffix,
                                 bool confirmOverwrite = true) = 0;
    /// A folder chooser starting at folder; answers the chosen folder, or empty when cancelled.
    virtual QString ChooseFolder(const QString& title, const QString& folder) = 0;
};

} // namespace vantor
