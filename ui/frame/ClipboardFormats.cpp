#include "ui/frame/ClipboardFormats.h"

#include "model/CCmdFrag.h"

#include <QMimeData>

namespace vantor {

// Qt's name for a clipboard format registered by name on other desktops; the payload is the
// archive's bytes unchanged.
QString ObjectDataFormat() {
    return QStringLiteral("application/x-qt-windows-mime;value=\"VTMtObj\"");
}

QString CommandDataFormat() {
    return QStringLiteral("application/x-qt-windows-mime;value=\"VTCmdFrag\"");
}

QMimeData* MakeCommandMimeData(const std::vector<const CCmdFrag*>& fragments) {
    const std::string bytes = CCmdFrag::WriteCommandData(fragments);
    auto* data = new QMimeData;
    data->setData(CommandDataFormat(),
                  QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return data;
}

std::optional<std::string> CommandDataOf(const QMimeData* data) {
    if (!HasCommandData(data))
        return std::nullopt;
    return data->data(CommandDataFormat()).toStdString();
}

bool HasCommandData(const QMimeData* data) {
    return data != nullptr && data->hasFormat(CommandDataFormat());
}

} // namespace vantor
