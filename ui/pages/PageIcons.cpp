#include "ui/pages/PageIcons.h"

#include <QPainter>
#include <QPixmap>

#include <array>

namespace vantor {
namespace {

struct Badge {
    QColor colour;
    const char* letter;
};

// A rounded badge with a letter or sign: readable at 16 pixels, drawn at twice the size as
// well for high-density screens.
QIcon DrawBadge(const Badge& badge, int width, int height) {
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(width * scale, height * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF frame(0.5, 0.5, width - 1.0, height - 1.0);
        painter.setPen(badge.colour.darker(160));
        painter.setBrush(badge.colour);
        painter.drawRoundedRect(frame, 3, 3);
        QFont font = painter.font();
        font.setPixelSize(height - 5);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(frame, Qt::AlignCenter, QString::fromLatin1(badge.letter));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

QIcon ObjectKindIcon(int index) {
    static const std::array<Badge, 13> kBadges = {{
        {QColor(40, 96, 200), "M"},
        {QColor(96, 96, 104), "D"},
        {QColor(96, 96, 104), "A"},
        {QColor(96, 96, 104), "B"},
        {QColor(96, 96, 104), "S"},
        {QColor(32, 150, 70), "D"},
        {QColor(200, 140, 24), "A"},
        {QColor(208, 40, 40), "A"},
        {QColor(208, 40, 40), "+"},
        {QColor(208, 40, 40), "-"},
        {QColor(128, 64, 192), "B"},
        {QColor(0, 150, 160), "C"},
        {QColor(240, 128, 32), "G"},
    }};
    if (index < 0 || index >= static_cast<int>(kBadges.size()))
        return {};
    return DrawBadge(kBadges[static_cast<std::size_t>(index)], 16, 16);
}

QIcon KeyGroupIcon(int index) {
    static const std::array<Badge, 5> kBadges = {{
        {QColor(96, 96, 104), "K"},
        {QColor(40, 96, 200), "M"},
        {QColor(32, 150, 70), "J"},
        {QColor(128, 64, 192), "X"},
        {QColor(200, 140, 24), "#"},
    }};
    if (index < 0 || index >= static_cast<int>(kBadges.size()))
        return {};
    return DrawBadge(kBadges[static_cast<std::size_t>(index)], 16, 15);
}

} // namespace vantor
