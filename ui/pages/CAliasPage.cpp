#include "ui/pages/CAliasPage.h"

#include "model/CVCommand.h"
#include "ui/frame/ModelText.h"
#include "ui/pages/DescriptionText.h"
#include "ui/pages/PageLayout.h"

#include <QPlainTextEdit>

namespace vantor {

CAliasPage::CAliasPage(QWidget* parent)
    : CObjectPage(parent), m_name(NewLineEdit("aliasName")),
      m_description(NewDescriptionEdit("aliasDescription")) {
    setObjectName(QStringLiteral("aliasPage"));
    QFormLayout* form = NewForm(this);
    form->addRow(tr("Name:"), m_name);
    form->addRow(tr("Desc.:"), m_description);
    setFocusProxy(m_name);
    WatchField(m_name, [this] { CommitName(); });
    WatchField(m_description, [this] { CommitDescription(); });
}

CVCommand* CAliasPage::Alias() const {
    return dynamic_cast<CVCommand*>(Object());
}

void CAliasPage::LoadFromObject() {
    if (CVCommand* alias = Alias()) {
        m_name->setText(FromModelText(alias->GetName()));
        m_description->setPlainText(DescriptionForField(alias->GetDescription()));
    }
}

void CAliasPage::SaveToObject() {
    CommitDescription();
    CommitName();
}

void CAliasPage::RefreshFromObject() {
    if (CVCommand* alias = Alias())
        m_name->setText(FromModelText(alias->GetName()));
}

void CAliasPage::CommitName() {
    CVCommand* alias = Alias();
    if (!alias)
        return;
    // An unchanged name is not renamed again: that would mark the Library modified.
    const std::string name = ToModelText(m_name->text());
    if (name == alias->GetName())
        return;
    if (const int refusal = alias->Rename(name)) {
        m_name->setText(FromModelText(alias->GetName()));
        ShowRefusal(refusal);
        return;
    }
    m_name->setText(FromModelText(alias->GetName()));
}

void CAliasPage::CommitDescription() {
    CVCommand* alias = Alias();
    if (!alias)
        return;
    const QString shown = m_description->toPlainText();
    if (shown != DescriptionForField(alias->GetDescription()))
        alias->SetDescription(DescriptionFromField(shown));
}

} // namespace vantor
