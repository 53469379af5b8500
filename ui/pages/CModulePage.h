#pragma once

#include "ui/pages/CObjectPage.h"

class QLineEdit;

namespace vantor {

class CVConfig;

/// The page of a Module: its name and its author, up to 40 characters each. Neither change
/// marks the Library modified.
class CModulePage : public CObjectPage {
    Q_OBJECT
public:
    explicit CModulePage(QWidget* parent = nullptr);

    void LoadFromObject() override;
    void SaveToObject() override;
    void RefreshFromObject() override;

private:
    CVConfig* Module() const;
    void CommitName();
    void CommitAuthor();

    QLineEdit* m_name;
    QLineEdit* m_author;
};

} // namespace vantor
