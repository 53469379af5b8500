#include "ui/pages/CDefinitionPage.h"

#include "model/CVCommand.h"
#include "model/ModelCodes.h"
#include "model/TextUtil.h"
#include "resources/StringIds.h"
#include "ui/frame/ModelText.h"
#include "ui/pages/DescriptionText.h"
#include "ui/pages/PageLayout.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace vantor {
namespace {

constexpr int kMaxName = 39;

QLabel* Buddy(const QString& text, QWidget* field) {
    auto* label = new QLabel(text);
    label->setBuddy(field);
    return label;
}

} // namespace

CDefinitionPage::CDefinitionPage(QWidget* parent)
    : CObjectPage(parent), m_name(NewLineEdit("definitionName")), m_types(new QButtonGroup(this)),
      m_useSlider(new QCheckBox(tr("Use S&lider"))), m_min(NewLineEdit("rangeMin")),
      m_max(NewLineEdit("rangeMax")), m_description(NewDescriptionEdit("definitionDescription")) {
    setObjectName(QStringLiteral("definitionPage"));
    m_useSlider->setObjectName(QStringLiteral("useSlider"));

    // The seven types in two columns, in their order, the slider switch after User.
    static const char* const kCaptions[] = {
        "N&one", "&Action (+/-)", "&Toggle (0,1)", "&Integer", "&Real Number", "&String", "&User"};
    auto* group = new QGroupBox(tr("Parameters"));
    auto* grid = new QGridLayout(group);
    for (int i = 0; i < 7; ++i) {
        auto* button = new QRadioButton(tr(kCaptions[i]));
        button->setObjectName(QStringLiteral("type%1").arg(i + 1));
        m_typeButtons[static_cast<std::size_t>(i)] = button;
        m_types->addButton(button, i + 1);
        grid->addWidget(button, i / 2, i % 2);
    }
    grid->addWidget(m_useSlider, 3, 1);

    // Wide enough for a real bound as a load shows it.
    const int numberWidth = m_min->fontMetrics().horizontalAdvance(QStringLiteral("-0000.000000")) +
                            m_min->fontMetrics().averageCharWidth() * 2;
    m_min->setFixedWidth(numberWidth);
    m_max->setFixedWidth(numberWidth);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(Buddy(tr("&Name:"), m_name), 0, 0);
    layout->addWidget(m_name, 0, 1);
    layout->addWidget(group, 1, 0, 1, 2);
    layout->addWidget(Buddy(tr("&Min:"), m_min), 2, 0);
    layout->addWidget(m_min, 2, 1, Qt::AlignLeft);
    layout->addWidget(Buddy(tr("Ma&x:"), m_max), 3, 0);
    layout->addWidget(m_max, 3, 1, Qt::AlignLeft);
    layout->addWidget(Buddy(tr("&Desc.:"), m_description), 4, 0, Qt::AlignTop);
    layout->addWidget(m_description, 4, 1);
    layout->setRowStretch(5, 1);

    setFocusProxy(m_name);
    WatchField(m_name, [this] { CommitName(); });
    WatchField(m_description, [this] { CommitDescription(); });
    WatchField(m_min, [this] { CommitBound(true); });
    WatchField(m_max, [this] { CommitBound(false); });
    WatchField(m_useSlider);
    for (QRadioButton* button : m_typeButtons)
        WatchField(button);
    connect(m_types, &QButtonGroup::idClicked, this, &CDefinitionPage::TypeClicked);
    connect(m_useSlider, &QCheckBox::clicked, this, [this](bool checked) {
        if (CVCommand* definition = Definition())
            definition->SetUseSlider(checked);
    });
}

CVCommand* CDefinitionPage::Definition() const {
    return dynamic_cast<CVCommand*>(Object());
}

