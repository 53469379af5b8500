#include "ui/keyboard/CJumpToBindDlg.h"

#include "model/CVBind.h"
#include "model/CVConfig.h"
#include "ui/frame/ModelText.h"

namespace vantor {

CJumpToBindDlg::CJumpToBindDlg(std::vector<CVBind*> binds, const QString& keyName, QWidget* parent)
    : CKeyChoiceDlg(tr("Jump to Bind"), keyName,
                    tr("This bind appears more than once in the game. Select which instance of "
                       "this bind you want to see. The binds' modules are shown below:"),
                    tr("&Jump"), parent),
      m_binds(std::move(binds)) {
    setObjectName(QStringLiteral("jumpToBindDialog"));
    SetRows(RowNames(m_binds));
}

CVBind* CJumpToBindDlg::ChosenBind() const {
    const int row = ChosenRow();
    return row >= 0 && static_cast<std::size_t>(row) < m_binds.size()
               ? m_binds[static_cast<std::size_t>(row)]
               : nullptr;
}

QStringList CJumpToBindDlg::RowNames(const std::vector<CVBind*>& binds) {
    QStringList rows;
    const CVConfig* previous = nullptr;
    int count = 0;
    for (const CVBind* bind : binds) {
        const CVConfig* module = bind->GetModule();
        count = module && module == previous ? count + 1 : 1;
        previous = module;
        const QString name = module ? FromModelText(module->GetName()) : QString();
        rows.append(count > 1 ? QStringLiteral("%1 (%2)").arg(name).arg(count) : name);
    }
    return rows;
}

} // namespace vantor
