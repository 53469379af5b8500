#pragma once

#include "ui/frame/CChildFrame.h"
#include "ui/frame/CPaneView.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>

namespace vantor::test {

/// Replaces a field's text by typing, as the user does.
inline void TypeInto(QWidget* field, const QString& text) {
    field->setFocus(Qt::MouseFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field); edit && !edit->text().isEmpty()) {
        QTest::keyClick(field, Qt::Key_End);
        QTest::keyClick(field, Qt::Key_Home, Qt::ShiftModifier);
        QTest::keyClick(field, Qt::Key_Backspace);
    }
    QTest::keyClicks(field, text);
}

/// Moves the keyboard focus out of the Property Window into the window's active pane, which
/// commits the field that had it.
inline void LeaveField(const CChildFrame& window) {
    window.Pane(window.ActivePaneIndex())->View()->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
}

} // namespace vantor::test
