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
    QString OpenFileName(const QString& title, const QString&, const QString&) override {
        calls.append(QStringLiteral("OpenFile: ") + title);
        return fileAnswer;
    }
    QString SaveFileName(const QString& title, const QString& proposed, const QString&,
                         const QString&) override {
        calls.append(QStringLiteral("SaveFile: ") + title);
        proposedNames.append(proposed);
        return fileAnswers.isEmpty() ? fileAnswer : fileAnswers.takeFirst();
    }
    QString ChooseFolder(const QString& title, const QString&) override {
        calls.append(QStringLiteral("Folder: ") + title);
        return fileAnswer;
    }

    QStringList calls;
    bool yesNoAnswer = false;
    SaveAnswer saveAnswer = SaveAnswer::Cancel;
    QList<SaveAnswer> saveAnswers;
    QString fileAnswer;
    QStringList fileAnswers;
    QStringList proposedNames; // what each save-file dialog proposed
};

} // namespace vantor::test
