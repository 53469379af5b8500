#include "ui/pages/CBindKeyPage.h"

#include "model/CKeyTable.h"
#include "model/CVBind.h"
#include "ui/frame/ModelText.h"
#include "ui/pages/PageIcons.h"

#include <QListWidget>
#include <QVBoxLayout>

#include <array>

namespace vantor {

CBindKeyPage::CBindKeyPage(QWidget* parent) : CObjectPage(parent), m_keys(new QListWidget) {
    setObjectName(QStringLiteral("bindKeyPage"));
    m_keys->setObjectName(QStringLiteral("keyList"));
    m_keys->setAccessibleName(tr("Key"));
    m_keys->setViewMode(QListView::ListMode);
    m_keys->setFlow(QListView::TopToBottom);
    m_keys->setWrapping(true);
    m_keys->setResizeMode(QListView::Adjust);
    m_keys->setSelectionMode(QAbstractItemView::SingleSelection);
    m_keys->setIconSize(QSize(16, 15));

    std::array<QIcon, 5> icons;
    for (int i = 0; i < static_cast<int>(icons.size()); ++i)
        icons[static_cast<std::size_t>(i)] = KeyGroupIcon(i);
    for (const KeyListRow& key : CKeyTable::Instance().KeyList(0)) {
        auto* item = new QListWidgetItem(FromModelText(key.name));
        if (key.icon >= 0 && key.icon < static_cast<int>(icons.size()))
            item->setIcon(icons[static_cast<std::size_t>(key.icon)]);
        item->setData(Qt::UserRole, key.code);
        m_rowOfCode.emplace(key.code, m_keys->count());
        m_keys->addItem(item);
    }
    // Room for a few columns of key names, the list fills the page.
    const int charWidth = m_keys->fontMetrics().averageCharWidth();
    m_keys->setMinimumSize(charWidth * 30, m_keys->fontMetrics().lineSpacing() * 8);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_keys);
    setFocusProxy(m_keys);
    WatchField(m_keys);
    connect(m_keys, &QListWidget::currentRowChanged, this, &CBindKeyPage::RowChosen);
}

CVBind* CBindKeyPage::Bind() const {
    return dynamic_cast<CVBind*>(Object());
}

void CBindKeyPage::LoadFromObject() {
    CVBind* bind = Bind();
    if (!bind)
        return;
    m_loading = true;
    const std::uint16_t code = bind->GetKey();
    const auto found = code != 0 ? m_rowOfCode.find(code) : m_rowOfCode.end();
    if (found != m_rowOfCode.end()) {
        m_keys->setCurrentRow(found->second);
        m_keys->scrollToItem(m_keys->item(found->second));
    } else {
        m_keys->setCurrentRow(-1);
        m_keys->clearSelection();
        if (m_keys->count() > 0)
            m_keys->scrollToItem(m_keys->item(0));
    }
    m_loading = false;
    // A key the table does not know is dropped.
    if (code != 0 && found == m_rowOfCode.end())
        bind->SetKey(0);
}

void CBindKeyPage::RowChosen(int row) {
    CVBind* bind = Bind();
    if (m_loading || !bind || row < 0)
        return;
    const auto code = static_cast<std::uint16_t>(m_keys->item(row)->data(Qt::UserRole).toUInt());
    if (code != bind->GetKey())
        bind->SetKey(code);
}

} // namespace vantor
