#pragma once

#include "ui/frame/CommandTarget.h"

#include <QFont>
#include <QWidget>

class QAbstractItemView;

namespace vantor {

class ArchiveObject;
class CMTObj;

/// How the panes draw their header line: the bold header font, the header height (the font's
/// text height plus one pixel) and whether headers are shown at all.
struct PaneHeaderStyle {
    QFont font;
    int height = 0;
    bool shown = true;
};

/// One of the three panes of a Library window: a header line naming the pane, drawn in the
/// highlight colours while the pane is the window's active pane, above the pane's list or
/// tree, which fills the rest. As the active pane it comes first in the command chain; a pane
/// that handles no command answers no to every one.
class CPaneView : public QWidget, public CommandTarget {
    Q_OBJECT
public:
    /// Takes `view` (the pane's list or tree) as its child.
    CPaneView(const QString& headerText, QAbstractItemView* view, QWidget* parent = nullptr);
    ~CPaneView() override;

    QAbstractItemView* View() const { return m_view; }
    const QString& HeaderText() const { return m_headerText; }

    void SetHeaderStyle(const PaneHeaderStyle& style);
    /// The height the header takes now: 0 while headers are hidden.
    int HeaderHeight() const;

    bool IsActive() const { return m_active; }
    /// Marks the pane active or inactive; repaints the header when that changed.
    void SetActive(bool active);

    /// The object selected in the pane (a model node, a Game or a command fragment), or none:
    /// what the Property Window shows while the pane is active.
    virtual ArchiveObject* SelectedObject() const { return nullptr; }

    bool Handles(CommandId id) const override;
    void Execute(CommandId id) override;

signals:
    /// The keyboard focus went into the pane's list or tree.
    void focusEntered();
    /// Tab (forward) or Shift+Tab (backward) was pressed in the pane's list or tree.
    void tabPressed(bool forward);
    /// The pane's selection or current item changed.
    void selectionChanged();

protected:
    /// Follows the view's selection model (call again after the view gets a new model).
    void WatchSelection();

    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void UpdateLayout();

    QString m_headerText;
    QAbstractItemView* m_view;
    PaneHeaderStyle m_style;
    bool m_active = false;
};

} // namespace vantor
