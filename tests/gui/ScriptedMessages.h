#pragma once

#include "app/MessageService.h"

#include <QStringList>

namespace vantor::test {

/// A message service that shows nothing: it records every call as "Kind: text" and gives the
/// answers set beforehand (queued answers first, in order, then the standing one).
class ScriptedMessages : public MessageService {
public:
    void Warning(const QString& text) override { calls.append(QStringLiteral("Warning: ") + text); }
    void Information(const QString& text) override {
        calls.append(QStringLiteral("Information: ") + text);
    }
    bool AskYesNo(const QString& text) override {
        calls.append(QStringLiteral("YesNo: ") + text);
        return yesNoAnswer;
    }
    SaveAnswer AskYesNoCancel(const QString& text) override {
        calls.append(QStringLiteral("YesNoCancel: ") + text);
        return saveAnswers.isEmpty() ? saveAnswer : saveAnswers.takeFirst();
    }
    QString OpenFileName(const QString& title, const QString& folder, const QString& filter,
                         const QString& suffix) override {
        calls.append(QStringLiteral("OpenFile: ") + title);
        dialogs.append({folder, filter, suffix, true});
        return fileAnswers.isEmpty() ? fileAnswer : fileAnswers.takeFirst();
    }
    QString SaveFileName(const QString& title, const QString& proposed, const QString& filter,
                         const QString& suffix, bool confirmOverwrite) override {
        calls.append(QStringLiteral("SaveFile: ") + title);
        proposedNames.append(proposed);
        dialogs.append({proposed, filter, suffix, confirmOverwrite});
        return fileAnswers.isEmpty() ? fileAnswer : fileAnswers.takeFirst();
    }
    QString ChooseFolder(const QString& title, const QString& folder) override {
        calls.append(QStringLiteral("Folder: ") + title);
        dialogs.append({folder, QString(), QString(), true});
        return fileAnswers.isEmpty() ? fileAnswer : fileAnswers.takeFirst();
    }

    /// What a file dialog or folder chooser was opened with: its start folder (or proposed
    /// name), filter, default suffix and whether it asks before replacing a file.
    struct Dialog {
        QString start;
        QString filter;
        QString suffix;
        bool confirmOverwrite;
    };

    QStringList calls;
    bool yesNoAnswer = false;
    SaveAnswer saveAnswer = SaveAnswer::Cancel;
    QList<SaveAnswer> saveAnswers;
    QString fileAnswer;
    QStringList fileAnswers;
    QStringList proposedNames; // what each save-file dialog proposed
    QList<Dialog> dialogs;     // every file dialog and folder chooser, in order
};

} // namespace vantor::test
