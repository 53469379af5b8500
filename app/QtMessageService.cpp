#include "app/QtMessageService.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace vantor {
namespace {

QString Title() {
    return QApplication::applicationDisplayName();
}

} // namespace

QtMessageService::QtMessageService(ParentProvider parent) : m_parent(std::move(parent)) {}

QWidget* QtMessageService::Parent() const {
    return m_parent ? m_parent() : nullptr;
}

void QtMessageService::Warning(const QString& text) {
    QMessageBox::warning(Parent(), Title(), text);
}

void QtMessageService::Information(const QString& text) {
    QMessageBox::information(Parent(), Title(), text);
}

bool QtMessageService::AskYesNo(const QString& text) {
    return QMessageBox::question(Parent(), Title(), text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

MessageService::SaveAnswer QtMessageService::AskYesNoCancel(const QString& text) {
    switch (QMessageBox::question(Parent(), Title(), text,
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                  QMessageBox::Yes)) {
    case QMessageBox::Yes:
        return SaveAnswer::Yes;
    case QMessageBox::No:
        return SaveAnswer::No;
    default:
        return SaveAnswer::Cancel;
    }
}

QString QtMessageService::OpenFileName(const QString& title, const QString& folder,
                                       const QString& filter, const QString& defaultSuffix) {
    QFileDialog dialog(Parent(), title, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString QtMessageService::SaveFileName(const QString& title, const QString& proposed,
                                       const QString& filter, const QString& defaultSuffix,
                                       bool confirmOverwrite) {
    QFileDialog dialog(Parent(), title, proposed, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !confirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

// Only folders are shown, and only folders of the file system can be chosen.
QString QtMessageService::ChooseFolder(const QString& title, const QString& folder) {
    return QFileDialog::getExistingDirectory(Parent(), title, folder, QFileDialog::ShowDirsOnly);
}

} // namespace vantor
