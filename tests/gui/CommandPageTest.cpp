// The command page: which commands the box offers, applying a name keystroke by keystroke,
// the parameter controls of each type and how they commit, refusals, and that nothing here
// marks the Library modified.
#include "PageFixture.h"
#include "ui/frame/CCmdFragView.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

namespace vantor::test {
namespace {

class CommandPageTest : public PageFixture {
protected:
    QComboBox* Box() { return Find<QComboBox>("commandBox"); }
    /// The names in the box's list, as the user sees them when it opens.
    QStringList Offered() {
        Box()->showPopup();
        Box()->hidePopup();
        QStringList names;
        for (int i = 0; i < Box()->count(); ++i)
            names.append(Box()->itemText(i));
        return names;
    }
    /// Types the name into the empty command box, one keystroke at a time.
    void TypeCommand(const QString& name) { Type(Box()->lineEdit(), name); }
    /// Shows a new fragment of `module` bound to `definition`, as typing its name does.
    CCmdFrag& BoundFragment(CVConfig& module, const CVCommand& definition) {
        CCmdFrag& fragment = AddStartup(module);
        Show(&fragment);
        TypeCommand(QString::fromStdString(definition.GetName()));
        EXPECT_EQ(fragment.GetParamType(), definition.GetDefParamType());
        return fragment;
    }
};

TEST_F(CommandPageTest, OffersTheModulesUpToItsOwnTheLastOneWinning) {
    CVConfig& first = AddModule("One");
    CVConfig& second = AddModule("Two");
    CVConfig& third = AddModule("Three");
    AddDef(first, "Fire", ParamNone);
    CVCommand& jump = AddDef(first, "jump", ParamNone);
    AddAlias<CVAlias>(second, "bark");
    AddDef(third, "FIRE", ParamAction);
    AddDef(third, "Unset", ParamUnset);
    AddAlias<CVAliasAct>(third, "Crouch");

    Show(&AddStartup(first));
    EXPECT_EQ(Offered(), QStringList({"Fire", "jump"}));
    Show(&AddStartup(second));
    EXPECT_EQ(Offered(), QStringList({"bark", "Fire", "jump"}));
    Show(&AddStartup(third));
    EXPECT_EQ(Offered(), QStringList({"bark", "Crouch", "FIRE", "jump"}));
    // Showing the fragment's name applies nothing.
    EXPECT_EQ(Box()->currentText(), QString());
    EXPECT_EQ(Box()->lineEdit()->maxLength(), 40);

    // A change of the Library shows in the list of the next fragment of the same Module.
    ASSERT_EQ(jump.Rename("leap"), 0);
    Show(&AddStartup(third));
    EXPECT_EQ(Offered(), QStringList({"bark", "Crouch", "FIRE", "leap"}));
}

TEST_F(CommandPageTest, TheListIsFilledWhenNeededKeepingWhatWasTyped) {
    CVConfig& module = AddModule("Moves");
    AddDef(module, "Forward", ParamAction);
    AddDef(module, "Back", ParamAction);
    CCmdFrag& fragment = AddStartup(module);
    Show(&fragment);
    EXPECT_EQ(Box()->count(), 0); // nothing sorted just to show the fragment

    TypeCommand(QStringLiteral("forw"));
    Box()->lineEdit()->setCursorPosition(2);
    EXPECT_EQ(Offered(), QStringList({"Back", "Forward"}));
    EXPECT_EQ(Box()->currentText(), QStringLiteral("forw"));
    EXPECT_EQ(Box()->lineEdit()->cursorPosition(), 2);
    EXPECT_EQ(fragment.GetCommand(), "forw");

    // The arrow keys step through the list, filled first.
    Show(&AddStartup(module));
    QTest::keyClick(Box()->lineEdit(), Qt::Key_Down);
    EXPECT_EQ(Box()->count(), 2);
    EXPECT_EQ(Box()->currentText(), QStringLiteral("Back"));
}

TEST_F(CommandPageTest, TypingAppliesEachPrefixUntilTheWholeNameMatches) {
    CVConfig& module = AddModule("Moves");
    CVCommand& forward = AddDef(module, "Forward", ParamAction);
    AddDef(module, "Never", ParamUnset);
    CCmdFrag& fragment = AddStartup(module);
    Show(&fragment);
    Doc().SetModified(false);

    TypeCommand(QStringLiteral("forw"));
    EXPECT_EQ(fragment.GetCommand(), "forw");
    EXPECT_EQ(fragment.GetParamType(), ParamUserDefined);
    EXPECT_TRUE(Find("textField")->isVisible());
    EXPECT_EQ(Find<QLabel>("paramLabel")->text(), QStringLiteral("Parameter(s):"));

    QTest::keyClicks(Box()->lineEdit(), QStringLiteral("ard"));
    EXPECT_EQ(fragment.GetCommand(), "Forward"); // as the Definition writes it
    EXPECT_EQ(fragment.GetParamType(), forward.GetDefParamType());
    EXPECT_EQ(fragment.GetParam(), "1");
    EXPECT_EQ(Box()->currentText(), QStringLiteral("forward"));
    EXPECT_TRUE(Find("switchOn")->isVisible());
    EXPECT_TRUE(Find<QPushButton>("switchOn")->isChecked());
    EXPECT_FALSE(Find("textField")->isVisible());
    EXPECT_EQ(Find<QPushButton>("switchThird")->text(), QStringLiteral("&Toggle"));

    // A Definition whose type was never chosen is not a match.
    TypeCommand(QStringLiteral("never"));
    EXPECT_EQ(fragment.GetCommand(), "never");
    EXPECT_EQ(fragment.GetParamType(), ParamUserDefined);
    EXPECT_TRUE(messages.calls.isEmpty());
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(CommandPageTest, ABlankInsideANameIsRefusedOnceACharacterFollowsIt) {
    CVConfig& module = AddModule("Moves");
    CCmdFrag& fragment = AddStartup(module);
    Show(&fragment);
    TypeCommand(QStringLiteral("say "));
    EXPECT_EQ(fragment.GetCommand(), "say"); // the trailing blank is trimmed away
    EXPECT_TRUE(TakeMessages().isEmpty());
    QTest::keyClicks(Box()->lineEdit(), QStringLiteral("x"));
    EXPECT_EQ(TakeMessages(),
              QStringList("Warning: Command has invalid characters. Use a-z, A-Z, 0-9, '_'."));
    EXPECT_EQ(fragment.GetCommand(), "say");
    EXPECT_EQ(fragment.GetParamType(), ParamUserDefined);
}

TEST_F(CommandPageTest, IntegerParametersCommitWhenTheFieldIsLeft) {
    struct Case {
        std::int16_t min, max;
        bool spinner;
        const char* typed;
        const char* param;   // the parameter afterwards
        const char* message; // the refusal, if any
    } const cases[] = {
        {0, 100, true, "42", "42", nullptr},
        {0, 100, true, "101", "0", "Integer parameter out of range."},
        {0, 100, true, "abc", "0", "Illegal integer parameter."},
        {-20000, 20000, false, "15000", "15000", nullptr}, // span over 32767: no spinner
        {-32768, 0, false, "-5", "-5", nullptr},
        {5, 5, true, "99999", "99999", nullptr}, // min >= max accepts any integer
        {9, 2, false, "-70000", "-70000", nullptr},
    };
    CVConfig& module = AddModule("Numbers");
    for (const Case& c : cases) {
        const std::string what = std::to_string(c.min) + ".." + std::to_string(c.max);
        CVCommand& definition = AddDef(module, "n" + std::to_string(&c - cases), ParamInteger);
        definition.SetIntMin(c.min);
        definition.SetIntMax(c.max);
        CCmdFrag& fragment = BoundFragment(module, definition);
        auto* field = Find<QLineEdit>("numberField");
        EXPECT_EQ(Find<QLabel>("paramLabel")->text(), QStringLiteral("Integer parameter:"));
        EXPECT_TRUE(Find("spinner")->isVisible()) << what;
        EXPECT_EQ(Find("spinner")->isEnabled(), c.spinner) << what;
        const std::string before = fragment.GetParam();
        Type(field, QString::fromLatin1(c.typed));
        LeaveField();
        EXPECT_EQ(fragment.GetParam(), c.message ? before : std::string(c.param)) << what;
        EXPECT_EQ(field->text(), QString::fromStdString(fragment.GetParam())) << what;
        EXPECT_EQ(TakeMessages(),
                  c.message ? QStringList(QStringLiteral("Warning: ") + c.message) : QStringList())
            << what;
    }
}

TEST_F(CommandPageTest, TheSpinnerStepsAndWrapsWithinTheRange) {
    CVConfig& module = AddModule("Numbers");
    CVCommand& definition = AddDef(module, "volume", ParamInteger);
    definition.SetIntMin(0);
    definition.SetIntMax(2);
    CCmdFrag& fragment = BoundFragment(module, definition);
    auto* field = Find<QLineEdit>("numberField");
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Down); // 0 wraps to 2
    EXPECT_EQ(field->text(), QStringLiteral("2"));
    QTest::keyClick(field, Qt::Key_Up); // 2 wraps to 0
    QTest::keyClick(field, Qt::Key_Up);
    EXPECT_EQ(field->text(), QStringLiteral("1"));
    QTest::mouseClick(Find("spinUp"), Qt::LeftButton);
    EXPECT_EQ(field->text(), QStringLiteral("2"));
    EXPECT_TRUE(field->hasFocus());
    LeaveField();
    EXPECT_EQ(fragment.GetParam(), "2");
}

TEST_F(CommandPageTest, TheSliderAndTheNumberFieldFollowEachOther) {
    CVConfig& module = AddModule("Mouse");
    CVCommand& sensitivity = AddDef(module, "sensitivity", ParamReal);
    sensitivity.SetRealMin(0);
    sensitivity.SetRealMax(1);
    sensitivity.SetUseSlider(true);
    CCmdFrag& fragment = BoundFragment(module, sensitivity);
    auto* slider = Find<QSlider>("slider");
    auto* field = Find<QLineEdit>("numberField");
    ASSERT_TRUE(slider->isVisible());
    EXPECT_TRUE(slider->isEnabled());
    EXPECT_EQ(Find<QLabel>("paramLabel")->text(), QStringLiteral("Real number parameter:"));
    EXPECT_EQ(slider->value(), 0);

    // Five page steps of ten positions: position 50.
    slider->setFocus();
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(slider, Qt::Key_PageUp);
    EXPECT_EQ(slider->value(), 50);
    EXPECT_EQ(field->text(), QStringLiteral("0.500000"));
    EXPECT_EQ(fragment.GetParam(), "0.500000");
    EXPECT_NE(fragment.GetText().find("0.500000"), std::string::npos);

    Type(field, QStringLiteral("0.25"));
    LeaveField();
    EXPECT_EQ(fragment.GetParam(), "0.25");
    EXPECT_EQ(slider->value(), 25);

    Type(field, QStringLiteral("2"));
    LeaveField();
    EXPECT_EQ(TakeMessages(), QStringList("Warning: Real number parameter out of range."));
    EXPECT_EQ(field->text(), QStringLiteral("0.25"));
    EXPECT_EQ(fragment.GetParam(), "0.25");
    EXPECT_EQ(slider->value(), 25);

    // An empty range leaves the slider disabled, its thumb at the start.
    CVCommand& fixed = AddDef(module, "fixed", ParamReal);
    fixed.SetRealMin(3);
    fixed.SetRealMax(3);
    fixed.SetUseSlider(true);
    BoundFragment(module, fixed);
    EXPECT_TRUE(slider->isVisible());
    EXPECT_FALSE(slider->isEnabled());
    EXPECT_EQ(slider->value(), 0);
}

TEST_F(CommandPageTest, NewCommandWhileTheSliderHasTheFocusKeepsThePaneActive) {
    CVConfig& module = AddModule("Mouse");
    CVCommand& sensitivity = AddDef(module, "sensitivity", ParamReal);
    sensitivity.SetUseSlider(true);
    CVAlias& alias = AddAlias<CVAlias>(module, "aim");
    Active()->CommandView().SetCommandOwner(&alias);
    Active()->ActivatePane(CChildFrame::CommandPane);
    Trigger(CommandId::NewCommand);
    TypeCommand(QStringLiteral("sensitivity"));
    auto* slider = Find<QSlider>("slider");
    slider->setFocus();
    ASSERT_TRUE(slider->hasFocus());
    // The next command has no slider: the focus stays in the page, the pane stays active and
    // the page shows the new command.
    Trigger(CommandId::NewCommand);
    ASSERT_EQ(alias.GetCommandCount(), 2);
    EXPECT_FALSE(slider->isVisible());
    EXPECT_TRUE(Prop().isAncestorOf(QApplication::focusWidget()));
    EXPECT_EQ(Active()->ActivePaneIndex(), CChildFrame::CommandPane);
    EXPECT_EQ(Frame()->PropertyObject(), alias.GetCommand(1));
}

TEST_F(CommandPageTest, TextParametersRefuseQuotesOnlyInStrings) {
    CVConfig& module = AddModule("Chat");
    CVCommand& say = AddDef(module, "say", ParamString);
    CVCommand& exec = AddDef(module, "exec", ParamUser);
    CCmdFrag& text = BoundFragment(module, say);
    auto* field = Find<QLineEdit>("textField");
    EXPECT_EQ(Find<QLabel>("paramLabel")->text(), QStringLiteral("String parameter:"));
    Type(field, QStringLiteral("hello"));
    LeaveField();
    EXPECT_EQ(text.GetParam(), "hello");
    Type(field, QStringLiteral("say \"hi\""));
    LeaveField();
    EXPECT_EQ(TakeMessages(), QStringList("Warning: Don't use quotes (\")  in string parameter "
                                          "(Vantor will automatically add them)."));
    EXPECT_EQ(field->text(), QStringLiteral("hello"));
    EXPECT_EQ(text.GetParam(), "hello");

    CCmdFrag& user = BoundFragment(module, exec);
    EXPECT_EQ(Find<QLabel>("paramLabel")->text(), QStringLiteral("Parameter(s):"));
    Type(field, QStringLiteral("\"my file.cfg\""));
    LeaveField();
    EXPECT_EQ(user.GetParam(), "\"my file.cfg\"");
    EXPECT_TRUE(TakeMessages().isEmpty());
}

TEST_F(CommandPageTest, ChoosingItsOwnNameAgainResetsTheParameter) {
    CVConfig& module = AddModule("Numbers");
    CVCommand& definition = AddDef(module, "fov", ParamInteger);
    definition.SetIntMin(10);
    definition.SetIntMax(170);
    CCmdFrag& fragment = BoundFragment(module, definition);
    Type(Find("numberField"), QStringLiteral("90"));
    LeaveField();
    ASSERT_EQ(fragment.GetParam(), "90");
    // Leaving the box or pressing Enter in it applies nothing.
    Box()->setFocus();
    QTest::keyClick(Box()->lineEdit(), Qt::Key_Return);
    LeaveField();
    EXPECT_EQ(fragment.GetParam(), "90");
    // The only entry, chosen from the list.
    Box()->showPopup();
    QAbstractItemView* list = Box()->view();
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->isVisible(); }, 2000));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualRect(list->model()->index(0, 0)).center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return fragment.GetParam() != "90"; }, 2000));
    EXPECT_EQ(fragment.GetCommand(), "fov");
    EXPECT_EQ(fragment.GetParam(), "10");
    EXPECT_EQ(Find<QLineEdit>("numberField")->text(), QStringLiteral("10"));
}

