#include "ui/frame/ModuleMenus.h"

#include "model/ModelCodes.h"
#include "ui/frame/CommandRouter.h"

#include <QAction>
#include <QMenu>

#include <span>

namespace vantor {
namespace {

using C = CommandId;

struct Item {
    CommandId id; // CommandId{0}: a separator
    const char* text;
};

constexpr Item kSeparator{CommandId{0}, nullptr};
constexpr Item kCut{C::EditCut, "Cu&t"};
constexpr Item kCopy{C::EditCopy, "&Copy"};
constexpr Item kDelete{C::EditDelete, "&Delete"};
constexpr Item kRename{C::EditRename, "&Rename"};
constexpr Item kNewCommand{C::NewCommand, "N&ew Command"};
constexpr Item kNewStartup{C::NewStartup, "New Startup"};
constexpr Item kNewActionAlias{C::NewActionAlias, "New Action Alias"};
constexpr Item kImportModule{C::ImportModule, "&Import Module..."};

constexpr Item kModuleMenu[] = {{C::NewDefinition, "New Definition"},
                                {C::NewBind, "New &Bind"},
                                {C::NewAlias, "New &Alias"},
                                kNewActionAlias,
                                kNewStartup,
                                kSeparator,
                                kImportModule,
                                {C::ExportModule, "E&xport Module..."},
                                {C::PreviewModuleScript, "&Preview Script"},
                                kSeparator,
                                kCut,
                                kCopy,
                                kDelete,
                                kSeparator,
                                kRename};
constexpr Item kDefinitionMenu[] = {kCut, kCopy, kDelete, kSeparator, kRename};
constexpr Item kAliasMenu[] = {kCut, kCopy, kDelete, kSeparator, kRename, kSeparator, kNewCommand};
constexpr Item kHalfMenu[] = {kNewCommand};
constexpr Item kBindMenu[] = {kCut, kCopy, kDelete, kSeparator, kNewCommand};
constexpr Item kDefinitionListMenu[] = {{C::NewDefinition, "New &Definition"}};
constexpr Item kAliasListMenu[] = {{C::NewAlias, "New &Alias"}, kNewActionAlias};
constexpr Item kBindListMenu[] = {{C::NewBind, "New &Bind"}};
constexpr Item kStartupListMenu[] = {kNewStartup};
constexpr Item kEmptySpace[] = {{C::NewModule, "New &Module"},
                                kSeparator,
                                kImportModule,
                                {C::ImportScriptFile, "Import &Script file..."}};

std::span<const Item> ItemsOf(int menuId) {
    switch (menuId) {
    case MenuModule:
        return kModuleMenu;
    case MenuDefinition:
    case MenuActionAlias:
        return kDefinitionMenu;
    case MenuAlias:
        return kAliasMenu;
    case MenuActionHalf:
        return kHalfMenu;
    case MenuBind:
        return kBindMenu;
    case MenuDefinitionList:
        return kDefinitionListMenu;
    case MenuAliasList:
        return kAliasListMenu;
    case MenuBindList:
        return kBindListMenu;
    case MenuStartupList:
        return kStartupListMenu;
    case kEmptySpaceMenu:
        return kEmptySpace;
    default:
        return {};
    }
}

} // namespace

QMenu* BuildModuleContextMenu(int menuId, CommandRouter& router, QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("moduleContextMenu%1").arg(menuId));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    router.UpdateActions();
    const std::span<const Item> items = ItemsOf(menuId);
    if (items.empty()) {
        menu->addAction(QObject::tr("(None)"))->setEnabled(false);
        return menu;
    }
    for (const Item& item : items) {
        if (item.text == nullptr) {
            menu->addSeparator();
            continue;
        }
        QAction* command = router.Action(item.id);
        // The menu's own text, with the command's keys beside it; choosing the entry runs the
        // command through the router like its menu-bar entry.
        QString text = QString::fromLatin1(item.text);
        const QString keys = command->shortcut().toString(QKeySequence::NativeText);
        if (!keys.isEmpty())
            text += QLatin1Char('\t') + keys;
        QAction* entry = menu->addAction(command->icon(), text);
        entry->setObjectName(command->objectName());
        entry->setEnabled(command->isEnabled());
        QObject::connect(entry, &QAction::triggered, command, &QAction::trigger);
    }
    return menu;
}

} // namespace vantor
