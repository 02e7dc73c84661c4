#pragma once
// The painted level pictures of the default game. Each painter fills a picture of the given
// size (its own proportions are assumed) and is deterministic.

#include <QImage>
#include <QSize>

QImage PaintSunflower(QSize size);
QImage PaintHarbour(QSize size);
QImage PaintMountainLake(QSize size);
QImage PaintCastle(QSize size);
QImage PaintPlanet(QSize size);
QImage PaintCitySkyline(QSize size);
QImage PaintCoralReef(QSize size);
QImage PaintBalloons(QSize size);
