#pragma once

#include <QRect>
#include <QString>

#include <optional>

class QSettings;

namespace vantor {

/// The settings live in QSettings(kSettingsCompany, kSettingsApplication).
inline constexpr char kSettingsCompany[] = "Velmora";
inline constexpr char kSettingsApplication[] = "Vantor";

/// The user settings of the editor with their defaults, read at start-up and written at exit.
/// Sections and keys: options/author, options/htmlcvt, options/examplefolder,
/// options/firstpreview and metrics/ChildMax, FrameX, FrameY, FrameCX, FrameCY, FrameMax,
/// ConfirmAll, Reload, MCCol, SLCol0, SLCol1, SplitLoc, paneheader.
class AppSettings {
public:
    /// Defaults for a program that lives in programFolder.
    explicit AppSettings(const QString& programFolder = QString());

    /// Reads every value; a missing or unreadable value keeps its default.
    void Load(QSettings& settings);
    /// Writes every value except the converter path and the example folder, which are only
    /// ever read.
    void Save(QSettings& settings) const;

    /// Width of a list column: 0 gives SLCol0, 1 gives SLCol1, anything else 0.
    int ColumnWidth(int index) const;

    /// The saved main-window rectangle when it is usable on a desktop whose work area is
    /// workArea: not empty, and both its top-left and bottom-right corners inside the work
    /// area (a point on its right or bottom edge counts as outside).
    std::optional<QRect> UsableFrameRect(const QRect& workArea) const;

    void SetFramePos(int x, int y);
    void SetFrameSize(int cx, int cy);
    void SetFrameMax(bool maximized);

    /// Answers true once: when the first-preview notice is still due, clears the flag.
    bool TakeFirstPreview();

    QString programFolder;
    QString author;
    QString converterPath; // htmlcvt
    QString exampleFolder; // examplefolder
    bool childMax = true;
    int frameX = -1;
    int frameY = -1;
    int frameCX = 0;
    int frameCY = 0;
    bool frameMax = false;
    bool confirmAll = true;
    bool reload = true;
    bool firstPreview = true;
    int mcCol = 150;
    int slCol0 = 150;
    int slCol1 = 150;
    int splitLoc = 200;
    bool paneHeader = true;
};

} // namespace vantor
