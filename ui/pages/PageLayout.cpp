#include "ui/pages/PageLayout.h"

#include <QVBoxLayout>

namespace vantor {

QFormLayout* NewForm(QWidget* page) {
    // The rows stay at the top of the page area, however tall the area is.
    auto* outer = new QVBoxLayout(page);
    outer->setContentsMargins(4, 4, 4, 4);
    auto* form = new QFormLayout;
    outer->addLayout(form);
    outer->addStretch(1);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return form;
}

QLineEdit* NewLineEdit(const char* name, int maxLength) {
    auto* edit = new QLineEdit;
    edit->setObjectName(QLatin1String(name));
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    return edit;
}

} // namespace vantor
