#pragma once

#include <QString>

#include <optional>
#include <string>
#include <vector>

class QMimeData;

namespace vantor {

class CCmdFrag;

/// The MIME spelling of the "VTMtObj" clipboard and drag format (one archived model node).
QString ObjectDataFormat();
/// The MIME spelling of the "VTCmdFrag" clipboard and drag format (a count, then archived
/// command fragments).
QString CommandDataFormat();

/// New drag or clipboard data holding `fragments`, in the given order, as "VTCmdFrag" bytes.
QMimeData* MakeCommandMimeData(const std::vector<const CCmdFrag*>& fragments);
/// The "VTCmdFrag" bytes that `data` offers, or nothing when it offers none.
std::optional<std::string> CommandDataOf(const QMimeData* data);
/// Whether `data` offers "VTCmdFrag" bytes.
bool HasCommandData(const QMimeData* data);

} // namespace vantor
