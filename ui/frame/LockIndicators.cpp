#include "ui/frame/LockIndicators.h"

#include "ui/frame/LockKeyProbe.h"

#include <QLabel>
#include <QStatusBar>
#include <QTimer>

namespace vantor {
namespace {

QLabel* MakeIndicator(QStatusBar* statusBar, const QString& text, const char* name) {
    auto* label = new QLabel(text, statusBar);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 10);
    label->setEnabled(false); // dim until the state is known to be on
    statusBar->addPermanentWidget(label);
    return label;
}

} // namespace

LockIndicators::LockIndicators(QStatusBar* statusBar)
    : QObject(statusBar), m_caps(MakeIndicator(statusBar, QStringLiteral("CAP"), "capsIndicator")),
      m_num(MakeIndicator(statusBar, QStringLiteral("NUM"), "numIndicator")),
      m_scroll(MakeIndicator(statusBar, QStringLiteral("SCRL"), "scrollIndicator")),
      m_probe(std::make_unique<LockKeyProbe>()) {
    if (!m_probe->IsAvailable())
        return;
    // The X server sends no event to a client that does not ask the keyboard extension for
    // them; a light poll keeps the indicators current whichever program toggled a lock.
    m_timer = new QTimer(this);
    m_timer->setInterval(250);
    connect(m_timer, &QTimer::timeout, this, &LockIndicators::Poll);
    m_timer->start();
    Poll();
}

LockIndicators::~LockIndicators() = default;

void LockIndicators::Show(const LockKeyStates& states) {
    m_caps->setEnabled(states.capsLock);
    m_num->setEnabled(states.numLock);
    m_scroll->setEnabled(states.scrollLock);
}

void LockIndicators::Poll() {
    if (const auto states = m_probe->Query())
        Show(*states);
}

} // namespace vantor
