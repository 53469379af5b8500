// The bar layout: saved as "metrics/barstates" when the main window closes, restored when it
// is made, and left at the defaults when the stored bytes are damaged.
#include "AppFixture.h"
#include "app/CVantorApp.h"
#include "ui/frame/CMainFrame.h"

#include <QDockWidget>
#include <QStatusBar>
#include <QToolBar>

namespace vantor::test {
namespace {

using BarStateTest = AppFixture;

TEST_F(BarStateTest, LayoutSavedAtCloseAndRestoredAtStart) {
    ASSERT_TRUE(Start({}, false));
    EXPECT_EQ(Frame()->dockWidgetArea(Frame()->PropertyDock()), Qt::RightDockWidgetArea);
    EXPECT_EQ(Frame()->dockWidgetArea(Frame()->KeyboardDock()), Qt::LeftDockWidgetArea);
    EXPECT_EQ(Frame()->toolBarArea(Frame()->ToolBar()), Qt::TopToolBarArea);

    Frame()->addDockWidget(Qt::BottomDockWidgetArea, Frame()->PropertyDock());
    Frame()->KeyboardDock()->hide();
    Frame()->addToolBar(Qt::LeftToolBarArea, Frame()->ToolBar());
    Frame()->statusBar()->hide();
    ASSERT_TRUE(CloseFrame());
    EXPECT_TRUE(Stored("metrics/barstates").isValid());

    ASSERT_TRUE(Start({}, false));
    EXPECT_EQ(Frame()->dockWidgetArea(Frame()->PropertyDock()), Qt::BottomDockWidgetArea);
    EXPECT_FALSE(Frame()->PropertyDock()->isHidden());
    EXPECT_TRUE(Frame()->KeyboardDock()->isHidden());
    EXPECT_EQ(Frame()->toolBarArea(Frame()->ToolBar()), Qt::LeftToolBarArea);
    EXPECT_TRUE(Frame()->statusBar()->isHidden());
}

TEST_F(BarStateTest, DamagedLayoutLeavesTheDefaults) {
    ASSERT_TRUE(Start({}, false));
    const QByteArray good = Frame()->SaveBarState();
    App().DestroyMainFrame();

    const QByteArray damaged[] = {
        QByteArray("not a layout"),
        good.left(good.size() / 2),
        QByteArray(good).replace(0, 4, "XXXX"),
    };
    for (const QByteArray& bytes : damaged) {
        Preset({{"metrics/barstates", bytes}});
        ASSERT_TRUE(Start({}, false));
        EXPECT_EQ(Frame()->dockWidgetArea(Frame()->PropertyDock()), Qt::RightDockWidgetArea);
        EXPECT_FALSE(Frame()->KeyboardDock()->isHidden());
        EXPECT_FALSE(Frame()->statusBar()->isHidden());
        EXPECT_FALSE(Frame()->RestoreBarState(bytes));
        App().DestroyMainFrame();
    }
}

} // namespace
} // namespace vantor::test
