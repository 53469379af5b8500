#include "ui/dialogs/CLibraryPropDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vantor {

CLibraryPropDlg::CLibraryPropDlg(std::function<QString(const QString&)> chooseFolder,
                                 std::function<void()> importDefinitions, QWidget* parent)
    : QDialog(parent), m_chooseFolder(std::move(chooseFolder)), m_folder(new QLineEdit(this)),
      m_writeAll(new QCheckBox(tr("&Write all game scripts on save"), this)) {
    setObjectName(QStringLiteral("libraryPropertiesDialog"));
    setWindowTitle(tr("Library Properties"));

    auto* label = new QLabel(tr("&Game Engine Folder:"), this);
    label->setBuddy(m_folder);
    m_folder->setObjectName(QStringLiteral("engineFolder"));
    m_folder->setReadOnly(true);
    m_folder->setMinimumWidth(fontMetrics().averageCharWidth() * 50);
    m_writeAll->setObjectName(QStringLiteral("writeAllScripts"));

    auto* browse = new QPushButton(tr("&Browse..."), this);
    browse->setObjectName(QStringLiteral("browse"));
    connect(browse, &QPushButton::clicked, this, &CLibraryPropDlg::Browse);
    auto* importDefs = new QPushButton(tr("Import Defs..."), this);
    importDefs->setObjectName(QStringLiteral("importDefs"));
    importDefs->setAutoDefault(false);
    connect(importDefs, &QPushButton::clicked, this,
            [importDefinitions = std::move(importDefinitions)] {
                if (importDefinitions)
                    importDefinitions();
            });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0, 1, 2);
    layout->addWidget(m_folder, 1, 0);
    layout->addWidget(browse, 1, 1);
    layout->addWidget(m_writeAll, 2, 0);
    layout->addWidget(importDefs, 2, 1);
    layout->addWidget(buttons, 3, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CLibraryPropDlg::SetEngineFolder(const QString& folder) {
    m_folder->setText(folder);
}

QString CLibraryPropDlg::EngineFolder() const {
    return m_folder->text();
}

void CLibraryPropDlg::SetWriteAllScripts(bool on) {
    m_writeAll->setChecked(on);
}

bool CLibraryPropDlg::WriteAllScripts() const {
    return m_writeAll->isChecked();
}

void CLibraryPropDlg::Browse() {
    const QString folder = m_chooseFolder ? m_chooseFolder(m_folder->text()) : QString();
    if (!folder.isEmpty())
        m_folder->setText(folder);
}

} // namespace vantor
