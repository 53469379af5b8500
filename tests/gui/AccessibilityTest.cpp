// What a screen reader finds: every shown control that takes the focus, and every button, has
// an accessible name, in the main window with a Library open, on each property page and in
// the dialogs; the Keyboard window names its focused key and that key's state.
#include "PageFixture.h"
#include "ui/dialogs/CLibraryPropDlg.h"
#include "ui/dialogs/CLibraryWizard.h"
#include "ui/dialogs/COptionsDlg.h"
#include "ui/dialogs/CProcessingDlg.h"
#include "ui/frame/CModuleView.h"
#include "ui/keyboard/CAddBindDlg.h"
#include "ui/keyboard/CJumpToBindDlg.h"
#include "ui/keyboard/CKeyboardBar.h"

#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QWizard>

#include <set>

namespace vantor::test {
namespace {

QString AccessibleText(QObject* object, QAccessible::Text text) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(text) : QString();
}

// "Class 'objectName' in Parent 'name'", enough to find the widget in the code.
QString Describe(const QWidget* widget) {
    QString text = QLatin1String(widget->metaObject()->className()) + QLatin1String(" '") +
                   widget->objectName() + QLatin1Char('\'');
    for (const QWidget* up = widget->parentWidget(); up; up = up->parentWidget())
        if (!up->objectName().isEmpty() && !up->objectName().startsWith(QLatin1String("qt_")))
            return text + QLatin1String(" in ") + up->metaObject()->className() +
                   QLatin1String(" '") + up->objectName() + QLatin1Char('\'');
    return text;
}

// The shown widgets under `root` (itself included) that take the focus or are buttons and
// have no accessible name.
QStringList Unnamed(QWidget* root) {
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    QStringList missing;
    for (QWidget* widget : widgets) {
        if (!widget->isVisible())
            continue;
        const bool focusable = widget->focusPolicy() != Qt::NoFocus;
        if (!focusable && !qobject_cast<QAbstractButton*>(widget))
            continue;
        if (AccessibleText(widget, QAccessible::Name).trimmed().isEmpty())
            missing.append(Describe(widget));
    }
    return missing;
}

class AccessibilityTest : public PageFixture {
protected:
    void ExpectAllNamed(QWidget* root, const char* where) {
        QCoreApplication::processEvents();
        const QStringList missing = Unnamed(root);
        EXPECT_TRUE(missing.isEmpty()) << where << ":\n  " << missing.join("\n  ").toStdString();
    }
    // A fragment of `module` bound to `definition`, as typing its name does.
    CCmdFrag& BoundFragment(CVConfig& module, const CVCommand& definition) {
        CCmdFrag& fragment = AddStartup(module);
        Show(&fragment);
        auto* box = Find<QComboBox>("commandBox");
        Type(box->lineEdit(), QString::fromStdString(definition.GetName()));
        return fragment;
    }
};

TEST_F(AccessibilityTest, MainWindowPagesAndDialogsNameEveryControl) {
    CVConfig& module = AddModule("Weapons");
    CVCommand& sensitivity = AddDef(module, "sensitivity", ParamReal);
    CVCommand& fov = AddDef(module, "fov", ParamInteger);
    CVCommand& name = AddDef(module, "name", ParamString);
    CVCommand& attack = AddDef(module, "attack", ParamAction);
    CVCommand& lookSpring = AddDef(module, "lookspring", ParamToggle);
    CVAlias& alias = AddAlias<CVAlias>(module, "reload");
    CVBind& bind = AddBind(module, 'W');
    CScript& game = *Doc().NewGame();
    QCoreApplication::processEvents();
    ExpectAllNamed(Frame(), "main window");
    EXPECT_EQ(AccessibleText(&Active()->ModuleTreeView(), QAccessible::Name),
              QStringLiteral("Module Pane (F10)"));

    struct Shown {
        ArchiveObject* object;
        const char* page;
    } const objects[] = {
        {&module, "Module page"}, {&sensitivity, "Definition page"},
        {&alias, "Alias page"},   {&bind, "Bind page"},
        {&game, "Game page"},
    };
    for (const Shown& shown : objects) {
        Show(shown.object);
        ExpectAllNamed(Frame(), shown.page);
    }
    // The command page with each kind of parameter control.
    for (const CVCommand* definition : {&sensitivity, &fov, &name, &attack, &lookSpring}) {
        BoundFragment(module, *definition);
        // The caption is read without its mnemonic marker.
        EXPECT_EQ(AccessibleText(Find<QComboBox>("commandBox")->lineEdit(), QAccessible::Name),
                  QStringLiteral("Command:"));
        ExpectAllNamed(Frame(), ("command page, " + definition->GetName()).c_str());
    }
    Show(nullptr);

    CJumpToBindDlg jump({&bind, &bind}, QStringLiteral("w"), Frame());
    jump.show();
    ExpectAllNamed(&jump, "Jump to Bind");
    CAddBindDlg add({&module}, QStringLiteral("w"), Frame());
    add.show();
    ExpectAllNamed(&add, "Add new Bind");
    CLibraryPropDlg properties([](const QString&) { return QString(); }, [] {}, Frame());
    properties.show();
    ExpectAllNamed(&properties, "Library Properties");
    CProcessingDlg processing(Frame());
    processing.show();
    ExpectAllNamed(&processing, "processing dialog");
    COptionsDlg options(Frame());
    options.show();
    ExpectAllNamed(&options, "Options");

    QTemporaryDir engine, examples;
    ASSERT_TRUE(QDir(engine.path()).mkdir(QStringLiteral("baseq2")));
    QFile(examples.filePath(QStringLiteral("Zoom.vtm"))).open(QIODevice::WriteOnly);
    ScriptedMessages answers;
    answers.fileAnswers = {engine.filePath(QStringLiteral("my.vtl")), engine.path()};
    CLibraryWizard wizard(answers, examples.path());
    wizard.show();
    for (int step = 1; step <= 3; ++step) {
        ExpectAllNamed(&wizard, ("wizard step " + std::to_string(step)).c_str());
        if (step == 1) {
            QTest::mouseClick(wizard.findChild<QPushButton*>(QStringLiteral("browseFile")),
                              Qt::LeftButton);
            QTest::mouseClick(wizard.findChild<QPushButton*>(QStringLiteral("browseFolder")),
                              Qt::LeftButton);
        }
        wizard.next();
    }
    EXPECT_EQ(wizard.currentId(), wizard.pageIds().back());
}

TEST_F(AccessibilityTest, KeyboardWindowNamesTheFocusedKeyAndItsState) {
    CVConfig& module = AddModule("Moves");
    AddBind(module, 'W').SetCommandsFromText("+forward");
    AddBind(module, 'E').SetCommandsFromText("use");
    AddBind(module, 'E').SetCommandsFromText("reload");
    CScript& game = *Doc().NewGame();
    game.AddModuleUse(module);
    Doc().SetCurrentGame(&game);
    CKeyboardBar* bar = Frame()->KeyboardBar();
    ASSERT_TRUE(QTest::qWaitFor([&] { return bar->IsUpToDate() && bar->Game() == &game; }, 2000));
    bar->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return bar->hasFocus(); }, 2000));

    struct Case {
        std::uint16_t key;
        const char* name;
        const char* description;
    } const cases[] = {
        {'W', "Key w, bound once", "\"+forward\""},
        {'E', "Key e, bound more than once", "Multiple binds"},
        {'R', "Key r, not bound", "Key 'r'"},
    };
    for (const Case& c : cases) {
        bar->SetFocusKey(c.key);
        EXPECT_EQ(AccessibleText(bar, QAccessible::Name), QLatin1String(c.name));
        EXPECT_EQ(AccessibleText(bar, QAccessible::Description), QLatin1String(c.description));
    }
    // A Bind added to the focused key changes its state in place.
    AddBind(module, 'R').SetCommandsFromText("jump");
    ASSERT_TRUE(QTest::qWaitFor([&] { return bar->IsUpToDate(); }, 2000));
    EXPECT_EQ(AccessibleText(bar, QAccessible::Name), QStringLiteral("Key r, bound once"));
    // Out of the window the name is the window's own again.
    Active()->ModuleTreeView().setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !bar->hasFocus(); }, 2000));
    EXPECT_EQ(AccessibleText(bar, QAccessible::Name), QStringLiteral("Keyboard"));
}

} // namespace
} // namespace vantor::test
