// The Definition, Module, Alias, Bind key and Game pages: what they show, how their fields
// commit and refuse, and which edits mark the Library modified.
#include "PageFixture.h"
#include "model/CKeyTable.h"
#include "ui/frame/CModuleView.h"

#include <QCheckBox>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace vantor::test {
namespace {

class ObjectPagesTest : public PageFixture {};

TEST_F(ObjectPagesTest, DefinitionTypeButtonsSwitchTheRangeShown) {
    CVConfig& module = AddModule("Defs");
    CVCommand& definition = AddDef(module, "volume", ParamInteger);
    definition.SetIntMin(3);
    definition.SetIntMax(7);
    definition.SetRealMin(0.5f);
    definition.SetRealMax(2);
    Show(&definition);
    Doc().SetModified(false);
    auto* min = Find<QLineEdit>("rangeMin");
    auto* max = Find<QLineEdit>("rangeMax");
    auto* slider = Find<QCheckBox>("useSlider");
    EXPECT_EQ(min->text(), QStringLiteral("3"));
    EXPECT_FALSE(slider->isEnabled());

    QTest::mouseClick(Find("type5"), Qt::LeftButton);
    EXPECT_EQ(definition.GetDefParamType(), ParamReal);
    EXPECT_TRUE(slider->isEnabled());
    EXPECT_EQ(min->text(), QStringLiteral("0.500000"));
    EXPECT_EQ(max->text(), QStringLiteral("2.000000"));
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Space);
    EXPECT_TRUE(definition.GetUseSlider());

    QTest::mouseClick(Find("type4"), Qt::LeftButton);
    EXPECT_FALSE(slider->isEnabled());
    EXPECT_EQ(min->text(), QStringLiteral("3"));
    EXPECT_EQ(max->text(), QStringLiteral("7"));

    // Other types disable the range and leave its text.
    QTest::mouseClick(Find("type6"), Qt::LeftButton);
    EXPECT_FALSE(min->isEnabled());
    EXPECT_EQ(min->text(), QStringLiteral("3"));
    // None of this, nor the description, marks the Library modified.
    auto* description = Find<QPlainTextEdit>("definitionDescription");
    description->setFocus();
    QTest::keyClicks(description, QStringLiteral("line one"));
    QTest::keyClick(description, Qt::Key_Return);
    QTest::keyClicks(description, QStringLiteral("two"));
    LeaveField();
    EXPECT_EQ(definition.GetDescription(), "line one\r\ntwo");
    EXPECT_FALSE(Doc().IsModified());
}

// Alt with a letter: the page's own control of that mnemonic while the focus is in the page
// ("Use S&lider" against "&Library"), the menu bar otherwise and for letters the page lacks.
TEST_F(ObjectPagesTest, MnemonicsGoToThePageWhileItHasTheFocus) {
    CVConfig& module = AddModule("Defs");
    CVCommand& definition = AddDef(module, "volume", ParamReal);
    Show(&definition);
    const auto press = [](QWidget* focus, Qt::Key key) {
        focus->setFocus();
        QTest::keyClick(focus, key, Qt::AltModifier);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        const QString title = menu ? menu->title() : QString();
        if (menu)
            menu->close();
        return title;
    };
    QWidget* name = Find("definitionName");
    EXPECT_EQ(press(name, Qt::Key_L), QString());
    EXPECT_TRUE(definition.GetUseSlider());
    EXPECT_EQ(press(name, Qt::Key_L), QString());
    EXPECT_FALSE(definition.GetUseSlider());
    EXPECT_EQ(press(name, Qt::Key_X), QString());
    EXPECT_EQ(QApplication::focusWidget(), Find("rangeMax"));
    EXPECT_EQ(press(name, Qt::Key_W), QStringLiteral("&Window"));

    QWidget* tree = Active()->ModuleTreeView().Tree();
    EXPECT_EQ(press(tree, Qt::Key_L), QStringLiteral("&Library"));
    EXPECT_FALSE(definition.GetUseSlider());
}

