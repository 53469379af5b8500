#include "app/AppCommands.h"

#include "app/CVantorApp.h"
#include "app/LibraryHost.h"
#include "app/NewLibrary.h"
#include "ui/frame/CMainFrame.h"

namespace vantor {

AppCommands::AppCommands(CVantorApp& app) : m_app(app) {}

bool AppCommands::Handles(CommandId id) const {
    switch (id) {
    case CommandId::Options:
    case CommandId::AppAbout:
    case CommandId::HomePage:
    case CommandId::HelpTopics:
    case CommandId::FilePrintSetup:
    case CommandId::AppExit:
        return true;
    case CommandId::FileNew:
    case CommandId::FileOpen:
    case CommandId::NewLibrary:
        return m_app.Libraries() != nullptr;
    default:
        return RecentFileIndex(id) >= 0 && m_app.Libraries() != nullptr;
    }
}

bool AppCommands::IsEnabled(CommandId id) const {
    const int recent = RecentFileIndex(id);
    return recent < 0 || recent < m_app.RecentFiles().Paths().size();
}

void AppCommands::Execute(CommandId id) {
    switch (id) {
    case CommandId::Options:
        m_app.RunOptions();
        break;
    case CommandId::AppAbout:
        m_app.ShowAbout();
        break;
    case CommandId::HomePage:
        m_app.OpenHomePage();
        break;
    case CommandId::HelpTopics:
        m_app.OpenManual();
        break;
    case CommandId::FilePrintSetup:
        m_app.RunPrintSetup();
        break;
    case CommandId::AppExit:
        if (CMainFrame* frame = m_app.MainFrame())
            frame->close();
        break;
    case CommandId::FileNew:
        m_app.Libraries()->NewEmptyLibrary();
        break;
    case CommandId::FileOpen:
        m_app.OpenLibraryDialog();
        break;
    case CommandId::NewLibrary:
        RunNewLibrary(m_app);
        break;
    default:
        if (RecentFileIndex(id) >= 0)
            m_app.OpenRecentFile(RecentFileIndex(id));
        break;
    }
}

} // namespace vantor
