#pragma once

#include "document/PreviewHost.h"
#include "document/ProcessLauncher.h"

namespace vantor {

class CVantorApp;

/// Starts the preview converter as a process of its own and does not wait for it: the
/// arguments are handed over as a list, never through a shell.
class DetachedProcessLauncher : public ProcessLauncher {
public:
    bool Start(const std::string& program, const std::vector<std::string>& args) override;
};

/// The editor's side of a preview: the converter path and the first-preview flag from the
/// settings, the notices through the application's message service.
class EditorPreviewHost : public PreviewHost {
public:
    explicit EditorPreviewHost(CVantorApp& app) : m_app(app) {}

    std::string GetConverterPath() const override;
    bool TakeFirstPreview() override;
    void ShowInformation(std::string_view text) override;
    void ShowWarning(std::string_view text) override;

private:
    CVantorApp& m_app;
};

} // namespace vantor
