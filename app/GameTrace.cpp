#include "app/GameTrace.h"

#include "app/GameScreen.h"
#include "app/Trace.h"
#include "rules/PlaySession.h"

void TGameTrace::StateChanged(TGameState state) { Trace::Event("state", QString::number(state)); }

void TGameTrace::LevelStarted(const TPlaySession &, int level, int levelCount, const TLevelLook &) {
  Trace::Event("level", QStringLiteral("%1/%2").arg(level).arg(levelCount));
}

void TGameTrace::WaitingForPicture() { Trace::Event("notice", TGameScreen::LoadingNotice()); }

void TGameTrace::PieceCreated(const TPlaySession &session) {
  Trace::Event("piece", QStringLiteral("%1 %2,%3")
                            .arg(session.Piece.Piece().Type)
                            .arg(session.Targets.Current().x())
                            .arg(session.Targets.Current().y()));
}

void TGameTrace::PieceMoved(const TPiece &piece) {
  if (Trace::Enabled())
    Trace::Event("move", QStringLiteral("%1 %2").arg(piece.Shift.Col).arg(piece.Turn));
}

void TGameTrace::PieceLanded(const TLanding &landing, const TPlaySession &) {
  for (const QPoint &cell : landing.UncoveredCells)
    Trace::Event("uncover", QStringLiteral("%1,%2").arg(cell.x()).arg(cell.y()));
  Trace::Event("land", QString::number(landing.RowsRemoved));
}

void TGameTrace::ScoreChanged(int score) { Trace::Event("score", QString::number(score)); }