void CDefinitionPage::LoadFromObject() {
    CVCommand* definition = Definition();
    if (!definition)
        return;
    m_name->setText(FromModelText(definition->GetName()));
    m_description->setPlainText(DescriptionForField(definition->GetDescription()));

    const int type = definition->GetDefParamType();
    // No button at all is checked for a type outside 1 to 7.
    m_types->setExclusive(false);
    for (int i = 0; i < 7; ++i)
        m_typeButtons[static_cast<std::size_t>(i)]->setChecked(type == i + 1);
    m_types->setExclusive(true);

    m_useSlider->setEnabled(type == ParamReal);
    m_useSlider->setChecked(definition->GetUseSlider());
    const bool ranged = type == ParamInteger || type == ParamReal;
    m_min->setEnabled(ranged);
    m_max->setEnabled(ranged);
    if (type == ParamInteger) {
        m_min->setText(QString::number(definition->GetIntMin()));
        m_max->setText(QString::number(definition->GetIntMax()));
    } else if (type == ParamReal) {
        m_min->setText(FromModelText(FormatFixed6(definition->GetRealMin())));
        m_max->setText(FromModelText(FormatFixed6(definition->GetRealMax())));
    }
}

void CDefinitionPage::SaveToObject() {
    CommitName();
    CommitDescription();
    CommitBound(true);
    CommitBound(false);
}

void CDefinitionPage::RefreshFromObject() {
    if (CVCommand* definition = Definition())
        m_name->setText(FromModelText(definition->GetName()));
}

void CDefinitionPage::CommitName() {
    CVCommand* definition = Definition();
    // A longer name from a file is not cut to the field's 39 characters unless edited; an
    // unchanged name is not renamed again, which would mark the Library modified.
    if (!definition || !TakeEdit(m_name))
        return;
    const std::string name = ToModelText(m_name->text().left(kMaxName));
    if (name == definition->GetName())
        return;
    if (const int refusal = definition->Rename(name)) {
        m_name->setText(FromModelText(definition->GetName()));
        ShowRefusal(refusal);
        return;
    }
    m_name->setText(FromModelText(definition->GetName()));
}

void CDefinitionPage::CommitDescription() {
    CVCommand* definition = Definition();
    if (!definition)
        return;
    const QString shown = m_description->toPlainText();
    if (shown != DescriptionForField(definition->GetDescription()))
        definition->SetDescription(DescriptionFromField(shown));
}

void CDefinitionPage::CommitBound(bool minimum) {
    CVCommand* definition = Definition();
    if (!definition)
        return;
    QLineEdit* field = minimum ? m_min : m_max;
    // Only what the user typed is stored: the text a load or a refill put there is a rounded
    // picture of the bound, and storing it would change the bound.
    if (!TakeEdit(field))
        return;
    const std::string text = ToModelText(field->text());
    switch (definition->GetDefParamType()) {
    case ParamInteger: {
        std::int32_t value = 0;
        if (ScanInt(text, value) != ScanResult::Ok) {
            const int current = minimum ? definition->GetIntMin() : definition->GetIntMax();
            field->setText(QString::number(current));
            ShowRefusal(IDS_RANGE_ILLEGAL);
            return;
        }
        // The bound is 16 bits wide: only the low 16 bits of what was typed are kept.
        const auto bound = static_cast<std::int16_t>(static_cast<std::uint16_t>(value & 0xFFFF));
        if (minimum)
            definition->SetIntMin(bound);
        else
            definition->SetIntMax(bound);
        break;
    }
    case ParamReal: {
        float value = 0;
        if (ScanFloat(text, value) != ScanResult::Ok) {
            const float current = minimum ? definition->GetRealMin() : definition->GetRealMax();
            field->setText(QString::asprintf("%.2f", static_cast<double>(current)));
            ShowRefusal(IDS_RANGE_ILLEGAL);
            return;
        }
        if (minimum)
            definition->SetRealMin(value);
        else
            definition->SetRealMax(value);
        break;
    }
    default:
        break;
    }
}

void CDefinitionPage::TypeClicked(int type) {
    CVCommand* definition = Definition();
    if (!definition)
        return;
    definition->SetDefParamType(type);
    LoadFromObject();
}

} // namespace vantor
