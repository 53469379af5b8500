#pragma once

#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace vantor::test {

/// A double click as the desktop delivers it: press, release, press, double click, release.
inline void DoubleClickAt(QWidget* widget, const QPoint& point) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, point);
    QTest::mousePress(widget, Qt::LeftButton, {}, point);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, point);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, point);
}

/// The rows of the Module list of the Jump to Bind and Add new Bind dialogs.
inline QStringList ChoiceRows(const QWidget* dialog) {
    QStringList rows;
    const auto* list = dialog->findChild<QListWidget*>(QStringLiteral("modules"));
    for (int i = 0; list && i < list->count(); ++i)
        rows.append(list->item(i)->text());
    return rows;
}

/// Clicks a dialog's button found by its object name.
inline void PressButton(const QWidget* dialog, const char* button) {
    dialog->findChild<QPushButton*>(QLatin1String(button))->click();
}

} // namespace vantor::test
