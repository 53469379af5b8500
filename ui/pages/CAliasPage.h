#pragma once

#include "ui/pages/CObjectPage.h"

class QLineEdit;
class QPlainTextEdit;

namespace vantor {

class CVCommand;

/// The page of an Alias or an Action Alias: its name and its description.
class CAliasPage : public CObjectPage {
    Q_OBJECT
public:
    explicit CAliasPage(QWidget* parent = nullptr);

    void LoadFromObject() override;
    void SaveToObject() override;
    void RefreshFromObject() override;

private:
    CVCommand* Alias() const;
    void CommitName();
    void CommitDescription();

    QLineEdit* m_name;
    QPlainTextEdit* m_description;
};

} // namespace vantor