TEST_F(ObjectPagesTest, DefinitionBoundsCommitRefuseAndRefill) {
    struct Case {
        int type;
        bool minimum;
        const char* typed;
        const char* stored; // the bound afterwards, as "%d" or "%f"
        const char* field;  // the field afterwards
        bool refused;
    } const cases[] = {
        {ParamInteger, true, "70000", "4464", "70000", false}, // low 16 bits
        {ParamInteger, true, "-1", "-1", "-1", false},
        {ParamInteger, true, "abc", "3", "3", true},
        {ParamInteger, false, "12x", "12", "12x", false},
        {ParamInteger, true, "9", "9", "9", false}, // larger than the maximum: kept
        {ParamReal, true, "abc", "0.500000", "0.50", true},
        {ParamReal, false, "  1.25", "1.250000", "  1.25", false},
        {ParamReal, true, "5", "5.000000", "5", false},
    };
    CVConfig& module = AddModule("Defs");
    for (const Case& c : cases) {
        const std::string what = c.typed;
        CVCommand& definition = AddDef(module, "d" + std::to_string(&c - cases), c.type);
        definition.SetIntMin(3);
        definition.SetIntMax(7);
        definition.SetRealMin(0.5f);
        definition.SetRealMax(2);
        Show(&definition);
        Doc().SetModified(false);
        auto* field = Find<QLineEdit>(c.minimum ? "rangeMin" : "rangeMax");
        Type(field, QString::fromLatin1(c.typed));
        LeaveField();
        const std::string stored =
            c.type == ParamInteger
                ? std::to_string(c.minimum ? definition.GetIntMin() : definition.GetIntMax())
                : std::to_string(c.minimum ? definition.GetRealMin() : definition.GetRealMax());
        EXPECT_EQ(stored, c.stored) << what;
        EXPECT_EQ(field->text(), QLatin1String(c.field)) << what;
        EXPECT_EQ(TakeMessages(),
                  c.refused ? QStringList("Warning: Illegal range value.") : QStringList())
            << what;
        EXPECT_FALSE(Doc().IsModified()) << what;
    }

    // A bound shown rounded is not stored rounded when its field is merely passed through,
    // nor after a refused entry was refilled.
    CVCommand& precise = AddDef(module, "precise", ParamReal);
    precise.SetRealMin(0.123456789f);
    Show(&precise);
    auto* min = Find<QLineEdit>("rangeMin");
    min->setFocus();
    LeaveField();
    Type(min, QStringLiteral("abc"));
    LeaveField();
    EXPECT_EQ(min->text(), QStringLiteral("0.12"));
    Show(module.GetList(TypeDefinitionList));
    EXPECT_EQ(precise.GetRealMin(), 0.123456789f);
    TakeMessages();
}

TEST_F(ObjectPagesTest, RenamesTakeTheirLimitsAndRefuseWithTheirMessages) {
    CVConfig& module = AddModule("Names");
    CVCommand& definition = AddDef(module, "old", ParamNone);
    CVAlias& alias = AddAlias<CVAlias>(module, "alias");
    const QString long45(45, QLatin1Char('a'));
    const QString long41 = QString(40, QLatin1Char('m')) + QLatin1Char('!');

    struct Case {
        ArchiveObject* object;
        const char* field;
        QString typed;
        std::string expected; // the name afterwards
        const char* message;
        bool modifies;
    } const cases[] = {
        {&definition, "definitionName", long45, std::string(39, 'a'), nullptr, true},
        {&definition, "definitionName", "", std::string(39, 'a'),
         "Definition name must contain characters.", false},
        {&definition, "definitionName", "two words", std::string(39, 'a'),
         "Definition name has invalid characters. Use a-z, A-Z, 0-9, '_'.", false},
        {&alias, "aliasName", " spaced ", "spaced", nullptr, true},
        {&alias, "aliasName", "", "spaced", "Alias name must contain characters.", false},
        {&alias, "aliasName", "a-b", "spaced",
         "Alias name has invalid characters. Use a-z, A-Z, 0-9, '_'.", false},
        // A Module name keeps all its 40 characters and takes no more; renaming it does not
        // mark the Library modified.
        {&module, "moduleName", long41, std::string(40, 'm'), nullptr, false},
        {&module, "moduleName", "", std::string(40, 'm'), "Module must have a name.", false},
    };
    for (const Case& c : cases) {
        const std::string what = c.field + (" '" + c.typed.toStdString() + "'");
        Show(c.object);
        Doc().SetModified(false);
        auto* field = Find<QLineEdit>(c.field);
        Type(field, c.typed);
        LeaveField();
        EXPECT_EQ(dynamic_cast<CMTObj*>(c.object)->GetName(), c.expected) << what;
        EXPECT_EQ(field->text(), QString::fromStdString(c.expected)) << what;
        EXPECT_EQ(TakeMessages(),
                  c.message ? QStringList(QStringLiteral("Warning: ") + c.message) : QStringList())
            << what;
        EXPECT_EQ(Doc().IsModified(), c.modifies) << what;
    }
    // Leaving an unchanged name renames nothing.
    Show(&alias);
    Doc().SetModified(false);
    Show(&definition);
    EXPECT_FALSE(Doc().IsModified());

    // The author is taken as typed, without marking the Library modified.
    Show(&module);
    Type(Find("moduleAuthor"), QStringLiteral("Ann"));
    LeaveField();
    EXPECT_EQ(module.GetAuthor(), "Ann");
    EXPECT_FALSE(Doc().IsModified());

    // Names longer than a field takes, as files may hold them, survive being looked at.
    const std::string longName(45, 'n');
    ASSERT_EQ(module.Rename(longName), 0);
    CScript& game = *Doc().NewGame();
    ASSERT_EQ(game.SetGameName(longName, false), 0);
    for (ArchiveObject* object :
         {static_cast<ArchiveObject*>(&module), static_cast<ArchiveObject*>(&game)}) {
        Show(object);
        Prop().setFocus();
        LeaveField();
    }
    Show(nullptr);
    EXPECT_EQ(module.GetName(), longName);
    EXPECT_EQ(game.GetGameName(), longName);
}

