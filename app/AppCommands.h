#pragma once

#include "ui/frame/CommandTarget.h"

namespace vantor {

class CVantorApp;

/// The commands the application handles: Options, About, home page, Help Topics, Print Setup,
/// Exit, and, once a Library host is installed, New Library (the wizard), File New, Open
/// Library and the recent files.
class AppCommands : public CommandTarget {
public:
    explicit AppCommands(CVantorApp& app);

    bool Handles(CommandId id) const override;
    bool IsEnabled(CommandId id) const override;
    void Execute(CommandId id) override;

private:
    CVantorApp& m_app;
};

} // namespace vantor
