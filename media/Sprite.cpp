#include "media/Sprite.h"

#include "media/MediaError.h"
#include "media/SpriteEngine.h"
#include "media/Surface.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

int TruncToInt(double value) {
  // Toward zero, and kept inside int so a wild position cannot overflow.
  constexpr double lo = std::numeric_limits<int>::min();
  constexpr double hi = std::numeric_limits<int>::max();
  return static_cast<int>(std::clamp(std::trunc(value), lo, hi));
}

TSpriteEngine *EngineOfChild(TSprite *parent) {
  if (!parent)
    return nullptr;
  if (parent->Engine())
    return parent->Engine();
  return dynamic_cast<TSpriteEngine *>(parent);
}

} // namespace

TSprite::TSprite(TSprite *parent) : Owner(EngineOfChild(parent)), ParentSprite(parent) {
  if (!ParentSprite)
    return;
  ParentSprite->Children.push_back(this);
  ParentSprite->InsertByZ(this);
  if (Owner)
    ++Owner->SpriteCount;
}

TSprite::~TSprite() {
  DeleteChildren();
  if (Owner) {
    --Owner->SpriteCount;
    std::erase(Owner->DeadList, this);
  }
  if (ParentSprite) {
    std::erase(ParentSprite->Children, this);
    std::erase(ParentSprite->DrawList, this);
  }
}

void TSprite::DeleteChildren() {
  while (!Children.empty())
    delete Children.back(); // unlinks itself
}

TSprite *TSprite::Items(int index) const {
  if (index < 0 || index >= Count())
    throw TMediaError::ListIndex(index);
  return Children[static_cast<size_t>(index)];
}

void TSprite::InsertByZ(TSprite *child) {
  // Before the first sibling whose Z is not lower: the newcomer goes under its equals.
  const auto at = std::lower_bound(DrawList.begin(), DrawList.end(), child->Depth,
                                   [](const TSprite *s, int z) { return s->Depth < z; });
  DrawList.insert(at, child);
}

void TSprite::SetZ(int z) {
  if (z == Depth)
    return;
  Depth = z;
  if (ParentSprite) {
    std::erase(ParentSprite->DrawList, this);
    ParentSprite->InsertByZ(this);
  }
}

double TSprite::WorldX() const { return PosX + (ParentSprite ? ParentSprite->WorldX() : 0.0); }

double TSprite::WorldY() const { return PosY + (ParentSprite ? ParentSprite->WorldY() : 0.0); }

QRect TSprite::BoundsRect() const {
  return QRect(TruncToInt(WorldX()), TruncToInt(WorldY()), SizeW, SizeH);
}

void TSprite::MarkDead() {
  if (!Owner || IsDead)
    return;
  IsDead = true;
  Owner->DeadList.push_back(this);
}

void TSprite::Move(int moveCount) {
  if (!IsMoved)
    return;
  MoveStep(moveCount);
  // Children created by a move step wait for the next Move.
  const int count = Count();
  for (int i = 0; i < count; ++i)
    Items(i)->Move(moveCount);
}

void TSprite::DrawTree(TSpriteEngine &engine) {
  if (!IsVisible)
    return;
  if (BoundsRect().intersects(engine.TargetRect)) {
    DrawSelf();
    ++engine.Drawn;
  }
  for (size_t i = 0; i < DrawList.size(); ++i)
    DrawList[i]->DrawTree(engine);
}
