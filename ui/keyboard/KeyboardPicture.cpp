#include "ui/keyboard/KeyboardPicture.h"

#include "model/CKeyTable.h"
#include "model/KeyRecords.h"

#include <QRect>

#include <string_view>

namespace vantor {
namespace {

// Sixteen-colour artwork: black outlines and legends, two greys for the body and the hatched
// keys, white for the mouse.
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kGrey = 0xFF808080;
constexpr QRgb kSilver = 0xFFC0C0C0;
constexpr QRgb kWhite = 0xFFFFFFFF;

// Legend glyphs, five pixel rows each, '#' set; the width is the row length.
constexpr char kUp = '\x01', kDown = '\x02', kLeft = '\x03', kRight = '\x04';
constexpr char kWheelUp = '\x05', kWheelDown = '\x06';

struct Glyph {
    char c;
    const char* rows[5];
};

constexpr Glyph kGlyphs[] = {
    {'A', {".#.", "#.#", "###", "#.#", "#.#"}},
    {'B', {"##.", "#.#", "##.", "#.#", "##."}},
    {'C', {".##", "#..", "#..", "#..", ".##"}},
    {'D', {"##.", "#.#", "#.#", "#.#", "##."}},
    {'E', {"###", "#..", "##.", "#..", "###"}},
    {'F', {"###", "#..", "##.", "#..", "#.."}},
    {'G', {".##", "#..", "#.#", "#.#", ".##"}},
    {'H', {"#.#", "#.#", "###", "#.#", "#.#"}},
    {'I', {"###", ".#.", ".#.", ".#.", "###"}},
    {'J', {"..#", "..#", "..#", "#.#", ".#."}},
    {'K', {"#.#", "#.#", "##.", "#.#", "#.#"}},
    {'L', {"#..", "#..", "#..", "#..", "###"}},
    {'M', {"#...#", "##.##", "#.#.#", "#...#", "#...#"}},
    {'N', {"#..#", "##.#", "#.##", "#..#", "#..#"}},
    {'O', {".#.", "#.#", "#.#", "#.#", ".#."}},
    {'P', {"##.", "#.#", "##.", "#..", "#.."}},
    {'Q', {".#.", "#.#", "#.#", "##.", ".##"}},
    {'R', {"##.", "#.#", "##.", "#.#", "#.#"}},
    {'S', {".##", "#..", ".#.", "..#", "##."}},
    {'T', {"###", ".#.", ".#.", ".#.", ".#."}},
    {'U', {"#.#", "#.#", "#.#", "#.#", "###"}},
    {'V', {"#.#", "#.#", "#.#", "#.#", ".#."}},
    {'W', {"#...#", "#...#", "#.#.#", "##.##", "#...#"}},
    {'X', {"#.#", "#.#", ".#.", "#.#", "#.#"}},
    {'Y', {"#.#", "#.#", ".#.", ".#.", ".#."}},
    {'Z', {"###", "..#", ".#.", "#..", "###"}},
    {'0', {"###", "#.#", "#.#", "#.#", "###"}},
    {'1', {".#.", "##.", ".#.", ".#.", "###"}},
    {'2', {"##.", "..#", ".#.", "#..", "###"}},
    {'3', {"##.", "..#", ".#.", "..#", "##."}},
    {'4', {"#.#", "#.#", "###", "..#", "..#"}},
    {'5', {"###", "#..", "##.", "..#", "##."}},
    {'6', {".##", "#..", "###", "#.#", "###"}},
    {'7', {"###", "..#", ".#.", ".#.", ".#."}},
    {'8', {"###", "#.#", "###", "#.#", "###"}},
    {'9', {"###", "#.#", "###", "..#", "##."}},
    {'~', {"....", ".#.#", "#.#.", "....", "...."}},
    {'-', {"...", "...", "###", "...", "..."}},
    {'=', {"...", "###", "...", "###", "..."}},
    {'+', {"...", ".#.", "###", ".#.", "..."}},
    {'*', {"...", "#.#", ".#.", "#.#", "..."}},
    {'[', {"##", "#.", "#.", "#.", "##"}},
    {']', {"##", ".#", ".#", ".#", "##"}},
    {'\\', {"#..", "#..", ".#.", "..#", "..#"}},
    {'/', {"..#", "..#", ".#.", "#..", "#.."}},
    {';', {"..", ".#", "..", ".#", "#."}},
    {'\'', {"#", "#", ".", ".", "."}},
    {',', {"..", "..", "..", ".#", "#."}},
    {'.', {".", ".", ".", ".", "#"}},
    {kUp, {"..#..", ".###.", "#.#.#", "..#..", "..#.."}},
    {kDown, {"..#..", "..#..", "#.#.#", ".###.", "..#.."}},
    {kLeft, {"..#..", ".#...", "#####", ".#...", "..#.."}},
    {kRight, {"..#..", "...#.", "#####", "...#.", "..#.."}},
    {kWheelUp, {"...", ".#.", "###", "...", "..."}},
    {kWheelDown, {"...", "###", ".#.", "...", "..."}},
};

const Glyph* FindGlyph(char c) {
    for (const Glyph& glyph : kGlyphs)
        if (glyph.c == c)
            return &glyph;
    return nullptr;
}

int GlyphWidth(const Glyph& glyph) {
    return static_cast<int>(std::string_view(glyph.rows[0]).size());
}

// What a key's face says: short forms where the name does not fit into the key.
struct Legend {
    std::string_view name;
    const char* text;
};

constexpr Legend kLegends[] = {
    {"escape", "ES"},       {"f1", "F1"},        {"f2", "F2"},          {"f3", "F3"},
    {"f4", "F4"},           {"f5", "F5"},        {"f6", "F6"},          {"f7", "F7"},
    {"f8", "F8"},           {"f9", "F9"},        {"f10", "10"},         {"f11", "11"},
    {"f12", "12"},          {"tab", "TAB"},      {"enter", "ENTER"},    {"space", "SPACE"},
    {"backspace", "BKSP"},  {"uparrow", "\x01"}, {"downarrow", "\x02"}, {"leftarrow", "\x03"},
    {"rightarrow", "\x04"}, {"alt", "ALT"},      {"ctrl", "CTL"},       {"shift", "SHIFT"},
    {"pgdn", "PD"},         {"pgup", "PU"},      {"home", "HM"},        {"end", "EN"},
    {"ins", "IN"},          {"del", "DL"},       {"kp_ins", "0"},       {"kp_end", "1"},
    {"kp_downarrow", "2"},  {"kp_pgdn", "3"},    {"kp_leftarrow", "4"}, {"kp_5", "5"},
    {"kp_rightarrow", "6"}, {"kp_home", "7"},    {"kp_uparrow", "8"},   {"kp_pgup", "9"},
    {"kp_plus", "+"},       {"kp_enter", "EN"},  {"kp_minus", "-"},     {"kp_del", "."},
    {"kp_slash", "/"},      {"pause", "PA"},     {"semicolon", ";"},    {"mouse1", "1"},
    {"mouse2", "2"},        {"mouse3", "3"},     {"mwheelup", "\x05"},  {"mwheeldown", "\x06"},
};

std::string LegendText(std::string_view name) {
    for (const Legend& legend : kLegends)
        if (legend.name == name)
            return legend.text;
    std::string text(name);
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

void Fill(QImage& image, const QRect& rect, QRgb colour) {
    const QRect clipped = rect & image.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            line[x] = colour;
    }
}

void Outline(QImage& image, const QRect& rect) {
    Fill(image, QRect(rect.left(), rect.top(), rect.width(), 1), kBlack);
    Fill(image, QRect(rect.left(), rect.bottom(), rect.width(), 1), kBlack);
    Fill(image, QRect(rect.left(), rect.top(), 1, rect.height()), kBlack);
    Fill(image, QRect(rect.right(), rect.top(), 1, rect.height()), kBlack);
}

// The legend centred in the key, one pixel between glyphs, clipped to the face.
void DrawLegend(QImage& image, const QRect& key, std::string_view text) {
    int width = -1;
    for (char c : text)
        if (const Glyph* glyph = FindGlyph(c))
            width += GlyphWidth(*glyph) + 1;
    if (width <= 0)
        return;
    const QRect face = key.adjusted(1, 1, -1, -1);
    int x = face.left() + (face.width() - width) / 2;
    const int top = face.top() + (face.height() - 5) / 2;
    for (char c : text) {
        const Glyph* glyph = FindGlyph(c);
        if (!glyph)
            continue;
        for (int row = 0; row < 5; ++row)
            for (int col = 0; glyph->rows[row][col]; ++col)
                if (glyph->rows[row][col] == '#' && face.contains(x + col, top + row))
                    image.setPixel(x + col, top + row, kBlack);
        x += GlyphWidth(*glyph) + 1;
    }
}

// A key the engine cannot bind: outlined, its face hatched in the two greys.
void DrawHatchedKey(QImage& image, const QRect& key) {
    Outline(image, key);
    const QRect face = key.adjusted(1, 1, -1, -1);
    for (int y = face.top(); y <= face.bottom(); ++y)
        for (int x = face.left(); x <= face.right(); ++x)
            image.setPixel(x, y, (x + y) % 3 == 0 ? kGrey : kSilver);
}

} // namespace

QImage DrawKeyboardPicture() {
    QImage image(kKeyboardPictureWidth, kKeyboardPictureHeight, QImage::Format_RGB32);
    image.fill(kGrey);

    // The mouse: a white body under its buttons, the wheel keys on it.
    const QRect mouse(246, 13, 26, 56);
    Fill(image, mouse, kWhite);
    Outline(image, mouse);

    // Keys of a full keyboard that have no console name.
    const QRect hatched[] = {
        {166, 0, 11, 11},  // print screen
        {177, 0, 11, 11},  // scroll lock
        {0, 36, 21, 11},   // caps lock
        {137, 47, 27, 11}, // right shift
        {13, 58, 13, 11},  // left system key
        {112, 58, 13, 11}, // right alt
        {125, 58, 13, 11}, // right system key
        {138, 58, 26, 11}, // right ctrl
        {201, 14, 11, 11}, // num lock
    };
    for (const QRect& key : hatched)
        DrawHatchedKey(image, key);

    const CKeyTable& table = CKeyTable::Instance();
    for (const KeyboardKey& key : table.KeyboardKeys()) {
        const QRect rect(key.left, key.top, key.right - key.left, key.bottom - key.top);
        Fill(image, rect, kKeyFaceColour);
        Outline(image, rect);
        DrawLegend(image, rect, LegendText(table.NameFromCode(key.code).value_or("")));
    }
    return image;
}

} // namespace vantor
