#pragma once

#include "app/MessageService.h"

#include <QStringList>

namespace vantor::test {

/// A message service that shows nothing: it records every call as "Kind: text" and gives the
/// answers set beforehand.
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
        return saveAnswer;
    }
    QString OpenFileName(const QString& title, const QString&, const QString&) override {
        calls.append(QStringLiteral("OpenFile: ") + title);
        return fileAnswer;
    }
    QString SaveFileName(const QString& title, const QString&, const QString&,
                         const QString&) override {
        calls.append(QStringLiteral("SaveFile: ") + title);
        return fileAnswer;
    }
    QString ChooseFolder(const QString& title, const QString&) override {
        calls.append(QStringLiteral("Folder: ") + title);
        return fileAnswer;
    }

    QStringList calls;
    bool yesNoAnswer = false;
    SaveAnswer saveAnswer = SaveAnswer::Cancel;
    QString fileAnswer;
};

} // namespace vantor::test
