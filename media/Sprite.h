#pragma once
// A tree of sprites under one root, the sprite engine. Like QObject children, a sprite is owned
// by its parent: create it with new and a parent, and it lives until RemoveDead takes it (after
// MarkDead), until it is deleted, or until its parent goes.
//
// Drawing order: siblings are drawn in ascending Z; a sprite that joins a Z (by creation or by
// SetZ) goes before the siblings that already have that Z, so it is drawn underneath them.

#include <QRect>

#include <vector>

class TSurface;
class TSpriteEngine;

class TSprite {
public:
  // With a parent, the sprite joins the parent's children and its draw list (at Z 0) and is
  // counted by the engine. Without one it is the root of a tree.
  explicit TSprite(TSprite *parent);
  // Deletes the children (the last one first) and unlinks the sprite from its parent and its
  // engine.
  virtual ~TSprite();
  TSprite(const TSprite &) = delete;
  TSprite &operator=(const TSprite &) = delete;

  // The root of this sprite's tree, or nullptr for a root.
  TSpriteEngine *Engine() const { return Owner; }
  TSprite *Parent() const { return ParentSprite; }
  int Count() const { return static_cast<int>(Children.size()); }
  // Children in creation order; throws TMediaError "Index of the list exceeds the range. (n)".
  TSprite *Items(int index) const;

  // Position relative to the parent.
  double X() const { return PosX; }
  void SetX(double x) { PosX = x; }
  double Y() const { return PosY; }
  void SetY(double y) { PosY = y; }
  int Z() const { return Depth; }
  void SetZ(int z);
  int Width() const { return SizeW; }
  void SetWidth(int width) { SizeW = width; }
  int Height() const { return SizeH; }
  void SetHeight(int height) { SizeH = height; }
  double WorldX() const;
  double WorldY() const;

  // false: the sprite and its subtree do not move.
  void SetMoved(bool on) { IsMoved = on; }
  // false: the sprite and its subtree are not drawn.
  bool Visible() const { return IsVisible; }
  void SetVisible(bool on) { IsVisible = on; }

  // Queues the sprite for the engine's RemoveDead; a second call does nothing.
  void MarkDead();
  bool Dead() const { return IsDead; }

  // Runs MoveStep of this sprite, then Move of each child present when it started.
  void Move(int moveCount);

  // The sprite's rectangle in the tree's coordinates, the world position truncated toward zero.
  virtual QRect BoundsRect() const;
  virtual void DrawSelf() {}
  virtual void MoveStep(int /*moveCount*/) {}

protected:
  // Draws this sprite (when it lies on the engine's surface) and then its children by Z.
  void DrawTree(TSpriteEngine &engine);
  // Deletes every child now, the last one first.
  void DeleteChildren();

private:
  void InsertByZ(TSprite *child);

  TSpriteEngine *Owner;
  TSprite *ParentSprite;
  std::vector<TSprite *> Children;
  std::vector<TSprite *> DrawList;
  bool IsDead = false;
  bool IsMoved = true;
  bool IsVisible = true;
  double PosX = 0;
  double PosY = 0;
  int Depth = 0;
  int SizeW = 0;
  int SizeH = 0;
};
