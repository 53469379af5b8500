#include "ui/dialogs/CProcessingDlg.h"

#include "ui/frame/ModelText.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace vantor {

CProcessingDlg::CProcessingDlg(QWidget* owner, int captionId)
    : QDialog(owner ? owner->window() : nullptr), m_captionId(captionId), m_owner(owner),
      m_status(new QLabel(this)), m_percent(new QLabel(this)), m_bar(new QProgressBar(this)),
      m_cancel(new QPushButton(tr("Cancel"), this)) {
    setObjectName(QStringLiteral("processingDialog"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setMinimumWidth(fontMetrics().averageCharWidth() * 48);
    m_percent->setObjectName(QStringLiteral("percent"));
    m_percent->setAlignment(Qt::AlignCenter);
    m_percent->setText(QStringLiteral(" 0 %"));
    m_bar->setObjectName(QStringLiteral("progress"));
    m_bar->setTextVisible(false);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    connect(m_cancel, &QPushButton::clicked, this, [this] { m_cancelled = true; });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_status);
    layout->addWidget(m_percent);
    layout->addWidget(m_bar);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cancel);
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

CProcessingDlg::~CProcessingDlg() {
    ReleaseOwner();
}

bool CProcessingDlg::Create(QWidget* owner) {
    m_owner = owner;
    if (owner && owner->isEnabled()) {
        // Disabling the owner takes the focus from it; it goes back there afterwards.
        QWidget* focus = QApplication::focusWidget();
        m_ownerFocus = focus && owner->window()->isAncestorOf(focus) ? focus : nullptr;
        owner->setEnabled(false);
        m_ownerDisabled = true;
    }
    // A dialog over the owner is disabled along with it; the dialog itself stays usable.
    setEnabled(true);
    setWindowTitle(LoadText(m_captionId));
    m_bar->setRange(m_lower, m_upper);
    m_pos = m_lower;
    m_bar->setValue(m_pos);
    show();
    if (!isVisible()) {
        ReleaseOwner();
        return false;
    }
    m_sincePump.start();
    Pump(true);
    return true;
}

void CProcessingDlg::ReleaseOwner() {
    if (m_ownerDisabled && m_owner) {
        m_owner->setEnabled(true);
        if (m_ownerFocus && m_ownerFocus->isEnabled()) {
            m_owner->window()->activateWindow();
            m_ownerFocus->setFocus(Qt::ActiveWindowFocusReason);
        }
    }
    m_ownerDisabled = false;
    m_ownerFocus = nullptr;
}

void CProcessingDlg::SetStatus(const QString& text) {
    if (m_status->text() != text)
        m_status->setText(text);
}

void CProcessingDlg::SetRange(int lower, int upper) {
    m_lower = lower;
    m_upper = upper;
    m_bar->setRange(lower, upper);
}

void CProcessingDlg::SetStep(int step) {
    m_step = step;
}

int CProcessingDlg::SetPos(int pos) {
    Pump();
    const int previous = m_pos;
    m_pos = pos;
    ShowPercent();
    return previous;
}

int CProcessingDlg::StepIt() {
    Pump();
    const int previous = m_pos;
    m_pos += m_step;
    ShowPercent();
    return previous;
}

bool CProcessingDlg::CheckCancelButton() {
    Pump();
    const bool cancelled = m_cancelled;
    m_cancelled = false;
    return cancelled;
}

int CProcessingDlg::Percent(int pos, int lower, int upper) {
    const qint64 span = std::max<qint64>(qint64(upper) - lower, 1);
    const qint64 percent = (qint64(pos) - lower) * 100 / span;
    return static_cast<int>(percent == 100 ? percent : percent % 100);
}

QString CProcessingDlg::PercentText(int pos, int lower, int upper) {
    return QStringLiteral("%1%").arg(Percent(pos, lower, upper));
}

QString CProcessingDlg::ShownPercent() const {
    return m_percent->text();
}

QString CProcessingDlg::ShownStatus() const {
    return m_status->text();
}

// The text is rewritten only when it changes, and the bar moves with it (at most 101 times a
// pass); both are painted at the next pump.
void CProcessingDlg::ShowPercent() {
    const int percent = Percent(m_pos, m_lower, m_upper);
    if (percent == m_shownPercent)
        return;
    m_shownPercent = percent;
    m_percent->setText(QStringLiteral("%1%").arg(percent));
    ShowBar();
}

// Past the upper end the bar starts again, as the percentage does.
void CProcessingDlg::ShowBar() {
    const int span = std::max(m_upper - m_lower, 1);
    m_bar->setValue(m_pos <= m_upper ? m_pos : m_lower + (m_pos - m_lower) % span);
}

// The clock is read every few calls only: a pass calls this twice per item.
void CProcessingDlg::Pump(bool force) {
    if (!force && ((++m_calls & 31) != 0 ||
                   (m_sincePump.isValid() && !m_sincePump.hasExpired(kPumpInterval))))
        return;
    ShowBar();
    if (!m_closing)
        QCoreApplication::processEvents();
    m_sincePump.start();
}

void CProcessingDlg::reject() {
    m_cancelled = true;
}

void CProcessingDlg::closeEvent(QCloseEvent* event) {
    if (m_closing) {
        QDialog::closeEvent(event);
        return;
    }
    m_cancelled = true;
    event->ignore();
}

void CProcessingDlg::Open() {
    Create(m_owner);
}

void CProcessingDlg::SetRange(std::size_t total) {
    const auto upper =
        static_cast<int>(std::min<std::size_t>(total, std::numeric_limits<int>::max()));
    SetRange(0, upper);
    SetStep(1);
    SetPos(0);
}

void CProcessingDlg::SetStatus(std::string_view text) {
    SetStatus(FromModelText(text));
}

void CProcessingDlg::Step() {
    StepIt();
}

bool CProcessingDlg::IsCancelled() {
    return CheckCancelButton();
}

void CProcessingDlg::Close() {
    m_closing = true;
    ReleaseOwner();
    hide();
}

} // namespace vantor