TEST_F(ObjectPagesTest, GamePageCommitsNameFileAndSwitch) {
    CScript& game = *Doc().NewGame();
    ASSERT_EQ(game.SetGameName("Quake", false), 0);
    game.SetScriptFile("/games/quake/autoexec.cfg", false);
    Show(&game);
    Doc().SetModified(false);
    auto* name = Find<QLineEdit>("gameName");
    auto* file = Find<QLineEdit>("scriptFile");
    EXPECT_EQ(file->text(), QStringLiteral("/games/quake/autoexec.cfg"));
    EXPECT_EQ(name->maxLength(), 40);

    // Unchanged: nobody hears of it.
    name->setFocus();
    LeaveField();
    EXPECT_EQ(recorder.gameChanges, 0);

    Type(name, QString());
    LeaveField();
    EXPECT_EQ(TakeMessages(), QStringList("Warning: Game must have a name."));
    EXPECT_EQ(name->text(), QStringLiteral("Quake"));
    EXPECT_EQ(recorder.gameChanges, 0);
    EXPECT_FALSE(Doc().IsModified());

    Type(name, QStringLiteral("Quake II"));
    LeaveField();
    EXPECT_EQ(game.GetGameName(), "Quake II");
    EXPECT_EQ(recorder.gameChanges, 1);
    EXPECT_TRUE(Doc().IsModified());

    Doc().SetModified(false);
    Type(file, QString(300, QLatin1Char('x')));
    LeaveField();
    EXPECT_EQ(game.GetScriptFile(), std::string(259, 'x'));
    EXPECT_TRUE(recorder.gameBits & ModelObserver::GameFileChanged);
    EXPECT_TRUE(Doc().IsModified());

    Doc().SetModified(false);
    auto* saveWithLibrary = Find<QCheckBox>("saveWithLibrary");
    EXPECT_TRUE(saveWithLibrary->isChecked());
    QTest::mouseClick(saveWithLibrary, Qt::LeftButton);
    EXPECT_FALSE(game.GetSaveWithLibrary());
    EXPECT_FALSE(Doc().IsModified());

    // Browse for Script runs the Game operation and shows the path it chose.
    Prop().SetBrowseForScript([](CScript& browsed) { browsed.SetScriptFile("/chosen.cfg", true); });
    QTest::mouseClick(Find("browseForScript"), Qt::LeftButton);
    EXPECT_EQ(file->text(), QStringLiteral("/chosen.cfg"));
}

TEST_F(ObjectPagesTest, BindPagePicksKeysAsTheUserMovesThroughTheList) {
    CVConfig& module = AddModule("Binds");
    CVBind& unbound = AddBind(module, 0);
    Show(&unbound);
    Doc().SetModified(false);
    auto* keys = Find<QListWidget>("keyList");
    ASSERT_EQ(static_cast<std::size_t>(keys->count()), CKeyTable::Instance().Records().size() - 1);
    EXPECT_TRUE(keys->selectedItems().isEmpty());
    EXPECT_EQ(unbound.GetKey(), 0);
    EXPECT_FALSE(Doc().IsModified());

    const QList<QListWidgetItem*> found = keys->findItems("kp_enter", Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    keys->scrollToItem(found.front());
    QTest::mouseClick(keys->viewport(), Qt::LeftButton, {},
                      keys->visualItemRect(found.front()).center());
    EXPECT_EQ(unbound.GetKey(), 108);
    EXPECT_EQ(unbound.GetName(), "kp_enter");
    EXPECT_TRUE(Doc().IsModified());

    // Each arrow step binds the next key.
    const int row = keys->row(found.front());
    QTest::keyClick(keys, Qt::Key_Down);
    EXPECT_EQ(unbound.GetKey(), keys->item(row + 1)->data(Qt::UserRole).toUInt());

    // Showing another Bind selects its key without binding anything.
    CVBind& bound = AddBind(module, 108);
    Doc().SetModified(false);
    Show(&bound);
    EXPECT_EQ(keys->currentItem(), found.front());
    EXPECT_TRUE(found.front()->isSelected());
    EXPECT_FALSE(Doc().IsModified());
}

} // namespace
} // namespace vantor::test
