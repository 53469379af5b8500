#pragma once

#include "ui/keyboard/CKeyChoiceDlg.h"

#include <vector>

namespace vantor {

class CVConfig;

/// "Add new Bind": the user picks the Module of the current Game that gets a new Bind.
class CAddBindDlg : public CKeyChoiceDlg {
    Q_OBJECT
public:
    /// `modules` (not owned): the Modules the Game uses, in Library order.
    CAddBindDlg(std::vector<CVConfig*> modules, const QString& keyName, QWidget* parent = nullptr);

    /// The Module chosen with OK or a double click, or null.
    CVConfig* ChosenModule() const;

private:
    std::vector<CVConfig*> m_modules;
};

} // namespace vantor
