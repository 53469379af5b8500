#pragma once

#include "ui/pages/CObjectPage.h"

#include <array>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace vantor {

class CVCommand;

/// The page of a Definition: its name, the type of its parameter, the slider switch, the
/// range of the type (16-bit integers for Integer, floats for Real Number) and the
/// description. Only a rename marks the Library modified.
class CDefinitionPage : public CObjectPage {
    Q_OBJECT
public:
    explicit CDefinitionPage(QWidget* parent = nullptr);

    void LoadFromObject() override;
    void SaveToObject() override;
    void RefreshFromObject() override;

private:
    CVCommand* Definition() const;
    void CommitName();
    void CommitDescription();
    void CommitBound(bool minimum);
    void TypeClicked(int type);

    QLineEdit* m_name;
    QButtonGroup* m_types;
    std::array<QRadioButton*, 7> m_typeButtons{};
    QCheckBox* m_useSlider;
    QLineEdit* m_min;
    QLineEdit* m_max;
    QPlainTextEdit* m_description;
};

} // namespace vantor
