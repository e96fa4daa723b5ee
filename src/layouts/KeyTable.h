#pragma once

// The 36 drilled keys: digit row and the three letter rows of a QWERTY
// keyboard. A key is identified by its caption during play; the index only
// addresses the two Label1 arrays (game screen and keyboard window).

#include <array>
#include <string_view>

namespace layouts {

struct Key {
    int index;
    int row; // 1 (digits) to 4
    std::string_view caption;         // on the game screen; "00" for the zero key
    std::string_view keyboardCaption; // on the keyboard window ("１" for index 0)
    int keyCode;
    std::string_view keyProc;       // Go1 .. GoM
    std::string_view highlightProc; // L0 .. L35
    int gameLeft, gameTop;          // twips, inside the game screen's Frame1
    int keyboardLeft, keyboardTop;  // twips, on the keyboard window
};

inline constexpr int kKeyCount = 36;
inline constexpr int kKeyCapSize = 495;

// clang-format off
inline constexpr std::array<Key, kKeyCount> kKeys = {{
    { 0, 1, "1",  "１", 49, "Go1",  "L0",     0,  120,  600,    0},
    { 1, 1, "2",  "2",  50, "Go2",  "L1",   480,  120, 1080,    0},
    { 2, 1, "3",  "3",  51, "Go3",  "L2",   960,  120, 1560,    0},
    { 3, 1, "4",  "4",  52, "Go4",  "L3",  1440,  120, 2040,    0},
    { 4, 1, "5",  "5",  53, "Go5",  "L4",  1920,  120, 2520,    0},
    { 5, 1, "6",  "6",  54, "Go6",  "L5",  2400,  120, 3000,    0},
    { 6, 1, "7",  "7",  55, "Go7",  "L6",  2880,  120, 3480,    0},
    { 7, 1, "8",  "8",  56, "Go8",  "L7",  3360,  120, 3960,    0},
    { 8, 1, "9",  "9",  57, "Go9",  "L8",  3840,  120, 4440,    0},
    { 9, 1, "00", "00", 48, "Go00", "L9",  4320,  120, 4920,    0},
    {10, 2, "Q",  "Q",  81, "GoQ",  "L10",    0,  600,  840,  480},
    {11, 2, "W",  "W",  87, "GoW",  "L11",  480,  600, 1320,  480},
    {12, 2, "E",  "E",  69, "GoE",  "L12",  960,  600, 1800,  480},
    {13, 2, "R",  "R",  82, "GoR",  "L13", 1440,  600, 2280,  480},
    {14, 2, "T",  "T",  84, "GoT",  "L14", 1920,  600, 2760,  480},
    {15, 2, "Y",  "Y",  89, "GoY",  "L15", 2400,  600, 3240,  480},
    {16, 2, "U",  "U",  85, "GoU",  "L16", 2880,  600, 3720,  480},
    {17, 2, "I",  "I",  73, "GoI",  "L17", 3360,  600, 4200,  480},
    {18, 2, "O",  "O",  79, "GoO",  "L18", 3840,  600, 4680,  480},
    {19, 2, "P",  "P",  80, "GoP",  "L19", 4320,  600, 5160,  480},
    {20, 3, "A",  "A",  65, "GoA",  "L20",    0, 1080, 1200,  960},
    {21, 3, "S",  "S",  83, "GoS",  "L21",  480, 1080, 1680,  960},
    {22, 3, "D",  "D",  68, "GoD",  "L22",  960, 1080, 2160,  960},
    {23, 3, "F",  "F",  70, "GoF",  "L23", 1440, 1080, 2640,  960},
    {24, 3, "G",  "G",  71, "GoG",  "L24", 1920, 1080, 3120,  960},
    {25, 3, "H",  "H",  72, "GoH",  "L25", 2400, 1080, 3600,  960},
    {26, 3, "J",  "J",  74, "GoJ",  "L26", 2880, 1080, 4080,  960},
    {27, 3, "K",  "K",  75, "GoK",  "L27", 3360, 1080, 4560,  960},
    {28, 3, "L",  "L",  76, "GoL",  "L28", 3840, 1080, 5040,  960},
    {29, 4, "Z",  "Z",  90, "GoZ",  "L29",    0, 1560, 1440, 1440},
    {30, 4, "X",  "X",  88, "GoX",  "L30",  480, 1560, 1920, 1440},
    {31, 4, "C",  "C",  67, "GoC",  "L31",  960, 1560, 2400, 1440},
    {32, 4, "V",  "V",  86, "GoV",  "L32", 1440, 1560, 2880, 1440},
    {33, 4, "B",  "B",  66, "GoB",  "L33", 1920, 1560, 3360, 1440},
    {34, 4, "N",  "N",  78, "GoN",  "L34", 2400, 1560, 3840, 1440},
    {35, 4, "M",  "M",  77, "GoM",  "L35", 2880, 1560, 4320, 1440},
}};
// clang-format on

// The index of the key with this caption, or -1: what the highlight
// dispatch finds by comparing the target with every key's caption, looked
// up in one step because it runs at every target draw.
inline constexpr auto kKeyIndexBySingleChar = [] {
    std::array<signed char, 256> table{};
    table.fill(-1);
    for (const Key& key : kKeys)
        if (key.caption.size() == 1)
            table[static_cast<unsigned char>(key.caption[0])] = static_cast<signed char>(key.index);
    return table;
}();

constexpr int keyIndexOfCaption(std::string_view caption)
{
    if (caption.size() == 1)
        return kKeyIndexBySingleChar[static_cast<unsigned char>(caption[0])];
    for (const Key& key : kKeys)
        if (key.caption.size() > 1 && key.caption == caption)
            return key.index;
    return -1;
}

} // namespace layouts
