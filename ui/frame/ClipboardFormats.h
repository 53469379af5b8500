#pragma once

#include <QString>

namespace vantor {

/// The clipboard and drag format of one model object with its subtree ("VTMtObj"): the bytes
/// are the object archive that CMTObj::WriteClipboardData makes.
inline QString ModelObjectMimeType() {
    return QStringLiteral("application/x-qt-windows-mime;value=\"VTMtObj\"");
}

/// The clipboard and drag format of command fragments ("VTCmdFrag"): a count, then the
/// fragments, as CMTObj::PasteCommands reads them.
inline QString CommandFragmentMimeType() {
    return QStringLiteral("application/x-qt-windows-mime;value=\"VTCmdFrag\"");
}

} // namespace vantor
