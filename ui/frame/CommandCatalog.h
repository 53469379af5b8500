#pragma once

#include "ui/frame/CommandId.h"

#include <utility>
#include <vector>

class QAction;
class QObject;

namespace vantor {

/// Creates one QAction per command, owned by owner, with its menu text and mnemonic, its
/// shortcuts, a status tip, an icon (the desktop theme's where a standard one exists, else the
/// bundled one) and an objectName of the form "action" + name. Sorted by command id.
std::vector<std::pair<CommandId, QAction*>> CreateCommandActions(QObject* owner);

} // namespace vantor
