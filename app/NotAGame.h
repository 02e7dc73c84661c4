#pragma once
// A file given as a game that cannot be read as one: when it is plainly something else (a
// picture, a program, a document), the player is told so in a sentence, not with the reader's
// account of the offsets it stumbled over.

#include <QString>

// What to tell the player about the file at path: that it is a game made with Make EXE (a
// program to start itself), or not a game and what kind of file it is. Empty where the file may
// be a damaged game: the reader's message then says what is wrong with it.
QString NotAGameMessage(const QString &path);
