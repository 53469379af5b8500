#include "ui/pages/CModulePage.h"

#include "model/CVConfig.h"
#include "ui/frame/ModelText.h"
#include "ui/pages/PageLayout.h"

#include <QLineEdit>

namespace vantor {

namespace {
constexpr int kMaxText = 40;
} // namespace

CModulePage::CModulePage(QWidget* parent)
    : CObjectPage(parent), m_name(NewLineEdit("moduleName", kMaxText)),
      m_author(NewLineEdit("moduleAuthor", kMaxText)) {
    setObjectName(QStringLiteral("modulePage"));
    QFormLayout* form = NewForm(this);
    form->addRow(tr("Name:"), m_name);
    form->addRow(tr("Author:"), m_author);
    setFocusProxy(m_name);
    WatchField(m_name, [this] { CommitName(); });
    WatchField(m_author, [this] { CommitAuthor(); });
}

CVConfig* CModulePage::Module() const {
    return dynamic_cast<CVConfig*>(Object());
}

void CModulePage::LoadFromObject() {
    if (CVConfig* module = Module()) {
        m_name->setText(FromModelText(module->GetName()));
        m_author->setText(FromModelText(module->GetAuthor()));
    }
}

void CModulePage::SaveToObject() {
    CommitName();
    CommitAuthor();
}

void CModulePage::RefreshFromObject() {
    if (CVConfig* module = Module())
        m_name->setText(FromModelText(module->GetName()));
}

void CModulePage::CommitName() {
    CVConfig* module = Module();
    // A name or author longer than the field's 40 characters is not cut unless edited.
    if (!module || !TakeEdit(m_name))
        return;
    const std::string name = ToModelText(m_name->text());
    if (name == module->GetName())
        return;
    if (const int refusal = module->Rename(name)) {
        m_name->setText(FromModelText(module->GetName()));
        ShowRefusal(refusal);
    }
}

void CModulePage::CommitAuthor() {
    CVConfig* module = Module();
    if (module && TakeEdit(m_author))
        module->SetAuthor(ToModelText(m_author->text()));
}

} // namespace vantor
