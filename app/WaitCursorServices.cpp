#include "app/WaitCursorServices.h"

#include <QCursor>
#include <QGuiApplication>

namespace vantor {

void WaitCursorServices::BeginWait() {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void WaitCursorServices::EndWait() {
    QGuiApplication::restoreOverrideCursor();
}

} // namespace vantor
