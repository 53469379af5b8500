#pragma once

#include "ui/keyboard/KeyHitTable.h"

#include <QImage>
#include <QPoint>
#include <QWidget>

#include <cstdint>
#include <map>
#include <unordered_map>
#include <vector>

namespace vantor {

class CScript;
class CVBind;
class CVantorDoc;

/// One key of the picture: its code, rectangle (picture pixels, right and bottom exclusive)
/// and how often the current Game binds it.
struct CKeyRect {
    enum State : std::uint16_t { Unbound = 0, BoundOnce = 1, BoundMore = 2 };

    std::uint16_t code = 0;
    KeyboardKey rect{};
    std::uint16_t state = Unbound;
};

/// The Keyboard window: a picture of the keyboard and mouse whose key faces show how often the
/// current Game binds each key (grey: not at all, yellow: once, green: more than once). A click
/// on a bound key jumps to its Bind, a double click on an unbound key adds a Bind for it; the
/// arrow keys move a focus between the keys and Enter acts on the focused one.
///
/// What it shows is refreshed by SetGame, which the application calls at an idle moment after
/// MarkOutOfDate. While it is out of date it shows the last state but acts on nothing, because
/// the Binds it knows may be gone.
class CKeyboardBar : public QWidget {
    Q_OBJECT
public:
    /// The window over the program's own keyboard picture, with every key of the key table.
    explicit CKeyboardBar(QWidget* parent = nullptr);
    /// The same over another picture of the same size (its cyan pixels are the key faces).
    explicit CKeyboardBar(const QImage& picture, QWidget* parent = nullptr);
    ~CKeyboardBar() override;

    /// Shows the keys' states for `game` of `library` (either may be null: no Game), sets the
    /// caption on the window and its dock, and is up to date afterwards.
    void SetGame(CVantorDoc* library, CScript* game);
    /// What the window shows may have changed: nothing is acted on until the next SetGame.
    void MarkOutOfDate();
    bool IsUpToDate() const { return m_upToDate; }
    CVantorDoc* Library() const { return m_library; }
    CScript* Game() const { return m_game; }

    /// The key's state, or -1 for a code that is not in the picture.
    int KeyState(std::uint16_t code) const;
    /// The Binds of the key in the current Game's Modules, Modules in Library order and
    /// Binds in list order; empty while out of date.
    const std::vector<CVBind*>& FindBinds(std::uint16_t code) const;
    /// The key's tool tip: "Key '<name>'", "Multiple binds", or the one Bind's quoted
    /// command text.
    QString ToolTipText(std::uint16_t code) const;

    /// The key under a point of the window, or 0.
    std::uint16_t HitTest(const QPoint& point) const;
    /// The key's rectangle in window coordinates (empty for a code not in the picture).
    QRect KeyWindowRect(std::uint16_t code) const;
    /// Device pixels per picture pixel: the device pixel ratio rounded, at least 1.
    int PixelScale() const { return m_scale; }
    /// The picture with the faces coloured, as painted.
    const QImage& Rendered() const { return m_rendered; }

    /// The key that has the keyboard focus inside the window (0 before the window had focus).
    std::uint16_t FocusKey() const { return m_focusKey; }
    void SetFocusKey(std::uint16_t code);

    /// A click on a bound key: selects its one Bind, or lets the user choose among several.
    void JumpToBind(std::uint16_t code);
    /// A double click on an unbound key: lets the user choose one of the Game's Modules and
    /// adds a Bind for the key there.
    void AddBind(std::uint16_t code);

    /// The picture in its frame, at the pixel scale; the window never grows beyond it.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void AddKey(std::uint16_t code, const KeyboardKey& rect);
    void Render();
    void UpdateScale();
    void SetCaption(const QString& caption);
    void ShowStatus(const QString& text);
    /// The focused key in the status bar and as the window's accessible name and description.
    void ShowFocusKey();
    void ActOnKey(std::uint16_t code);
    bool ShowToolTip(const QPoint& point, const QPoint& globalPoint);
    QPoint PicturePoint(const QPointF& point) const;
    std::uint16_t Neighbour(std::uint16_t from, int key) const;
    QWidget* FloatingDock() const;

    QImage m_picture; // faces black after start-up
    std::vector<std::uint8_t> m_faceMask;
    QImage m_rendered;
    std::map<std::uint16_t, CKeyRect> m_keys;
    std::vector<const CKeyRect*> m_stateKeys[3]; // unbound, bound once, bound more
    std::unordered_map<std::uint16_t, std::vector<CVBind*>> m_bindsByKey;
    KeyHitTable m_hits;
    bool m_upToDate = false;
    unsigned m_generation = 0; // counts MarkOutOfDate calls
    CVantorDoc* m_library = nullptr;
    CScript* m_game = nullptr;
    bool m_tracking = false;
    std::uint16_t m_pressedCode = 0;
    std::uint16_t m_focusKey = 0;
    int m_scale = 1;
    qreal m_ratio = 1.0;
    QSize m_fullSize;
    bool m_dragging = false; // moving the floating window by its picture
    QPoint m_dragOffset;
    QString m_toolTipText; // the last tool-tip text asked for
};

} // namespace vantor
