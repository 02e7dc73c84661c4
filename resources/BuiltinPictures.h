#pragma once
// The pictures compiled into the program, under the resource prefix ":/pictures":
// Parts.bmp (the eight 18 x 18 block pictures, 72 x 36, 16 bits per pixel), Figure.bmp
// (18 x 18) and Small.bmp (12 x 12), both 24 bits per pixel, and the transparent PNGs
// PressSP.png (112 x 21) and PauseL.png (474 x 121), with a copy of these two in the words of
// each translation the program carries.

#include <QString>

// Registers the pictures. They live in a static library, whose resources are not registered
// by themselves; call once before the first use (further calls do nothing).
void InitBuiltinPictures();

// The name under ":/pictures" of the copy of a picture in the installed translation's words;
// the name itself for a picture without words, and when no copy has these words.
QString TranslatedBuiltinName(const QString &name);
