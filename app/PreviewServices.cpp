#include "app/PreviewServices.h"

#include "app/CVantorApp.h"
#include "app/MessageService.h"
#include "ui/frame/ModelText.h"

#include <QFile>
#include <QProcess>
#include <QStringList>

namespace vantor {
namespace {

// Paths travel through the core in the file system's encoding.
QString FileText(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

} // namespace

bool DetachedProcessLauncher::Start(const std::string& program,
                                    const std::vector<std::string>& args) {
    QStringList arguments;
    arguments.reserve(static_cast<qsizetype>(args.size()));
    for (const std::string& arg : args)
        arguments.append(FileText(arg));
    return QProcess::startDetached(FileText(program), arguments);
}

std::string EditorPreviewHost::GetConverterPath() const {
    return QFile::encodeName(m_app.Settings().converterPath).toStdString();
}

bool EditorPreviewHost::TakeFirstPreview() {
    return m_app.Settings().TakeFirstPreview();
}

void EditorPreviewHost::ShowInformation(std::string_view text) {
    m_app.Messages().Information(FromModelText(text));
}

void EditorPreviewHost::ShowWarning(std::string_view text) {
    m_app.Messages().Warning(FromModelText(text));
}

} // namespace vantor
