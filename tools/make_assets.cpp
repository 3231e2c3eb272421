// Draws the program's built-in pictures and writes them as the files the
// resource script takes in: the two keyboard faces, the Fn key, the list
// pictures, the view buttons, the program icon and the two cursors.
//
// Usage: make_assets [output directory]   (default: resources)
//
// The key rectangles of the faces come from the built-in key descriptors, so
// the pictures match the key table exactly; the program refuses to write a
// face in which a table key's edges lack their bevel or a black pixel lies
// outside a key's inner rectangle.
#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <vector>

#include "model/face_key.h"
#include "platform/portable/builtin_strings.h"

namespace {

// ---------------------------------------------------------------------------
// Colours: the 16-colour table of every picture, in this order.

enum Ink : std::uint8_t {
    kBlack,
    kDarkRed,
    kDarkGreen,
    kDarkYellow,
    kDarkBlue,
    kDarkMagenta,
    kDarkCyan,
    kLightGray,
    kDarkGray,
    kRed,
    kGreen,
    kYellow,
    kBlue,
    kMagenta,
    kCyan,
    kWhite,
    kClear = 0xFF, // outside an icon or cursor: left transparent
};

struct Rgb {
    std::uint8_t red, green, blue;
};
constexpr std::array<Rgb, 16> kPalette = {{
    {0, 0, 0},
    {191, 0, 0},
    {0, 191, 0},
    {191, 191, 0},
    {0, 0, 191},
    {191, 0, 191},
    {0, 191, 191},
    {192, 192, 192},
    {128, 128, 128},
    {255, 0, 0},
    {0, 255, 0},
    {255, 255, 0},
    {0, 0, 255},
    {255, 0, 255},
    {0, 255, 255},
    {255, 255, 255},
}};

// ---------------------------------------------------------------------------
// A picture of palette indices.

struct Box {
    int left, top, right, bottom; // right and bottom exclusive
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

class Canvas {
public:
    Canvas(int width, int height, Ink fill)
        : m_width(width), m_height(height),
          m_ink(static_cast<std::size_t>(width) * height, fill) {}

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    Ink Get(int x, int y) const {
        if (x < 0 || y < 0 || x >= m_width || y >= m_height) return kClear;
        return m_ink[static_cast<std::size_t>(y) * m_width + x];
    }
    void Set(int x, int y, Ink ink) {
        if (x < 0 || y < 0 || x >= m_width || y >= m_height) return;
        m_ink[static_cast<std::size_t>(y) * m_width + x] = ink;
    }
    void Fill(const Box& box, Ink ink) {
        for (int y = box.top; y < box.bottom; ++y)
            for (int x = box.left; x < box.right; ++x) Set(x, y, ink);
    }
    // Horizontal and vertical runs, end exclusive.
    void Row(int y, int left, int right, Ink ink) { Fill({left, y, right, y + 1}, ink); }
    void Column(int x, int top, int bottom, Ink ink) { Fill({x, top, x + 1, bottom}, ink); }
    // Art rows: '#' = ink, any other character leaves the pixel.
    void Stamp(int x, int y, const std::vector<std::string>& rows, Ink ink) {
        for (std::size_t r = 0; r < rows.size(); ++r)
            for (std::size_t c = 0; c < rows[r].size(); ++c)
                if (rows[r][c] == '#') Set(x + static_cast<int>(c), y + static_cast<int>(r), ink);
    }

private:
    int m_width, m_height;
    std::vector<Ink> m_ink;
};

// ---------------------------------------------------------------------------
// Two pixel fonts. Glyphs are rows of '#' and '.', of any width; the small
// font's capitals and figures use rows 0 to 4, small letters have their
// x-height in rows 1 to 4 and descenders in row 5.

using Glyph = std::vector<std::string>;
using Font = std::map<char, Glyph>;

const Font& SmallFont() {
    static const Font font = {
        {'A', {".#.", "#.#", "###", "#.#", "#.#"}},
        {'B', {"##.", "#.#", "##.", "#.#", "##."}},
        {'C', {".##", "#..", "#..", "#..", ".##"}},
        {'D', {"##.", "#.#", "#.#", "#.#", "##."}},
        {'E', {"###", "#..", "##.", "#..", "###"}},
        {'F', {"###", "#..", "##.", "#..", "#.."}},
        {'H', {"#.#", "#.#", "###", "#.#", "#.#"}},
        {'I', {"###", ".#.", ".#.", ".#.", "###"}},
        {'P', {"##.", "#.#", "##.", "#..", "#.."}},
        {'S', {".##", "#..", ".#.", "..#", "##."}},
        {'T', {"###", ".#.", ".#.", ".#.", ".#."}},
        {'U', {"#.#", "#.#", "#.#", "#.#", ".##"}},
        {'a', {"...", "##.", ".##", "#.#", "###"}},
        {'b', {"#..", "##.", "#.#", "#.#", "##."}},
        {'c', {"...", ".##", "#..", "#..", ".##"}},
        {'d', {"..#", ".##", "#.#", "#.#", ".##"}},
        {'e', {"...", ".#.", "###", "#..", ".##"}},
        {'f', {"..#", ".#.", "###", ".#.", ".#."}},
        {'h', {"#..", "##.", "#.#", "#.#", "#.#"}},
        {'i', {"#", ".", "#", "#", "#"}},
        {'k', {"#..", "#.#", "##.", "##.", "#.#"}},
        {'l', {"#.", "#.", "#.", "#.", ".#"}},
        {'m', {".....", "####.", "#.#.#", "#.#.#", "#.#.#"}},
        {'n', {"...", "##.", "#.#", "#.#", "#.#"}},
        {'o', {"...", ".#.", "#.#", "#.#", ".#."}},
        {'p', {"...", "##.", "#.#", "#.#", "##.", "#.."}},
        {'r', {"...", "#.#", "##.", "#..", "#.."}},
        {'s', {"...", ".##", "#..", "..#", "##."}},
        {'t', {".#.", "###", ".#.", ".#.", "..#"}},
        {'u', {"...", "#.#", "#.#", "#.#", ".##"}},
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
        {'-', {"...", "...", "###", "...", "..."}},
        {'_', {"...", "...", "...", "...", "###"}},
        {'=', {"...", "###", "...", "###", "..."}},
        {'+', {"...", ".#.", "###", ".#.", "..."}},
        {'*', {"...", "#.#", ".#.", "#.#", "..."}},
        {'/', {"..#", "..#", ".#.", "#..", "#.."}},
        {'\\', {"#..", "#..", ".#.", "..#", "..#"}},
        {'|', {"#", "#", "#", "#", "#"}},
        {'[', {"##", "#.", "#.", "#.", "##"}},
        {']', {"##", ".#", ".#", ".#", "##"}},
        {'{', {".##", ".#.", "#..", ".#.", ".##"}},
        {'}', {"##.", ".#.", "..#", ".#.", "##."}},
        {';', {"..", ".#", "..", ".#", "#."}},
        {':', {".", "#", ".", "#", "."}},
        {'\'', {"#", "#"}},
        {'"', {"#.#", "#.#"}},
        {',', {"..", "..", "..", ".#", "#."}},
        {'.', {".", ".", ".", ".", "#"}},
        {'<', {"..#", ".#.", "#..", ".#.", "..#"}},
        {'>', {"#..", ".#.", "..#", ".#.", "#.."}},
        {'`', {"#.", ".#"}},
        {'~', {"....", ".#.#", "#.#."}},
        {' ', {"..", "..", "..", "..", ".."}},
    };
    return font;
}

const Font& LargeFont() {
    static const Font font = {
        {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
        {'B', {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."}},
        {'C', {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}},
        {'D', {"###..", "#..#.", "#...#", "#...#", "#...#", "#..#.", "###.."}},
        {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
        {'F', {"#####", "#....", "#....", "####.", "#....", "#....", "#...."}},
        {'G', {".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####"}},
        {'H', {"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
        {'I', {"###", ".#.", ".#.", ".#.", ".#.", ".#.", "###"}},
        {'J', {"..###", "...#.", "...#.", "...#.", "...#.", "#..#.", ".##.."}},
        {'K', {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
        {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
        {'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
        {'N', {"#...#", "#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#"}},
        {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
        {'P', {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}},
        {'Q', {".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"}},
        {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
        {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
        {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
        {'U', {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
        {'V', {"#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."}},
        {'W', {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "#.#.#", ".#.#."}},
        {'X', {"#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"}},
        {'Y', {"#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."}},
        {'Z', {"#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"}},
        {'n', {".....", ".....", "####.", "#...#", "#...#", "#...#", "#...#"}},
        {'0', {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."}},
        {'1', {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}},
        {'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
        {'3', {"#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."}},
        {'4', {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."}},
        {'5', {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."}},
        {'6', {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."}},
        {'7', {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."}},
        {'8', {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."}},
        {'9', {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."}},
    };
    return font;
}

const Glyph& GlyphOf(const Font& font, char c) {
    auto it = font.find(c);
    if (it == font.end()) {
        std::cerr << "make_assets: no glyph for '" << c << "'\n";
        std::exit(1);
    }
    return it->second;
}

int TextWidth(const Font& font, const std::string& text) {
    int width = 0;
    for (char c : text) width += static_cast<int>(GlyphOf(font, c)[0].size()) + 1;
    return text.empty() ? 0 : width - 1;
}

void DrawText(Canvas& canvas, int x, int y, const std::string& text, Ink ink,
              const Font& font = SmallFont()) {
    for (char c : text) {
        const Glyph& glyph = GlyphOf(font, c);
        canvas.Stamp(x, y, glyph, ink);
        x += static_cast<int>(glyph[0].size()) + 1;
    }
}

// ---------------------------------------------------------------------------
// Keys of the face.

// A raised key cap filling box: light edges white along the top and left,
// a shadow of two dark gray pixels along the bottom and right, a light gray
// top. The legend area is box shrunk by 2.
void DrawKeyCap(Canvas& canvas, const Box& box) {
    canvas.Fill(box, kLightGray);
    canvas.Row(box.top, box.left, box.right - 1, kWhite);
    canvas.Column(box.left, box.top, box.bottom - 1, kWhite);
    canvas.Row(box.bottom - 1, box.left, box.right, kDarkGray);
    canvas.Column(box.right - 1, box.top, box.bottom, kDarkGray);
    canvas.Row(box.bottom - 2, box.left + 1, box.right - 1, kDarkGray);
    canvas.Column(box.right - 2, box.top + 1, box.bottom - 1, kDarkGray);
}

enum class Style {
    Text,    // short text in small print, centred
    Letter,  // one large character near the top left
    Stacked, // shifted character above the plain one, small print
    Arrow,   // a cursor arrow, centred
};

struct Legend {
    Style style = Style::Text;
    std::string text;    // the text, letter, arrow name, or the plain character
    std::string shifted; // Stacked: the character above
    Ink ink = kBlack;
    std::string pad; // symbol of the embedded numeric pad, small blue print
};

const std::map<std::string, Glyph>& Arrows() {
    static const std::map<std::string, Glyph> arrows = {
        {"up", {"..#..", ".###.", "#####"}},
        {"down", {"#####", ".###.", "..#.."}},
        {"left", {"..#", ".##", "###", ".##", "..#"}},
        {"right", {"#..", "##.", "###", "##.", "#.."}},
    };
    return arrows;
}

void DrawKey(Canvas& canvas, const Box& box, const Legend& legend) {
    DrawKeyCap(canvas, box);
    const int left = box.left, top = box.top;
    switch (legend.style) {
    case Style::Text: {
        const int x = left + (box.Width() - TextWidth(SmallFont(), legend.text)) / 2;
        const int y = top + (box.Height() - 5) / 2;
        DrawText(canvas, x, y, legend.text, legend.ink);
        break;
    }
    case Style::Letter:
        DrawText(canvas, left + 4, top + 3, legend.text, legend.ink, LargeFont());
        break;
    case Style::Stacked:
        DrawText(canvas, left + 4, top + 3, legend.shifted, legend.ink);
        DrawText(canvas, left + 4, top + 9, legend.text, legend.ink);
        break;
    case Style::Arrow: {
        const Glyph& glyph = Arrows().at(legend.text);
        const int w = static_cast<int>(glyph[0].size()), h = static_cast<int>(glyph.size());
        canvas.Stamp(left + (box.Width() - w) / 2, top + (box.Height() - h) / 2, glyph,
                     legend.ink);
        break;
    }
    }
    if (!legend.pad.empty()) DrawText(canvas, box.right - 6, box.bottom - 8, legend.pad, kBlue);
}

Legend Text(const std::string& text, Ink ink = kBlack) { return {Style::Text, text, "", ink, ""}; }
Legend Letter(const std::string& text, Ink ink = kBlack, const std::string& pad = "") {
    return {Style::Letter, text, "", ink, pad};
}
Legend Stacked(const std::string& shifted, const std::string& plain, Ink ink = kBlack,
               const std::string& pad = "") {
    return {Style::Stacked, plain, shifted, ink, pad};
}
Legend Arrow(const std::string& direction) { return {Style::Arrow, direction, "", kBlack, ""}; }

// The legend of each key of the key table, by its descriptor name. Keys of
// the embedded numeric pad print gray with their pad symbol in blue.
std::map<std::string, Legend> TableLegends() {
    std::map<std::string, Legend> legends = {
        {"ESC", Text("Esc")},
        {"F6", Text("F6")},
        {"F7", Text("F7")},
        {"F8", Text("F8")},
        {"F9", Text("F9")},
        {"MINUS", Stacked("_", "-")},
        {"PLUS", Stacked("+", "=")},
        {"BS", Text("Bksp")},
        {"HOME", Text("Hm")},
        {"PGUP", Text("PUp")},
        {"PGDN", Text("PDn")},
        {"END", Text("End")},
        {"INS", Text("Ins")},
        {"DEL", Text("Del")},
        {"SP", Text("Space")},
        {"LBRACE", Stacked("{", "[")},
        {"RBRACE", Stacked("}", "]")},
        {"VERTBAR", Stacked("|", "\\")},
        {"QUOTE", Stacked("\"", "'")},
        {"TILDE", Stacked("~", "`")},
        {"LARROW", Arrow("left")},
        {"RARROW", Arrow("right")},
        {"UARROW", Arrow("up")},
        {"DARROW", Arrow("down")},
        {"COLON", Stacked(":", ";", kDarkGray, "-")},
        {"LT", Stacked("<", ",", kDarkGray)},
        {"GT", Stacked(">", ".", kDarkGray, ".")},
    };
    for (char c = 'A'; c <= 'Z'; ++c) legends[std::string(1, c)] = Letter(std::string(1, c));
    for (char c = '1'; c <= '6'; ++c) legends[std::string(1, c)] = Letter(std::string(1, c));
    const std::map<std::string, std::string> pad = {
        {"7", "7"}, {"8", "8"}, {"9", "9"}, {"0", "/"}, {"U", "4"}, {"I", "5"},
        {"O", "6"}, {"P", "*"}, {"J", "1"}, {"K", "2"}, {"L", "3"}, {"M", "0"},
    };
    for (const auto& [name, symbol] : pad) legends[name] = Letter(name, kDarkGray, symbol);
    return legends;
}

// Keys the key table does not hold: gray legends, the Fn key blue.
struct OtherKey {
    Box box;
    Legend legend;
};

std::vector<OtherKey> OtherKeys(int faceIndex) {
    std::vector<OtherKey> keys = {
        {{28, 9, 45, 22}, Text("F1", kDarkGray)},
        {{48, 9, 65, 22}, Text("F2", kDarkGray)},
        {{68, 9, 85, 22}, Text("F3", kDarkGray)},
        {{88, 9, 105, 22}, Text("F4", kDarkGray)},
        {{108, 9, 125, 22}, Text("F5", kDarkGray)},
        {{208, 9, 225, 22}, Text("F10", kDarkGray)},
        {{228, 9, 245, 22}, Text("F11", kDarkGray)},
        {{248, 9, 265, 22}, Text("F12", kDarkGray)},
        {{276, 9, 293, 22}, Text("Prs", kDarkGray)},
        {{296, 9, 313, 22}, Text("Pau", kDarkGray)},
        {{8, 48, 27, 65}, Text("Tab", kDarkGray)},
        {{256, 68, 293, 85}, Text("Enter", kDarkGray)},
        {{8, 88, 43, 105}, Text("Shift", kDarkGray)},
        {{226, 88, 273, 105}, Text("Shift", kDarkGray)},
    };
    // The two faces differ only in the bottom-left corner.
    if (faceIndex == 0) {
        keys.push_back({{8, 68, 33, 85}, Text("Caps", kDarkGray)});
        keys.push_back({{8, 108, 28, 125}, Text("Ctrl", kDarkGray)});
        keys.push_back({{31, 108, 48, 125}, Text("Fn", kBlue)});
        keys.push_back({{51, 108, 73, 125}, Text("Alt", kDarkGray)});
    } else {
        keys.push_back({{8, 68, 33, 85}, Text("Ctrl", kDarkGray)});
        keys.push_back({{8, 108, 28, 125}, Text("Alt", kDarkGray)});
        keys.push_back({{31, 108, 51, 125}, Text("Caps", kDarkGray)});
        keys.push_back({{54, 108, 73, 125}, Text("Fn", kBlue)});
    }
    return keys;
}

struct TableKey {
    std::string name;
    Box box;
    bool assignable;
};

// The keys of the built-in face 0, read from the string table as the
// program reads them.
std::vector<TableKey> LoadTableKeys() {
    BuiltinStrings strings;
    const std::string prefix = strings.Get(77); // "Fn-"
    std::vector<TableKey> keys;
    for (unsigned id = 5000; id < 5100; ++id) {
        std::string descriptor;
        if (!strings.Load(id, descriptor)) continue;
        const FaceKey key(descriptor, strings);
        const Rect& r = key.m_rect;
        keys.push_back({key.m_strLabel.substr(prefix.size()), {r.left, r.top, r.right, r.bottom},
                        key.m_bAssignable != 0});
    }
    return keys;
}

constexpr int kFaceWidth = 322;
constexpr int kFaceHeight = 136;

Canvas DrawFace(int faceIndex, const std::vector<TableKey>& tableKeys) {
    Canvas face(kFaceWidth, kFaceHeight, kLightGray);
    // The notebook's case, raised, with the keyboard well sunk into it.
    face.Row(0, 0, kFaceWidth - 1, kWhite);
    face.Column(0, 0, kFaceHeight - 1, kWhite);
    face.Row(kFaceHeight - 1, 0, kFaceWidth, kDarkGray);
    face.Column(kFaceWidth - 1, 0, kFaceHeight, kDarkGray);
    const Box well{5, 6, 317, 129};
    face.Fill(well, kBlack);
    face.Row(well.top - 1, well.left - 1, well.right, kDarkGray);
    face.Column(well.left - 1, well.top - 1, well.bottom, kDarkGray);
    face.Row(well.bottom, well.left - 1, well.right + 1, kWhite);
    face.Column(well.right, well.top - 1, well.bottom + 1, kWhite);

    // A blank half-width key before the digit row.
    DrawKeyCap(face, {8, 28, 17, 45});
    for (const OtherKey& key : OtherKeys(faceIndex)) DrawKey(face, key.box, key.legend);
    const auto legends = TableLegends();
    for (const TableKey& key : tableKeys) {
        auto it = legends.find(key.name);
        if (it == legends.end()) {
            std::cerr << "make_assets: no legend for key " << key.name << "\n";
            std::exit(1);
        }
        DrawKey(face, key.box, it->second);
    }

    // The pointing stick between G, H and B.
    face.Fill({133, 85, 136, 88}, kGreen);
    for (int x : {133, 135})
        for (int y : {85, 87}) face.Set(x, y, kDarkGreen);
    return face;
}

// Checks what painting relies on: each table key's outer edge carries the
// bevel colours, and black appears only inside its inner rectangle; an
// assignable key has a black legend there, one that is not has none.
bool CheckFace(const Canvas& face, const std::vector<TableKey>& keys) {
    bool ok = true;
    for (const TableKey& key : keys) {
        const Box& b = key.box;
        int legendPixels = 0;
        for (int y = b.top; y < b.bottom; ++y) {
            for (int x = b.left; x < b.right; ++x) {
                const Ink ink = face.Get(x, y);
                const bool inner = x >= b.left + 2 && x < b.right - 2 && y >= b.top + 2 &&
                                   y < b.bottom - 2;
                if (ink == kBlack && !inner) ok = false;
                if (ink == kBlack) ++legendPixels;
                const bool light = (y == b.top && x < b.right - 1) || (x == b.left && y < b.bottom - 1);
                const bool shaded = y == b.bottom - 1 || x == b.right - 1;
                if (light && ink != kWhite) ok = false;
                if (shaded && ink != kDarkGray) ok = false;
            }
        }
        if (key.assignable != (legendPixels > 0)) ok = false;
        if (!ok) {
            std::cerr << "make_assets: the face does not match key " << key.name << "\n";
            return false;
        }
    }
    return true;
}

// ---------------------------------------------------------------------------
// Small pictures.

// The Fn key of the popup list's title: a light gray key cap with Fn in blue.
Canvas DrawFnKey() {
    Canvas c(20, 20, kLightGray);
    const Box cap{1, 1, 19, 19};
    c.Fill(cap, kBlack);
    DrawKeyCap(c, {2, 2, 18, 18});
    DrawText(c, 4, 6, "Fn", kBlue, LargeFont());
    return c;
}

// A small key cap for the list pictures, with Fn in blue.
void DrawListKey(Canvas& c, int x, int y) {
    c.Fill({x, y, x + 16, y + 14}, kBlack);
    DrawKeyCap(c, {x + 1, y + 1, x + 15, y + 13});
    DrawText(c, x + 4, y + 4, "Fn", kBlue);
}

// Three pictures of 30 x 20 above each other: a key with a direct
// assignment, a key with a popup list, an entry of a popup list.
Canvas DrawList() {
    Canvas c(30, 60, kWhite);
    DrawListKey(c, 3, 3);

    DrawListKey(c, 3, 23);
    c.Stamp(21, 26, {"#####", ".....", "#####", ".....", "#####", ".....", "#####"}, kBlack);
    c.Stamp(27, 28, {"#..", "##.", "###", "##.", "#.."}, kBlack);

    // A branch line from the list to a small program window.
    for (int y = 40; y < 50; y += 2) c.Set(6, y, kDarkGray);
    for (int x = 6; x < 12; x += 2) c.Set(x, 50, kDarkGray);
    const Box window{12, 44, 26, 56};
    c.Fill(window, kBlack);
    c.Fill({window.left + 1, window.top + 1, window.right - 1, window.bottom - 1}, kWhite);
    c.Fill({window.left + 1, window.top + 1, window.right - 1, window.top + 3}, kDarkBlue);
    return c;
}

// The view buttons of the application browser: 23 x 22, light gray is
// transparent. Raised: white top and left, dark gray then black bottom and
// right. Sunken: black then dark gray top and left, white bottom and right,
// the inside a checkerboard, the symbol one pixel right and down.
Canvas DrawViewButton(bool large, bool down) {
    Canvas c(23, 22, kLightGray);
    const int w = 23, h = 22;
    if (!down) {
        c.Row(0, 0, w - 1, kWhite);
        c.Column(0, 0, h - 1, kWhite);
        c.Row(h - 1, 0, w, kBlack);
        c.Column(w - 1, 0, h, kBlack);
        c.Row(h - 2, 1, w - 1, kDarkGray);
        c.Column(w - 2, 1, h - 1, kDarkGray);
    } else {
        for (int y = 2; y < h - 1; ++y)
            for (int x = 2; x < w - 1; ++x)
                if ((x + y) % 2 == 0) c.Set(x, y, kWhite);
        c.Row(0, 0, w, kBlack);
        c.Column(0, 0, h, kBlack);
        c.Row(1, 1, w - 1, kDarkGray);
        c.Column(1, 1, h - 1, kDarkGray);
        c.Row(h - 1, 1, w, kWhite);
        c.Column(w - 1, 1, h, kWhite);
    }
    const int shift = down ? 1 : 0;
    auto icon = [&](int x, int y, int size_w, int size_h) {
        c.Fill({x, y, x + size_w, y + size_h}, kDarkBlue);
        c.Fill({x + 1, y + 1, x + size_w - 1, y + size_h - 1}, kWhite);
    };
    if (large) {
        // Two large icons: a 4 x 5 square above a label bar of 6.
        for (int i = 0; i < 2; ++i) {
            const int x = 4 + 8 * i + shift, y = 3 + 8 * i + shift;
            icon(x + 1, y, 4, 5);
            c.Row(y + 6, x, x + 6, kBlack);
        }
    } else {
        // Three small icons: a 3 x 3 square with a label bar of 3 beside it.
        for (int i = 0; i < 3; ++i) {
            const int x = 4 + 4 * i + shift, y = 5 + 4 * i + shift;
            icon(x, y, 3, 3);
            c.Row(y + 1, x + 4, x + 7, kBlack);
        }
    }
    return c;
}

// The program icon: a small keyboard. size is 32 or 16; outside the
// keyboard the icon is transparent.
Canvas DrawIcon(int size) {
    Canvas c(size, size, kClear);
    if (size == 32) {
        const Box body{1, 8, 31, 25};
        c.Fill(body, kBlack);
        c.Fill({body.left + 1, body.top + 1, body.right - 1, body.bottom - 1}, kDarkGray);
        // Four rows of key caps, the Fn key blue, a space bar below.
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 8 - (row == 2 ? 1 : 0); ++col) {
                const int x = 3 + col * 3 + (row == 1 ? 1 : 0) + (row == 2 ? 2 : 0);
                const int y = 10 + row * 3;
                c.Fill({x, y, x + 2, y + 2}, kWhite);
                c.Set(x + 1, y + 1, kLightGray);
            }
        c.Fill({3, 19, 5, 21}, kBlue);
        c.Fill({6, 19, 8, 21}, kWhite);
        c.Fill({9, 19, 23, 21}, kWhite);
        c.Row(20, 10, 22, kLightGray);
        c.Fill({24, 19, 26, 21}, kWhite);
        c.Fill({27, 19, 29, 21}, kWhite);
    } else {
        const Box body{0, 4, 16, 13};
        c.Fill(body, kBlack);
        c.Fill({body.left + 1, body.top + 1, body.right - 1, body.bottom - 1}, kDarkGray);
        for (int row = 0; row < 3; ++row)
            for (int x = 2 + (row % 2); x < 14; x += 2) c.Set(x, 6 + row * 2 - (row == 2), kWhite);
        c.Row(10, 4, 12, kWhite);
        c.Set(2, 10, kBlue);
    }
    return c;
}

// Cursor art: 'X' black, 'o' white, anything else transparent.
using CursorArt = std::vector<std::string>;

// The main window's cursor: a pointing hand, hot spot at the fingertip.
const CursorArt& HandCursor() {
    static const CursorArt art = {
        ".....XX..........",
        "....XooX.........",
        "....XooX.........",
        "....XooX.........",
        "....XooX.........",
        "....XooXXX.......",
        "....XooXooXXX....",
        "....XooXooXooXX..",
        ".XX.XooXooXooXoX.",
        "XooXXooooooooXooX",
        "XoooXoooooooooooX",
        ".XooXoooooooooooX",
        "..XoXoooooooooooX",
        "..XooooooooooooX.",
        "...XoooooooooooX.",
        "...XooooooooooX..",
        "....XoooooooooX..",
        "....XoooooooooX..",
        ".....XooooooooX..",
        ".....XXXXXXXXXX..",
    };
    return art;
}

// The picture dragged for the minimized window: a small keyboard.
const CursorArt& KeyboardCursor() {
    static const CursorArt art = {
        "XXXXXXXXXXXXXXXXXXXXXXXXXXX",
        "XoooooooooooooooooooooooooX",
        "XoXXoXXoXXoXXoXXoXXoXXoXXoX",
        "XoooooooooooooooooooooooooX",
        "XooXXoXXoXXoXXoXXoXXoXXoXoX",
        "XoooooooooooooooooooooooooX",
        "XoooXXoXXoXXoXXoXXoXXoXXooX",
        "XoooooooooooooooooooooooooX",
        "XoXXoXXoXXXXXXXXXXXXoXXoXXX",
        "XoooooooooooooooooooooooooX",
        "XXXXXXXXXXXXXXXXXXXXXXXXXXX",
    };
    return art;
}

// ---------------------------------------------------------------------------
// File writers (little-endian).

class Bytes {
public:
    void U8(unsigned v) { m_data.push_back(static_cast<char>(v & 0xFF)); }
    void U16(unsigned v) {
        U8(v);
        U8(v >> 8);
    }
    void U32(std::uint32_t v) {
        U16(v & 0xFFFF);
        U16(v >> 16);
    }
    void Append(const Bytes& other) { m_data += other.m_data; }
    std::size_t Size() const { return m_data.size(); }
    const std::string& Data() const { return m_data; }

private:
    std::string m_data;
};

std::size_t RowBytes(int width, int bitCount) {
    return (static_cast<std::size_t>(width) * bitCount + 31) / 32 * 4;
}

void InfoHeader(Bytes& out, int width, int height, int bitCount, std::size_t imageBytes,
                unsigned colours) {
    out.U32(40);
    out.U32(static_cast<std::uint32_t>(width));
    out.U32(static_cast<std::uint32_t>(height));
    out.U16(1);
    out.U16(static_cast<unsigned>(bitCount));
    out.U32(0); // uncompressed
    out.U32(static_cast<std::uint32_t>(imageBytes));
    out.U32(0);
    out.U32(0);
    out.U32(colours);
    out.U32(0);
}

void Palette16(Bytes& out) {
    for (const Rgb& c : kPalette) {
        out.U8(c.blue);
        out.U8(c.green);
        out.U8(c.red);
        out.U8(0);
    }
}

// 4-bit rows, bottom-up; transparent pixels are stored as black.
Bytes PixelRows4(const Canvas& c) {
    Bytes out;
    const std::size_t stride = RowBytes(c.Width(), 4);
    for (int y = c.Height() - 1; y >= 0; --y) {
        std::size_t written = 0;
        for (int x = 0; x < c.Width(); x += 2, ++written) {
            auto index = [&](int px) {
                const Ink ink = c.Get(px, y);
                return ink == kClear ? 0u : static_cast<unsigned>(ink);
            };
            out.U8((index(x) << 4) | (x + 1 < c.Width() ? index(x + 1) : 0));
        }
        for (; written < stride; ++written) out.U8(0);
    }
    return out;
}

// 1-bit rows, bottom-up, of a predicate.
template <typename Bit> Bytes PixelRows1(int width, int height, Bit bit) {
    Bytes out;
    const std::size_t stride = RowBytes(width, 1);
    for (int y = height - 1; y >= 0; --y) {
        std::vector<unsigned> row(stride, 0);
        for (int x = 0; x < width; ++x)
            if (bit(x, y)) row[x / 8] |= 0x80u >> (x % 8);
        for (unsigned b : row) out.U8(b);
    }
    return out;
}

Bytes BitmapFile(const Canvas& c) {
    const Bytes pixels = PixelRows4(c);
    Bytes info;
    InfoHeader(info, c.Width(), c.Height(), 4, pixels.Size(), 0);
    Palette16(info);
    Bytes file;
    const std::size_t offset = 14 + info.Size();
    file.U8('B');
    file.U8('M');
    file.U32(static_cast<std::uint32_t>(offset + pixels.Size()));
    file.U32(0);
    file.U32(static_cast<std::uint32_t>(offset));
    file.Append(info);
    file.Append(pixels);
    return file;
}

// An icon file with 4-bit images and their transparency masks.
Bytes IconFile(const std::vector<Canvas>& images) {
    std::vector<Bytes> entries;
    for (const Canvas& c : images) {
        const Bytes colour = PixelRows4(c);
        const Bytes mask = PixelRows1(c.Width(), c.Height(),
                                      [&](int x, int y) { return c.Get(x, y) == kClear; });
        Bytes image;
        InfoHeader(image, c.Width(), 2 * c.Height(), 4, colour.Size() + mask.Size(), 0);
        Palette16(image);
        image.Append(colour);
        image.Append(mask);
        entries.push_back(image);
    }
    Bytes file;
    file.U16(0);
    file.U16(1); // icon
    file.U16(static_cast<unsigned>(images.size()));
    std::size_t offset = 6 + 16 * images.size();
    for (std::size_t i = 0; i < images.size(); ++i) {
        file.U8(static_cast<unsigned>(images[i].Width()));
        file.U8(static_cast<unsigned>(images[i].Height()));
        file.U8(16);
        file.U8(0);
        file.U16(1);
        file.U16(4);
        file.U32(static_cast<std::uint32_t>(entries[i].Size()));
        file.U32(static_cast<std::uint32_t>(offset));
        offset += entries[i].Size();
    }
    for (const Bytes& e : entries) file.Append(e);
    return file;
}

// A monochrome 32 x 32 cursor file; the art sits at (left, top).
Bytes CursorFile(const CursorArt& art, int left, int top, int hotX, int hotY) {
    constexpr int kSize = 32;
    auto at = [&](int x, int y) -> char {
        x -= left;
        y -= top;
        if (y < 0 || y >= static_cast<int>(art.size()) || x < 0 ||
            x >= static_cast<int>(art[y].size()))
            return '.';
        return art[y][x];
    };
    const Bytes image = PixelRows1(kSize, kSize, [&](int x, int y) { return at(x, y) == 'o'; });
    const Bytes mask = PixelRows1(kSize, kSize, [&](int x, int y) {
        const char c = at(x, y);
        return c != 'X' && c != 'o';
    });
    Bytes body;
    InfoHeader(body, kSize, 2 * kSize, 1, image.Size() + mask.Size(), 0);
    body.U32(0x00000000); // black
    body.U32(0x00FFFFFF); // white
    body.Append(image);
    body.Append(mask);

    Bytes file;
    file.U16(0);
    file.U16(2); // cursor
    file.U16(1);
    file.U8(kSize);
    file.U8(kSize);
    file.U8(2);
    file.U8(0);
    file.U16(static_cast<unsigned>(hotX));
    file.U16(static_cast<unsigned>(hotY));
    file.U32(static_cast<std::uint32_t>(body.Size()));
    file.U32(22);
    file.Append(body);
    return file;
}

bool Write(const std::string& directory, const std::string& name, const Bytes& bytes) {
    const std::string path = directory + "/" + name;
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.Data().data(), static_cast<std::streamsize>(bytes.Size()));
    if (!out) {
        std::cerr << "make_assets: cannot write " << path << "\n";
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const std::string directory = argc > 1 ? argv[1] : "resources";
    const std::vector<TableKey> tableKeys = LoadTableKeys();
    const Canvas face0 = DrawFace(0, tableKeys);
    const Canvas face1 = DrawFace(1, tableKeys);
    if (!CheckFace(face0, tableKeys) || !CheckFace(face1, tableKeys)) return 1;

    bool ok = Write(directory, "face0.bmp", BitmapFile(face0)) &&
              Write(directory, "face1.bmp", BitmapFile(face1)) &&
              Write(directory, "fnkey.bmp", BitmapFile(DrawFnKey())) &&
              Write(directory, "list.bmp", BitmapFile(DrawList())) &&
              Write(directory, "largeu.bmp", BitmapFile(DrawViewButton(true, false))) &&
              Write(directory, "larged.bmp", BitmapFile(DrawViewButton(true, true))) &&
              Write(directory, "smallu.bmp", BitmapFile(DrawViewButton(false, false))) &&
              Write(directory, "smalld.bmp", BitmapFile(DrawViewButton(false, true))) &&
              Write(directory, "kelvane.ico", IconFile({DrawIcon(32), DrawIcon(16)})) &&
              Write(directory, "cursor110.cur", CursorFile(HandCursor(), 7, 0, 12, 0)) &&
              Write(directory, "cursor122.cur", CursorFile(KeyboardCursor(), 2, 10, 15, 15));
    return ok ? 0 : 1;
}
