#pragma once

#include <QIcon>

namespace vantor {

/// The Property Window's pictures of object kinds, by index: 0 Module, 1 to 4 the
/// Definition, Alias, Bind and Startup Lists, 5 Definition, 6 Alias, 7 Action Alias, 8 and 9
/// the "+" and "-" halves, 10 Bind, 11 command, 12 Game. 16 pixels; null for other indexes.
QIcon ObjectKindIcon(int index);

/// The Bind page's pictures of key groups, by group - 1: 0 keyboard key, 1 mouse,
/// 2 joystick, 3 auxiliary controller, 4 keypad. 16 x 15 pixels.
QIcon KeyGroupIcon(int index);

} // namespace vantor
