#pragma once

#include "ui/keyboard/CKeyChoiceDlg.h"

#include <vector>

namespace vantor {

class CVBind;

/// "Jump to Bind": the user picks one of several Binds of the same key, each row named by the
/// Bind's Module.
class CJumpToBindDlg : public CKeyChoiceDlg {
    Q_OBJECT
public:
    /// `binds` (two or more, not owned) in the order FindBinds gives them.
    CJumpToBindDlg(std::vector<CVBind*> binds, const QString& keyName, QWidget* parent = nullptr);

    /// The Bind chosen with "Jump" or a double click, or null.
    CVBind* ChosenBind() const;

    /// The rows' texts: the Module's name; a Bind whose Module is that of the Bind before it
    /// counts on from 2 ("Name (2)", "Name (3)", ...).
    static QStringList RowNames(const std::vector<CVBind*>& binds);

private:
    std::vector<CVBind*> m_binds;
};

} // namespace vantor
