// The processing dialog: the percentage rule, Cancel reported once, the owner disabled while
// the dialog is up (the keyboard focus going back afterwards), and a rematching pass driven
// through it.
#include "AppFixture.h"
#include "ui/dialogs/CProcessingDlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>

namespace vantor::test {
namespace {

TEST(ProcessingDialogTest, PercentageTruncatesAndWrapsPastTheEnd) {
    const struct {
        int pos, lower, upper;
        const char* text;
    } cases[] = {
        {0, 0, 3, "0%"},
        {1, 0, 3, "33%"},
        {2, 0, 3, "66%"},
        {3, 0, 3, "100%"},
        {4, 0, 3, "33%"},
        {6, 0, 3, "0%"},
        {10, 10, 20, "0%"},
        {15, 10, 20, "50%"},
        {999999, 0, 1000000, "99%"},
        {1000000, 0, 1000000, "100%"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CProcessingDlg::PercentText(c.pos, c.lower, c.upper), QLatin1String(c.text))
            << c.pos << " in " << c.lower << ".." << c.upper;
}

TEST(ProcessingDialogTest, SteppingThroughThreeShowsEachThird) {
    QMainWindow owner;
    owner.show();
    CProcessingDlg dialog(&owner);
    ASSERT_TRUE(dialog.Create(&owner));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Vantor Processing"));
    EXPECT_EQ(dialog.ShownPercent(), QStringLiteral(" 0 %"));
    dialog.SetRange(0, 3);
    dialog.SetStep(1);
    dialog.SetPos(0);
    QStringList shown;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(dialog.StepIt(), i);
        shown.append(dialog.ShownPercent());
    }
    EXPECT_EQ(shown, QStringList({"33%", "66%", "100%"}));
}

TEST(ProcessingDialogTest, CancelIsReportedOnceAndTheOwnerIsDisabledMeanwhile) {
    QMainWindow owner;
    owner.show();
    {
        CProcessingDlg dialog(&owner);
        ASSERT_TRUE(dialog.Create(&owner));
        EXPECT_FALSE(owner.isEnabled());
        EXPECT_TRUE(dialog.isEnabled()); // Cancel must stay usable
        EXPECT_FALSE(dialog.CheckCancelButton());
        auto* cancel = dialog.findChild<QPushButton*>(QStringLiteral("cancel"));
        ASSERT_NE(cancel, nullptr);
        QTest::mouseClick(cancel, Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible()); // the pass decides when to stop
        EXPECT_TRUE(dialog.CheckCancelButton());
        EXPECT_FALSE(dialog.CheckCancelButton());
        // Escape counts as Cancel too, and does not close the dialog.
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_TRUE(dialog.IsCancelled());
        EXPECT_TRUE(dialog.isVisible());
    }
    EXPECT_TRUE(owner.isEnabled());

    // An owner that was disabled already stays so.
    owner.setEnabled(false);
    {
        CProcessingDlg dialog(&owner);
        ASSERT_TRUE(dialog.Create(&owner));
    }
    EXPECT_FALSE(owner.isEnabled());
}

TEST(ProcessingDialogTest, TheFocusGoesBackWhereItWasInTheOwner) {
    QMainWindow owner;
    auto* field = new QLineEdit;
    owner.setCentralWidget(field);
    owner.show();
    owner.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&owner));
    field->setFocus();
    ASSERT_TRUE(field->hasFocus());
    {
        CProcessingDlg dialog(&owner);
        ASSERT_TRUE(dialog.Create(&owner));
        EXPECT_FALSE(field->hasFocus());
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return field->hasFocus(); }, 2000));
}

} // namespace
} // namespace vantor::test
