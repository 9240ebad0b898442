#pragma once
// The retained display list of the 2D chart: one record per drawing call, in
// drawing order, and the operations over it (delete, edit, recolour,
// re-class, rescale, extent and nearest-item queries). A plain class; the
// chart widget owns one and replays it when it paints.
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

#include "charts/ChartBase.h"
#include "charts/ChartDraw.h"

namespace zw {

enum class TrcItem : std::uint8_t {
  tkNone, tkMarkAt, tkLine, tkLineto, tkRect, tkRectFrame, tk3DBar, tkText, tkMoveTo, tkEllipse,
  tkEverything, tkNotMoveTo, tkMoveRelPix, tkLineRelPix, tkArrow, tkTextOfs, tkRectRelPix
};
inline constexpr int kItemKindCount = 17;

// Line styles of the items, in their stored order.
enum class TPenStyle : std::uint8_t { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
Qt::PenStyle ToQtPenStyle(TPenStyle s);

// Alignment of text items, in its stored order.
enum class TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };

struct TrcChartItem {
  double x = 0, y = 0;
  double x2 = 0, y2 = 0;
  TColor Color = 0;
  TColor FillColor = 0;
  TColor ShadowColor = 0;
  TColor HiLightColor = 0;
  TPenStyle PenStyle = TPenStyle::psSolid;
  std::int32_t Tag = 0;
  std::int32_t LWid = 1;
  std::uint8_t ItemClass = 0;
  TrcItem ItemKind = TrcItem::tkNone;
  std::int32_t Layer = 1;
  bool Transp = false;
  TFrameStyle FrameStyle = TFrameStyle::fsNone;
  std::uint8_t TextLen = 0;  // length-prefixed Windows-1252 text, room for 17 bytes
  char Text[17] = {};
  std::int32_t SizeOrAngle = 0;
  std::int32_t Depth = 0;
  std::uint8_t MarkOrAlign = 0;

  // The text as Unicode / stored from Unicode (characters beyond the code
  // page become "?", at most maxLen of them).
  QString text() const;
  void setText(const QString& s, int maxLen = 17);
};

class TDisplayList {
public:
  TDisplayList() = default;

  int NumItems() const { return int(items_.size()); }
  int NumAllocated() const { return numAllocated_; }
  int AllocSize() const { return allocSize_; }
  void setAllocSize(int v) {
    if (v >= 1 && v <= 1000000) allocSize_ = v;
  }
  const TrcChartItem& operator[](int i) const { return items_[std::size_t(i)]; }
  const std::vector<TrcChartItem>& items() const { return items_; }

  // Appends one item, growing the allocation by AllocSize when it is full.
  void Add(const TrcChartItem& item);
  void Clear();
  void RemoveItem(int index);
  void RemoveFirstItem() { RemoveItem(0); }
  void RemoveLastItem();
  int RemoveItemsByClass(std::uint8_t classNumber);

  // A copy of the item; a tkNone record for a bad index.
  TrcChartItem GetItemParams(int index) const;
  // Overwrites the item; ignored for a bad index or a tkNone/tkEverything record.
  bool SetItemParams(int index, const TrcChartItem& item);
  void NewColorOfClassItems(TColor color, std::uint8_t classNumber);
  void MarkAllItems(TrcItem id, std::uint8_t classNumber);
  int MarkItemsInWindow(double xLo, double yLo, double xHi, double yHi, TrcItem id, std::uint8_t classNumber);
  void ScaleItem(int index, double kx, double dx, double ky, double dy);
  void ScaleAllItems(double kx, double dx, double ky, double dy);
  void ScaleSelectedItems(double kx, double dx, double ky, double dy, std::uint8_t classNumber);

  void FindMinMax(int layer, double loX, double loY, double hiX, double hiY, double& minX, double& minY,
                  double& maxX, double& maxY) const;
  // Bit i set for every layer i (1..16) that holds an item.
  std::uint32_t FindUsedLayers() const;
  int FindNearestItemReal(double mx, double my, TrcItem id, std::uint8_t classNumber, double& dist) const;
  using ToPixel = std::function<void(double x, double y, int& px, int& py)>;
  int FindNearestItemScreen(double mx, double my, TrcItem id, std::uint8_t classNumber, double& dist,
                            const ToPixel& toPixel) const;
  // The extent rule of automatic ranges; logX/logY: the layer's axes are
  // logarithmic (non-positive points are then left out).
  void LayerDataExtent(int layer, double margin, double minRange, bool logX, bool logY, double& xLo, double& yLo,
                       double& xHi, double& yHi) const;

  TrcItem TypeOfFirstItem() const { return items_.empty() ? TrcItem::tkNone : items_.front().ItemKind; }
  TrcItem TypeOfLastItem() const { return items_.empty() ? TrcItem::tkNone : items_.back().ItemKind; }

  static bool Selects(TrcItem id, TrcItem kind);
  static bool HasSecondPoint(TrcItem kind);

private:
  std::vector<TrcChartItem> items_;
  int numAllocated_ = 0;
  int allocSize_ = 1000;
};

}  // namespace zw
