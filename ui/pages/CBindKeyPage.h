#pragma once

#include "ui/pages/CObjectPage.h"

#include <cstdint>
#include <unordered_map>

class QListWidget;

namespace vantor {

class CVBind;

/// The page of a Bind: the key table's keys in table order, with their group's icon. Picking
/// a key (mouse or arrow keys) binds it at once; loading only shows the Bind's key.
class CBindKeyPage : public CObjectPage {
    Q_OBJECT
public:
    explicit CBindKeyPage(QWidget* parent = nullptr);

    void LoadFromObject() override;

    QListWidget* KeyList() const { return m_keys; }

private:
    CVBind* Bind() const;
    void RowChosen(int row);

    QListWidget* m_keys;
    std::unordered_map<std::uint16_t, int> m_rowOfCode;
    bool m_loading = false;
};

} // namespace vantor
