#include "ui/pages/PageLayout.h"

namespace vantor {

QFormLayout* NewForm(QWidget* page) {
    auto* form = new QFormLayout(page);
    form->setContentsMargins(4, 4, 4, 4);
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
