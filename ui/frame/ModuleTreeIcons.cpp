#include "ui/frame/ModuleTreeIcons.h"

#include <QCoreApplication>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPointer>

#include <array>

namespace vantor {
namespace {

constexpr int kImageCount = 24;
constexpr int kSize = 16;

enum class Shape { Box, Folder, Key, Badge };

struct Picture {
    Shape shape;
    QRgb colour;
    const char* letter; // UTF-8
};

// Index = GetImage. 1 is the emblem itself and 3 is never answered; both get a plain badge.
const Picture kPictures[kImageCount] = {
    {Shape::Box, 0x2860c8, "M"},          // 0 Module
    {Shape::Badge, 0xf08020, ""},         // 1 (the emblem)
    {Shape::Key, 0x8040c0, "#"},          // 2 Bind of a keypad key
    {Shape::Badge, 0x909098, ""},         // 3
    {Shape::Folder, 0xf0c828, "D"},       // 4 Definition List
    {Shape::Folder, 0xf0c828, "A"},       // 5 Alias List
    {Shape::Folder, 0xf0c828, "B"},       // 6 Bind List
    {Shape::Folder, 0xf0c828, "S"},       // 7 Startup List
    {Shape::Badge, 0x209646, "A"},        // 8 Alias
    {Shape::Key, 0x8040c0, "B"},          // 9 Bind of a key
    {Shape::Key, 0xc05030, "J"},          // 10 Bind of a joystick button
    {Shape::Key, 0x3070b0, "M"},          // 11 Bind of a mouse button
    {Shape::Key, 0x707078, "X"},          // 12 Bind of an auxiliary button
    {Shape::Badge, 0x209646, "\xc2\xb1"}, // 13 Action Alias
    {Shape::Badge, 0x30a060, "+"},        // 14 "+" half
    {Shape::Badge, 0xc04040, "-"},        // 15 "-" half
    {Shape::Badge, 0x00a0aa, "?"},        // 16 Definition, no type yet
    {Shape::Badge, 0x00a0aa, "N"},        // 17 None
    {Shape::Badge, 0x00a0aa, "T"},        // 18 Toggle
    {Shape::Badge, 0x00a0aa, "\xc2\xb1"}, // 19 Action
    {Shape::Badge, 0x00a0aa, "I"},        // 20 Integer
    {Shape::Badge, 0x00a0aa, "R"},        // 21 Real Number
    {Shape::Badge, 0x00a0aa, "S"},        // 22 String
    {Shape::Badge, 0x00a0aa, "U"},        // 23 User
};

void DrawPicture(QPainter& painter, const Picture& picture) {
    const QColor fill(picture.colour);
    const QColor edge = fill.darker(160);
    painter.setPen(QPen(edge, 1));
    painter.setBrush(fill);
    QColor ink = Qt::white;
    switch (picture.shape) {
    case Shape::Box:
        painter.drawRect(QRectF(1.5, 2.5, 13, 11));
        painter.fillRect(QRectF(2, 3, 12, 2), fill.lighter(150));
        break;
    case Shape::Folder: {
        QPainterPath path;
        path.moveTo(1.5, 3.5);
        path.lineTo(6.5, 3.5);
        path.lineTo(7.5, 4.5);
        path.lineTo(14.5, 4.5);
        path.lineTo(14.5, 13.5);
        path.lineTo(1.5, 13.5);
        path.closeSubpath();
        painter.drawPath(path);
        ink = QColor(0x40, 0x30, 0x10);
        break;
    }
    case Shape::Key:
        painter.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 2, 2);
        painter.setPen(QPen(fill.lighter(140), 1));
        painter.drawLine(QPointF(2.5, 2.5), QPointF(13.5, 2.5));
        break;
    case Shape::Badge:
        painter.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 4, 4);
        break;
    }
    const QString letter = QString::fromUtf8(picture.letter);
    if (letter.isEmpty())
        return;
    QFont font;
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(QRect(1, picture.shape == Shape::Folder ? 4 : 1, 14, 12), Qt::AlignCenter,
                     letter);
}

// The emblem of an object that holds commands: an orange dot in the lower right corner.
void DrawEmblem(QPainter& painter) {
    painter.setPen(QPen(QColor(0x80, 0x40, 0x00), 1));
    painter.setBrush(QColor(0xf0, 0x80, 0x20));
    painter.drawEllipse(QRectF(9.5, 9.5, 6, 6));
}

QIcon Draw(int image, bool emblem) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    DrawPicture(painter, kPictures[image]);
    if (emblem)
        DrawEmblem(painter);
    painter.end();
    return QIcon(pixmap);
}

// The drawn icons live as long as the application: pixmaps must not outlive it.
class IconCache : public QObject {
public:
    using QObject::QObject;
    std::array<QIcon, 2 * kImageCount> icons;
};

} // namespace

QIcon ModuleTreeIcon(int image, bool holdsCommands) {
    static QPointer<IconCache> cache;
    if (!cache)
        cache = new IconCache(QCoreApplication::instance());
    if (image < 0 || image >= kImageCount)
        image = 3;
    QIcon& icon = cache->icons[static_cast<std::size_t>(image * 2 + (holdsCommands ? 1 : 0))];
    if (icon.isNull())
        icon = Draw(image, holdsCommands);
    return icon;
}

} // namespace vantor