TEST_F(CommandPageTest, SwitchButtonsSetTheStateAndTheShownText) {
    CVConfig& module = AddModule("Moves");
    CVCommand& attack = AddDef(module, "attack", ParamAction);
    CVCommand& mlook = AddDef(module, "mlook", ParamToggle);
    CCmdFrag& fragment = BoundFragment(module, attack);
    CCmdFrag& toggle = BoundFragment(module, mlook);
    Show(&fragment);
    Doc().SetModified(false);
    const int changesBefore = recorder.fragmentChanges;
    QTest::mouseClick(Find("switchOff"), Qt::LeftButton);
    EXPECT_EQ(fragment.GetParam(), "0");
    EXPECT_EQ(fragment.GetText(), "-attack");
    EXPECT_GT(recorder.fragmentChanges, changesBefore);
    QTest::mouseClick(Find("switchOn"), Qt::LeftButton);
    EXPECT_EQ(fragment.GetText(), "+attack");
    QTest::mouseClick(Find("switchThird"), Qt::LeftButton);
    EXPECT_EQ(fragment.GetParam(), "2");

    Show(&toggle);
    EXPECT_EQ(Find<QPushButton>("switchThird")->text(), QStringLiteral("Repor&t Value"));
    QTest::mouseClick(Find("switchOff"), Qt::LeftButton);
    EXPECT_EQ(toggle.GetParam(), "0");
    // Showing the fragment again checks the button of its state.
    Show(&fragment);
    EXPECT_TRUE(Find<QPushButton>("switchThird")->isChecked());
    EXPECT_FALSE(Doc().IsModified());
}

} // namespace
} // namespace vantor::test
