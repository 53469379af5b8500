#include "ui/dialogs/COptionsDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vantor {
namespace {

QCheckBox* MakeCheck(QWidget* parent, const char* text, const char* name) {
    auto* check = new QCheckBox(QString::fromLatin1(text), parent);
    check->setObjectName(QLatin1String(name));
    return check;
}

} // namespace

COptionsDlg::COptionsDlg(QWidget* parent)
    : QDialog(parent), m_author(new QLineEdit(this)),
      m_verifyDeletions(MakeCheck(this, "Verify all &deletions", "verifyDeletions")),
      m_rememberOpenLibraries(
          MakeCheck(this, "&Remember open libraries from last session", "rememberOpenLibraries")),
      m_showPaneHeaders(MakeCheck(this, "Show &pane headers", "showPaneHeaders")) {
    setObjectName(QStringLiteral("optionsDialog"));
    setWindowTitle(QStringLiteral("Vantor Options"));

    auto* label = new QLabel(QStringLiteral("Default module &author:"), this);
    label->setBuddy(m_author);
    m_author->setObjectName(QStringLiteral("author"));
    m_author->setMaxLength(kMaxAuthorLength);
    m_author->setMinimumWidth(m_author->fontMetrics().averageCharWidth() * kMaxAuthorLength);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    buttons->setCenterButtons(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_author);
    layout->addSpacing(6);
    layout->addWidget(m_verifyDeletions);
    layout->addWidget(m_rememberOpenLibraries);
    layout->addWidget(m_showPaneHeaders);
    layout->addSpacing(6);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void COptionsDlg::SetValues(const OptionsValues& values) {
    m_author->setText(values.author);
    m_verifyDeletions->setChecked(values.verifyDeletions);
    m_rememberOpenLibraries->setChecked(values.rememberOpenLibraries);
    m_showPaneHeaders->setChecked(values.showPaneHeaders);
}

OptionsValues COptionsDlg::Values() const {
    return {m_author->text(), m_verifyDeletions->isChecked(), m_rememberOpenLibraries->isChecked(),
            m_showPaneHeaders->isChecked()};
}

} // namespace vantor
