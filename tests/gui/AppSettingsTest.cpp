// The settings object on its own: the rule for a usable saved rectangle, the accessors, and
// reading values that are missing or damaged.
#include "app/AppSettings.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vantor {
namespace {

TEST(AppSettingsTest, SavedRectangleIsUsedOnlyWhollyInsideTheWorkArea) {
    const QRect workArea(0, 0, 800, 600); // right edge x = 800, bottom edge y = 600 are outside
    struct Case {
        const char* what;
        int x, y, cx, cy;
        bool usable;
    } const cases[] = {
        {"inside", 100, 50, 400, 300, true},
        {"touching the top-left corner", 0, 0, 799, 599, true},
        {"bottom-right corner on the right edge", 0, 0, 800, 300, false},
        {"bottom-right corner on the bottom edge", 0, 0, 300, 600, false},
        {"reaching past the right edge", 700, 100, 200, 200, false},
        {"reaching past the bottom edge", 100, 500, 200, 200, false},
        {"starting left of the area", -1, 10, 200, 200, false},
        {"zero width", 10, 10, 0, 200, false},
        {"zero height", 10, 10, 200, 0, false},
        {"negative size", 400, 400, -100, -100, false},
        {"the defaults", -1, -1, 0, 0, false},
        {"sizes that overflow an int", 10, 10, 2147483647, 2147483647, false},
    };
    for (const Case& c : cases) {
        AppSettings settings;
        settings.SetFramePos(c.x, c.y);
        settings.SetFrameSize(c.cx, c.cy);
        const std::optional<QRect> rect = settings.UsableFrameRect(workArea);
        EXPECT_EQ(rect.has_value(), c.usable) << c.what;
        if (rect && c.usable) {
            EXPECT_EQ(*rect, QRect(c.x, c.y, c.cx, c.cy)) << c.what;
        }
    }
    // A work area that does not start at the origin (a panel on the left or top).
    AppSettings shifted;
    shifted.SetFramePos(10, 10);
    shifted.SetFrameSize(100, 100);
    EXPECT_FALSE(shifted.UsableFrameRect(QRect(48, 0, 800, 600)));
    EXPECT_TRUE(shifted.UsableFrameRect(QRect(0, 0, 800, 600)));
}

TEST(AppSettingsTest, ColumnWidthAndFirstPreview) {
    AppSettings settings;
    settings.slCol0 = 120;
    settings.slCol1 = 90;
    EXPECT_EQ(settings.ColumnWidth(0), 120);
    EXPECT_EQ(settings.ColumnWidth(1), 90);
    EXPECT_EQ(settings.ColumnWidth(2), 0);
    EXPECT_EQ(settings.ColumnWidth(-1), 0);

    EXPECT_TRUE(settings.TakeFirstPreview());
    EXPECT_FALSE(settings.TakeFirstPreview());
    EXPECT_FALSE(settings.firstPreview);
}

TEST(AppSettingsTest, DamagedValuesKeepTheirDefaultsAndPathsFollowTheProgramFolder) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QSettings stored(dir.filePath(QStringLiteral("v.conf")), QSettings::IniFormat);
    stored.setValue(QStringLiteral("metrics/SplitLoc"), QStringLiteral("wide"));
    stored.setValue(QStringLiteral("metrics/FrameX"), QStringLiteral(""));
    stored.setValue(QStringLiteral("metrics/SLCol0"), 80);
    stored.setValue(QStringLiteral("metrics/Reload"), 0);
    stored.setValue(QStringLiteral("options/author"), QStringLiteral("Kim"));

    AppSettings settings(QStringLiteral("/opt/vantor/bin"));
    settings.Load(stored);
    EXPECT_EQ(settings.splitLoc, 200);
    EXPECT_EQ(settings.frameX, -1);
    EXPECT_EQ(settings.slCol0, 80);
    EXPECT_FALSE(settings.reload);
    EXPECT_EQ(settings.author, QStringLiteral("Kim"));
    EXPECT_EQ(settings.converterPath, QStringLiteral("/opt/vantor/bin/lumenote"));
    EXPECT_EQ(settings.exampleFolder, QStringLiteral("/opt/vantor/bin"));
}

} // namespace
} // namespace vantor
