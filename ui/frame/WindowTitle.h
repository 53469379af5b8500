#pragma once

#include <QString>

class QWidget;

namespace vantor {

/// A window's title as shown: Qt's "[*]" placeholder becomes "*" while the window is modified
/// and disappears otherwise; a doubled "[*][*]" is a literal "[*]".
QString ShownWindowTitle(const QWidget& window);

} // namespace vantor
