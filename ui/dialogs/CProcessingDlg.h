#pragma once

#include "document/ProgressMonitor.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>

class QLabel;
class QProgressBar;
class QPushButton;

namespace vantor {

/// The processing window of a long pass over a Library: a status line, the percentage done,
/// a progress bar and Cancel. It is modeless; while it is up its owner (the main window) is
/// disabled, so the user can only press Cancel.
///
/// The pass calls it once per item. It shows the state and lets the program handle pending
/// events at most every kPumpInterval milliseconds, so that a pass over a million items costs
/// little more than the pass itself while the windows stay painted and Cancel stays live.
class CProcessingDlg : public QDialog, public ProgressMonitor {
    Q_OBJECT
public:
    static constexpr int kPumpInterval = 40;

    /// `owner` is the window disabled while the dialog is up (Open uses it); `captionId` the
    /// string id of the caption ("Vantor Processing" by default).
    explicit CProcessingDlg(QWidget* owner = nullptr, int captionId = 106);
    ~CProcessingDlg() override;

    /// Disables `owner` (when it is enabled, and remembers that) and shows the dialog over it.
    /// False, with the owner enabled again, when the dialog could not be shown.
    bool Create(QWidget* owner);
    void SetStatus(const QString& text);
    void SetRange(int lower, int upper);
    void SetStep(int step);
    /// Moves the bar; answers the previous position.
    int SetPos(int pos);
    /// Advances the bar by the step; answers the previous position.
    int StepIt();
    /// Whether Cancel was pressed since the last call; the answer is given once.
    bool CheckCancelButton();

    /// The percentage text for a position: "37%"; a position past the range wraps as the bar
    /// does, except that the upper end itself shows "100%".
    static QString PercentText(int pos, int lower, int upper);
    static int Percent(int pos, int lower, int upper);
    QString ShownPercent() const;
    QString ShownStatus() const;
    int Pos() const { return m_pos; }

    // ProgressMonitor: the rematching pass talks to the dialog through these.
    void Open() override;
    void SetRange(std::size_t total) override;
    void SetStatus(std::string_view text) override;
    void Step() override;
    bool IsCancelled() override;
    void Close() override;

    /// Escape and the window's close button count as Cancel; the pass decides.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ShowPercent();
    void ShowBar();
    void Pump(bool force = false);
    void ReleaseOwner();

    int m_captionId;
    int m_lower = 0;
    int m_upper = 100;
    int m_step = 10;
    int m_pos = 0;
    int m_shownPercent = -1; // none yet: " 0 %" is shown
    unsigned m_calls = 0;
    bool m_cancelled = false;
    bool m_closing = false;
    QPointer<QWidget> m_owner;
    bool m_ownerDisabled = false;
    QPointer<QWidget> m_ownerFocus; // where the keyboard focus was in the owner, to go back to
    QLabel* m_status;
    QLabel* m_percent;
    QProgressBar* m_bar;
    QPushButton* m_cancel;
    QElapsedTimer m_sincePump;
};

} // namespace vantor
