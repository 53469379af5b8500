#include "ui/keyboard/CKeyChoiceDlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace vantor {

CKeyChoiceDlg::CKeyChoiceDlg(const QString& caption, const QString& keyName, const QString& text,
                             const QString& okText, QWidget* parent)
    : QDialog(parent), m_list(new QListWidget(this)) {
    setWindowTitle(caption);

    auto* keyLabel = new QLabel(tr("Bind:"), this);
    auto* key = new QLineEdit(keyName, this);
    key->setObjectName(QStringLiteral("keyName"));
    key->setReadOnly(true);
    keyLabel->setBuddy(key);
    auto* explanation = new QLabel(text, this);
    explanation->setObjectName(QStringLiteral("explanation"));
    explanation->setWordWrap(true);

    m_list->setObjectName(QStringLiteral("modules"));
    m_list->setAccessibleName(tr("Modules"));
    m_list->setViewMode(QListView::ListMode);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setIconSize(QSize(16, 15));
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        m_list->setCurrentItem(item);
        Choose();
    });

    auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    QPushButton* ok = buttons->addButton(okText, QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { Choose(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QGridLayout(this);
    auto* keyRow = new QHBoxLayout;
    keyRow->addWidget(keyLabel);
    keyRow->addWidget(key);
    keyRow->addStretch();
    layout->addLayout(keyRow, 0, 0);
    layout->addWidget(explanation, 1, 0);
    layout->addWidget(m_list, 2, 0);
    layout->addWidget(buttons, 0, 1, 3, 1, Qt::AlignTop);
    resize(440, 230);
}

void CKeyChoiceDlg::SetRows(const QStringList& rows) {
    const QIcon icon(QStringLiteral(":/icons/new-module.png"));
    for (const QString& row : rows)
        new QListWidgetItem(icon, row, m_list);
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
}

void CKeyChoiceDlg::Choose() {
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    m_chosen = selected.isEmpty() ? -1 : m_list->row(selected.front());
    accept();
}

} // namespace vantor
