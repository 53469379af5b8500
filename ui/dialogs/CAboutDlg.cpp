#include "ui/dialogs/CAboutDlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>

namespace vantor {

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(QStringLiteral("About Vantor"));

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setPixmap(QApplication::windowIcon().pixmap(32, 32));

    auto* version = new QLabel(QStringLiteral("Vantor Version 1.02"), this);
    version->setObjectName(QStringLiteral("version"));
    auto* notice = new QLabel(
        QStringLiteral("Copyright (C) Velmora.\nAn editor for game-engine console scripts."), this);
    notice->setObjectName(QStringLiteral("notice"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(version, 0, 1);
    layout->addWidget(notice, 1, 1);
    layout->addWidget(buttons, 0, 2, 2, 1, Qt::AlignTop);
    layout->setHorizontalSpacing(16);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace vantor
