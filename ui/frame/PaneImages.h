#pragma once

#include <QIcon>

namespace vantor {

/// The icon of every row of the Game Pane.
QIcon GameIcon();
/// Image `index` of the Command Pane's image list: 0 no parameter, 1 toggle, 2 action,
/// 3 integer, 4 real number, 5 string, 6 user, 7 unset, 8 user-defined. Other indexes show the
/// unset picture.
QIcon CommandIcon(int index);

} // namespace vantor
