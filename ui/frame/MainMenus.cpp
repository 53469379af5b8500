#include "ui/frame/MainMenus.h"

#include "ui/frame/CommandRouter.h"
#include "ui/frame/WindowTitle.h"

#include <QAction>
#include <QActionGroup>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QToolBar>

#include <initializer_list>

namespace vantor {
namespace {

using C = CommandId;
constexpr CommandId kSeparator{0};

void AddItems(QWidget* target, const CommandRouter& router, std::initializer_list<CommandId> ids) {
    for (CommandId id : ids) {
        if (id == kSeparator) {
            auto* separator = new QAction(target);
            separator->setSeparator(true);
            target->addAction(separator);
        } else {
            target->addAction(router.Action(id));
        }
    }
}

QMenu* AddMenu(QMenuBar* menuBar, CommandRouter& router, const QString& title, const char* name,
               std::initializer_list<CommandId> ids) {
    QMenu* menu = menuBar->addMenu(title);
    menu->setObjectName(QLatin1String(name));
    menu->setToolTipsVisible(true);
    AddItems(menu, router, ids);
    QObject::connect(menu, &QMenu::aboutToShow, &router, &CommandRouter::UpdateActions);
    return menu;
}

// The recent-file entries sit between two separators; the second one goes when there are none.
void AddRecentFiles(QMenu* fileMenu, const CommandRouter& router, QAction* before) {
    QList<QAction*> recent;
    for (int i = 0; i < kRecentFileCount; ++i)
        recent.append(router.Action(RecentFileCommand(i)));
    fileMenu->insertActions(before, recent);
    QAction* separator = fileMenu->insertSeparator(before);
    QObject::connect(fileMenu, &QMenu::aboutToShow, separator, [separator, recent] {
        bool any = false;
        for (QAction* action : recent)
            any = any || action->isVisible();
        separator->setVisible(any);
    });
}

// The open Library windows, numbered, the active one checked. The entries belong to one action
// group, so that dropping the group drops the previous list.
void FillWindowList(QMenu* menu, QMdiArea* mdiArea) {
    const QString groupName = QStringLiteral("windowListGroup");
    delete menu->findChild<QActionGroup*>(groupName, Qt::FindDirectChildrenOnly);
    const QList<QMdiSubWindow*> windows = mdiArea->subWindowList();
    if (windows.isEmpty())
        return;
    auto* group = new QActionGroup(menu);
    group->setObjectName(groupName);
    auto* separator = new QAction(group);
    separator->setSeparator(true);
    menu->addAction(separator);
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* window = windows.at(i);
        QString title = ShownWindowTitle(*window);
        title.replace(QLatin1Char('&'), QStringLiteral("&&"));
        const QString prefix =
            i < 9 ? QStringLiteral("&%1 ").arg(i + 1) : QStringLiteral("%1 ").arg(i + 1);
        auto* action = new QAction(prefix + title, group);
        action->setObjectName(QStringLiteral("actionWindow%1").arg(i + 1));
        action->setCheckable(true);
        action->setChecked(window == mdiArea->currentSubWindow());
        menu->addAction(action);
        QObject::connect(action, &QAction::triggered, mdiArea,
                         [mdiArea, target = QPointer<QMdiSubWindow>(window)] {
                             if (target)
                                 mdiArea->setActiveSubWindow(target);
                         });
    }
}

} // namespace

void BuildMainMenus(QMenuBar* menuBar, CommandRouter& router, QMdiArea* mdiArea) {
    QMenu* file = AddMenu(menuBar, router, QObject::tr("&File"), "menuFile",
                          {C::NewLibrary, C::FileOpen, C::FileClose, kSeparator, C::FileSave,
                           C::FileSaveAs, kSeparator, C::FilePrintSetup, kSeparator});
    file->addAction(router.Action(C::AppExit));
    AddRecentFiles(file, router, router.Action(C::AppExit));

    AddMenu(menuBar, router, QObject::tr("&Edit"), "menuEdit",
            {C::EditCut, C::EditCopy, C::EditPaste, C::EditDelete, kSeparator, C::EditRename,
             C::EditSelectAll, kSeparator, C::MoveUp, C::MoveDown, kSeparator, C::Options});

    AddMenu(menuBar, router, QObject::tr("&View"), "menuView",
            {C::ViewToolbar, C::ViewStatusBar, kSeparator, C::ViewProperties, C::ViewKeyboard,
             kSeparator, C::ShowPropertyWindow, C::ShowGamePane, C::ShowModulePane,
             C::ShowCommandPane});

    AddMenu(menuBar, router, QObject::tr("&Library"), "menuLibrary",
            {C::LibraryProperties, kSeparator,        C::NewModule,
             C::NewGame,           kSeparator,        C::NewDefinition,
             C::NewAlias,          C::NewActionAlias, C::NewBind,
             C::NewStartup,        C::NewCommand,     kSeparator,
             C::ImportScriptFile,  C::ImportModule,   C::ExportModule,
             C::ImportDefinitions, kSeparator,        C::RematchCommands,
             kSeparator,           C::SaveScript,     C::Preview});

    QMenu* window = AddMenu(menuBar, router, QObject::tr("&Window"), "menuWindow",
                            {C::WindowCascade, C::WindowTile});
    QObject::connect(window, &QMenu::aboutToShow, window,
                     [window, mdiArea] { FillWindowList(window, mdiArea); });

    AddMenu(menuBar, router, QObject::tr("&Help"), "menuHelp",
            {C::HelpTopics, C::ContextHelp, kSeparator, C::HomePage, kSeparator, C::AppAbout});
}

void BuildMainToolBar(QToolBar* toolBar, const CommandRouter& router) {
    AddItems(toolBar, router,
             {C::NewLibrary, C::FileOpen,      C::FileSave,   kSeparator,        C::EditCut,
              C::EditCopy,   C::EditPaste,     C::EditDelete, kSeparator,        C::MoveUp,
              C::MoveDown,   C::Preview,       kSeparator,    C::NewGame,        C::NewModule,
              kSeparator,    C::NewDefinition, C::NewBind,    C::NewAlias,       C::NewActionAlias,
              kSeparator,    C::NewCommand,    kSeparator,    C::ViewProperties, C::ViewKeyboard,
              C::AppAbout,   C::ContextHelp});
}

} // namespace vantor
