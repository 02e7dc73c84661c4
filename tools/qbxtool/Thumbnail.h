#pragma once
// qbxtool thumbnail GAME OUT.png SIZE: the picture file managers show for a game, made by the
// desktop's thumbnailer through the quarrybox.thumbnailer entry. The first level's picture, or
// the start skin of a game without levels, fitted into SIZE x SIZE and written as a PNG.

#include <QStringList>
#include <QTextStream>

// args after the command name; returns the qbxtool exit status and reports on err.
int Thumbnail(const QStringList &args, QTextStream &err);
