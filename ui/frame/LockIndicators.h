#pragma once

#include <QObject>

#include <memory>

class QLabel;
class QStatusBar;
class QTimer;

namespace vantor {

class LockKeyProbe;
struct LockKeyStates;

/// The CAP, NUM and SCRL indicators at the right of the status bar. Each is lit while its lock
/// is on, as far as the windowing system tells; where it cannot tell, all three stay dim.
class LockIndicators : public QObject {
    Q_OBJECT
public:
    /// Adds the three indicators to the status bar.
    explicit LockIndicators(QStatusBar* statusBar);
    ~LockIndicators() override;

    /// Shows the given states.
    void Show(const LockKeyStates& states);

private:
    void Poll();

    QLabel* m_caps;
    QLabel* m_num;
    QLabel* m_scroll;
    std::unique_ptr<LockKeyProbe> m_probe;
    QTimer* m_timer = nullptr;
};

} // namespace vantor
