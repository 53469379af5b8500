#include "ui/keyboard/CAddBindDlg.h"

#include "model/CVConfig.h"
#include "ui/frame/ModelText.h"

namespace vantor {

CAddBindDlg::CAddBindDlg(std::vector<CVConfig*> modules, const QString& keyName, QWidget* parent)
    : CKeyChoiceDlg(tr("Add new Bind"), keyName,
                    tr("Select the module in this game where you want to create the bind:"),
                    tr("OK"), parent),
      m_modules(std::move(modules)) {
    setObjectName(QStringLiteral("addBindDialog"));
    QStringList rows;
    for (const CVConfig* module : m_modules)
        rows.append(FromModelText(module->GetName()));
    SetRows(rows);
}

CVConfig* CAddBindDlg::ChosenModule() const {
    const int row = ChosenRow();
    return row >= 0 && static_cast<std::size_t>(row) < m_modules.size()
               ? m_modules[static_cast<std::size_t>(row)]
               : nullptr;
}

} // namespace vantor
