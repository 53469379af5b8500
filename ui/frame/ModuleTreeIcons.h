#pragma once

#include <QIcon>

namespace vantor {

/// The pictures of the Module tree, by the index that CMTObj::GetImage answers (0 Module,
/// 2 and 9 to 12 Binds by key group, 4 to 7 the four lists, 8 Alias, 13 Action Alias, 14 and
/// 15 its halves, 16 to 23 Definitions by parameter type), each also with the emblem of an
/// object that holds commands. Drawn once, on first use.
QIcon ModuleTreeIcon(int image, bool holdsCommands);

} // namespace vantor
