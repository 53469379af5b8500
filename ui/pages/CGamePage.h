#pragma once

#include "ui/pages/CObjectPage.h"

#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace vantor {

class CScript;

/// The page of a Game: its name (up to 40 characters), the full path of its script file,
/// Browse for Script, and whether the script is written when the Library is saved.
class CGamePage : public CObjectPage {
    Q_OBJECT
public:
    explicit CGamePage(QWidget* parent = nullptr);

    void LoadFromObject() override;
    void SaveToObject() override;
    void RefreshFromObject() override;

    /// What Browse for Script does with the Game (lets the user choose its script file).
    void SetBrowseForScript(std::function<void(CScript&)> browse) { m_browse = std::move(browse); }

private:
    CScript* Game() const;
    void CommitName();
    void CommitScriptFile();
    void Browse();

    QLineEdit* m_name;
    QLineEdit* m_scriptFile;
    QPushButton* m_browseButton;
    QCheckBox* m_saveWithLibrary;
    std::function<void(CScript&)> m_browse;
};

} // namespace vantor
