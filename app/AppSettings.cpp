#include "app/AppSettings.h"

#include <QSettings>

namespace vantor {
namespace {

const QString kOptions = QStringLiteral("options/");
const QString kMetrics = QStringLiteral("metrics/");

int ReadInt(const QSettings& settings, const QString& key, int fallback) {
    bool ok = false;
    const int value = settings.value(key).toInt(&ok);
    return ok ? value : fallback;
}

bool ReadFlag(const QSettings& settings, const QString& key, bool fallback) {
    return ReadInt(settings, key, fallback ? 1 : 0) != 0;
}

QString ReadString(const QSettings& settings, const QString& key, const QString& fallback) {
    const QVariant value = settings.value(key);
    return value.isValid() ? value.toString() : fallback;
}

} // namespace

AppSettings::AppSettings(const QString& folder)
    : programFolder(folder), converterPath(folder + QStringLiteral("/lumenote")),
      exampleFolder(folder) {}

void AppSettings::Load(QSettings& s) {
    // The converter and example defaults depend on the program folder, known beforehand.
    author = ReadString(s, kOptions + QStringLiteral("author"), QString());
    converterPath = ReadString(s, kOptions + QStringLiteral("htmlcvt"),
                               programFolder + QStringLiteral("/lumenote"));
    exampleFolder = ReadString(s, kOptions + QStringLiteral("examplefolder"), programFolder);
    firstPreview = ReadFlag(s, kOptions + QStringLiteral("firstpreview"), true);
    childMax = ReadFlag(s, kMetrics + QStringLiteral("ChildMax"), true);
    frameX = ReadInt(s, kMetrics + QStringLiteral("FrameX"), -1);
    frameY = ReadInt(s, kMetrics + QStringLiteral("FrameY"), -1);
    frameCX = ReadInt(s, kMetrics + QStringLiteral("FrameCX"), 0);
    frameCY = ReadInt(s, kMetrics + QStringLiteral("FrameCY"), 0);
    frameMax = ReadFlag(s, kMetrics + QStringLiteral("FrameMax"), false);
    confirmAll = ReadFlag(s, kMetrics + QStringLiteral("ConfirmAll"), true);
    reload = ReadFlag(s, kMetrics + QStringLiteral("Reload"), true);
    mcCol = ReadInt(s, kMetrics + QStringLiteral("MCCol"), 150);
    slCol0 = ReadInt(s, kMetrics + QStringLiteral("SLCol0"), 150);
    slCol1 = ReadInt(s, kMetrics + QStringLiteral("SLCol1"), 150);
    splitLoc = ReadInt(s, kMetrics + QStringLiteral("SplitLoc"), 200);
    paneHeader = ReadFlag(s, kMetrics + QStringLiteral("paneheader"), true);
}

void AppSettings::Save(QSettings& s) const {
    s.setValue(kOptions + QStringLiteral("author"), author);
    s.setValue(kMetrics + QStringLiteral("ChildMax"), childMax ? 1 : 0);
    s.setValue(kMetrics + QStringLiteral("MCCol"), mcCol);
    s.setValue(kMetrics + QStringLiteral("SLCol1"), slCol1);
    s.setValue(kMetrics + QStringLiteral("SLCol0"), slCol0);
    s.setValue(kMetrics + QStringLiteral("SplitLoc"), splitLoc);
    s.setValue(kMetrics + QStringLiteral("FrameX"), frameX);
    s.setValue(kMetrics + QStringLiteral("FrameY"), frameY);
    s.setValue(kMetrics + QStringLiteral("FrameCX"), frameCX);
    s.setValue(kMetrics + QStringLiteral("FrameCY"), frameCY);
    s.setValue(kMetrics + QStringLiteral("FrameMax"), frameMax ? 1 : 0);
    s.setValue(kMetrics + QStringLiteral("ConfirmAll"), confirmAll ? 1 : 0);
    s.setValue(kMetrics + QStringLiteral("Reload"), reload ? 1 : 0);
    s.setValue(kMetrics + QStringLiteral("paneheader"), paneHeader ? 1 : 0);
    s.setValue(kOptions + QStringLiteral("firstpreview"), firstPreview ? 1 : 0);
}

int AppSettings::ColumnWidth(int index) const {
    switch (index) {
    case 0:
        return slCol0;
    case 1:
        return slCol1;
    default:
        return 0;
    }
}

std::optional<QRect> AppSettings::UsableFrameRect(const QRect& workArea) const {
    if (frameCX <= 0 || frameCY <= 0)
        return std::nullopt;
    // Wide arithmetic: values read from the settings file may be anything.
    const long long right = static_cast<long long>(frameX) + frameCX;
    const long long bottom = static_cast<long long>(frameY) + frameCY;
    const auto inside = [&workArea](long long x, long long y) {
        return x >= workArea.left() && x <= workArea.right() && y >= workArea.top() &&
               y <= workArea.bottom();
    };
    if (!inside(frameX, frameY) || !inside(right, bottom))
        return std::nullopt;
    return QRect(frameX, frameY, frameCX, frameCY);
}

void AppSettings::SetFramePos(int x, int y) {
    frameX = x;
    frameY = y;
}

void AppSettings::SetFrameSize(int cx, int cy) {
    frameCX = cx;
    frameCY = cy;
}

void AppSettings::SetFrameMax(bool maximized) {
    frameMax = maximized;
}

bool AppSettings::TakeFirstPreview() {
    if (!firstPreview)
        return false;
    firstPreview = false;
    return true;
}

} // namespace vantor
