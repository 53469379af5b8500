#include "ui/frame/PaneImages.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

#include <array>

namespace vantor {
namespace {

constexpr int kCell = 16;

// A rounded badge in `fill` with a short legend: the command images tell the parameter type
// at a glance.
QIcon Badge(const QColor& fill, const QString& legend) {
    QPixmap pixmap(kCell, kCell);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(fill.darker(160));
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(0.5, 1.5, kCell - 1.0, kCell - 3.0), 3, 3);
    QFont font;
    font.setPixelSize(10);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 1, kCell, kCell - 2), Qt::AlignCenter, legend);
    return QIcon(pixmap);
}

QIcon DrawGameIcon() {
    QPixmap pixmap(kCell, kCell);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // A sheet of script with a coloured band: one Game is one script file.
    painter.setPen(QColor(64, 64, 72));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(2.5, 0.5, 11, 15));
    painter.fillRect(QRectF(3, 1, 10, 4), QColor(32, 150, 70));
    painter.setPen(QColor(120, 120, 128));
    for (int y = 7; y <= 13; y += 2)
        painter.drawLine(QPointF(4.5, y + 0.5), QPointF(11.5, y + 0.5));
    return QIcon(pixmap);
}

} // namespace

QIcon GameIcon() {
    static const QIcon icon = DrawGameIcon();
    return icon;
}

QIcon CommandIcon(int index) {
    constexpr int kUnset = 7;
    static const std::array<QIcon, 9> icons = {
        Badge(QColor(110, 110, 120), QStringLiteral("-")),    // no parameter
        Badge(QColor(32, 150, 70), QStringLiteral("T")),      // toggle
        Badge(QColor(40, 96, 200), QStringLiteral("\u00B1")), // action
        Badge(QColor(208, 120, 32), QStringLiteral("#")),     // integer
        Badge(QColor(200, 70, 40), QStringLiteral("R")),      // real number
        Badge(QColor(128, 64, 192), QStringLiteral("S")),     // string
        Badge(QColor(0, 150, 160), QStringLiteral("U")),      // user
        Badge(QColor(200, 40, 40), QStringLiteral("?")),      // unset
        Badge(QColor(90, 90, 96), QStringLiteral("*")),       // user-defined
    };
    const bool known = index >= 0 && index < static_cast<int>(icons.size());
    return icons.at(static_cast<std::size_t>(known ? index : kUnset));
}

} // namespace vantor
