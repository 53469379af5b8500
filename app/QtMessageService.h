#pragma once

#include "app/MessageService.h"

#include <functional>

class QWidget;

namespace vantor {

/// The message service of the running program: Qt's message boxes and file dialogs, owned by
/// the window that the parent function answers (the main window while it exists).
class QtMessageService : public MessageService {
public:
    using ParentProvider = std::function<QWidget*()>;

    explicit QtMessageService(ParentProvider parent);

    void Warning(const QString& text) override;
    void Information(const QString& text) override;
    bool AskYesNo(const QString& text) override;
    SaveAnswer AskYesNoCancel(const QString& text) override;
    QString OpenFileName(const QString& title, const QString& folder, const QString& filter,
                         const QString& defaultSuffix) override;
    QString SaveFileName(const QString& title, const QString& proposed, const QString& filter,
                         const QString& defaultSuffix, bool confirmOverwrite) override;
    QString ChooseFolder(const QString& title, const QString& folder) override;

private:
    QWidget* Parent() const;

    ParentProvider m_parent;
};

} // namespace vantor
