#pragma once
// The eight cell colours in index order: block picture k is painted in colour k, so a falling
// piece shows the colour of the hidden cell it carries.

#include <QColor>

#include <array>

inline constexpr std::array<QRgb, 8> CellColours = {
    qRgb(180, 180, 180), // grey
    qRgb(228, 201, 42),  // yellow
    qRgb(241, 46, 46),   // red
    qRgb(33, 68, 203),   // blue
    qRgb(149, 68, 222),  // violet
    qRgb(204, 50, 203),  // magenta
    qRgb(70, 183, 41),   // green
    qRgb(40, 148, 234),  // light blue
};
