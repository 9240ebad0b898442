#include "charts/DisplayList.h"

#include <algorithm>
#include <cmath>

#include "common/Cp1252.h"

namespace zw {

Qt::PenStyle ToQtPenStyle(TPenStyle s) {
  switch (s) {
    case TPenStyle::psDash: return Qt::DashLine;
    case TPenStyle::psDot: return Qt::DotLine;
    case TPenStyle::psDashDot: return Qt::DashDotLine;
    case TPenStyle::psDashDotDot: return Qt::DashDotDotLine;
    case TPenStyle::psClear: return Qt::NoPen;
    default: return Qt::SolidLine;
  }
}

QString TrcChartItem::text() const {
  const std::u16string u = cp1252::Decode(std::string_view(Text, std::min<std::size_t>(TextLen, 17)));
  return QString::fromStdU16String(u);
}

void TrcChartItem::setText(const QString& s, int maxLen) {
  const std::string b = cp1252::Encode(s.left(std::clamp(maxLen, 0, 17)).toStdU16String());
  TextLen = std::uint8_t(b.size());
  std::fill(std::begin(Text), std::end(Text), '\0');
  std::copy(b.begin(), b.end(), Text);
}

bool TDisplayList::Selects(TrcItem id, TrcItem kind) {
  if (id == TrcItem::tkNone) return false;
  if (id == TrcItem::tkEverything) return true;
  if (id == TrcItem::tkNotMoveTo) return kind != TrcItem::tkMoveTo;
  return id == kind;
}

bool TDisplayList::HasSecondPoint(TrcItem k) {
  return k == TrcItem::tkLine || k == TrcItem::tkRect || k == TrcItem::tkRectFrame || k == TrcItem::tk3DBar ||
         k == TrcItem::tkArrow;
}

void TDisplayList::Add(const TrcChartItem& item) {
  // The allocation counts in steps of AllocSize as callers see it; the
  // storage itself grows geometrically, so long lists stay linear to build.
  if (NumItems() >= numAllocated_) numAllocated_ += allocSize_;
  items_.push_back(item);
}

void TDisplayList::Clear() {
  items_.clear();
  numAllocated_ = 0;
}

void TDisplayList::RemoveItem(int index) {
  if (index < 0 || index >= NumItems()) return;
  if (NumItems() == 1) {
    Clear();
    return;
  }
  items_.erase(items_.begin() + index);
}

void TDisplayList::RemoveLastItem() {
  if (items_.empty()) return;
  items_.pop_back();
  if (items_.empty()) Clear();
}

int TDisplayList::RemoveItemsByClass(std::uint8_t c) {
  const auto n = std::erase_if(items_, [c](const TrcChartItem& it) { return it.ItemClass == c; });
  return int(n);
}

TrcChartItem TDisplayList::GetItemParams(int index) const {
  if (index < 0 || index >= NumItems()) return {};
  return items_[std::size_t(index)];
}

bool TDisplayList::SetItemParams(int index, const TrcChartItem& item) {
  if (item.ItemKind == TrcItem::tkNone || item.ItemKind == TrcItem::tkEverything) return false;
  if (index < 0 || index >= NumItems()) return false;
  items_[std::size_t(index)] = item;
  return true;
}

void TDisplayList::NewColorOfClassItems(TColor color, std::uint8_t c) {
  for (TrcChartItem& it : items_)
    if (c == 255 || it.ItemClass == c) it.Color = color;
}

void TDisplayList::MarkAllItems(TrcItem id, std::uint8_t c) {
  if (c == 255 || id == TrcItem::tkNone) return;
  for (TrcChartItem& it : items_)
    if (Selects(id, it.ItemKind)) it.ItemClass = c;
}

int TDisplayList::MarkItemsInWindow(double xLo, double yLo, double xHi, double yHi, TrcItem id, std::uint8_t c) {
  if (c == 255) return 0;
  if (xLo > xHi) std::swap(xLo, xHi);
  if (yLo > yHi) std::swap(yLo, yHi);
  if (id == TrcItem::tkNone) return 0;
  int n = 0;
  for (TrcChartItem& it : items_)
    if (Selects(id, it.ItemKind) && xLo <= it.x && it.x <= xHi && yLo <= it.y && it.y <= yHi) {
      it.ItemClass = c;
      ++n;
    }
  return n;
}

namespace {
void scaleOne(TrcChartItem& it, double kx, double dx, double ky, double dy) {
  // Pixel offsets are no world coordinates: they stay.
  if (it.ItemKind != TrcItem::tkMoveRelPix && it.ItemKind != TrcItem::tkLineRelPix) {
    it.x = kx * it.x + dx;
    it.y = ky * it.y + dy;
  }
  if (TDisplayList::HasSecondPoint(it.ItemKind)) {
    it.x2 = kx * it.x2 + dx;
    it.y2 = ky * it.y2 + dy;
  } else if (it.ItemKind == TrcItem::tkEllipse) {
    // Half-axes are lengths: they scale, they do not shift.
    it.x2 = std::fabs(kx) * it.x2;
    it.y2 = std::fabs(ky) * it.y2;
  }
}
}  // namespace

void TDisplayList::ScaleItem(int index, double kx, double dx, double ky, double dy) {
  if (index < 0 || index >= NumItems()) return;
  scaleOne(items_[std::size_t(index)], kx, dx, ky, dy);
}

void TDisplayList::ScaleAllItems(double kx, double dx, double ky, double dy) {
  for (TrcChartItem& it : items_) scaleOne(it, kx, dx, ky, dy);
}

void TDisplayList::ScaleSelectedItems(double kx, double dx, double ky, double dy, std::uint8_t c) {
  for (TrcChartItem& it : items_)
    if (it.ItemClass == c) scaleOne(it, kx, dx, ky, dy);
}

namespace {
bool isRelPix(TrcItem k) {
  return k == TrcItem::tkMoveRelPix || k == TrcItem::tkLineRelPix || k == TrcItem::tkRectRelPix;
}
}  // namespace

void TDisplayList::FindMinMax(int layer, double loX, double loY, double hiX, double hiY, double& minX,
                              double& minY, double& maxX, double& maxY) const {
  minX = minY = 1.7e308;
  maxX = maxY = -1.7e308;
  auto take = [&](double x, double y) {
    if (loX < x && x < hiX && loY < y && y < hiY) {
      minX = std::min(minX, x);
      maxX = std::max(maxX, x);
      minY = std::min(minY, y);
      maxY = std::max(maxY, y);
    }
  };
  for (const TrcChartItem& it : items_) {
    if ((layer != 0 && it.Layer != layer) || isRelPix(it.ItemKind)) continue;
    take(it.x, it.y);
    if (HasSecondPoint(it.ItemKind)) take(it.x2, it.y2);
  }
}

std::uint32_t TDisplayList::FindUsedLayers() const {
  std::uint32_t set = 0;
  for (const TrcChartItem& it : items_)
    if (it.Layer >= 1 && it.Layer <= 16) set |= 1u << it.Layer;
  return set;
}

int TDisplayList::FindNearestItemReal(double mx, double my, TrcItem id, std::uint8_t c, double& dist) const {
  int result = -1;
  double best = 1.7e308;
  if (id != TrcItem::tkNone)
    for (int i = 0; i < NumItems(); ++i) {
      const TrcChartItem& it = items_[std::size_t(i)];
      if (!Selects(id, it.ItemKind) || (c != 255 && it.ItemClass != c)) continue;
      const double d = (it.x - mx) * (it.x - mx) + (it.y - my) * (it.y - my);
      if (d < best) {
        best = d;
        result = i;
      }
    }
  dist = std::sqrt(best);
  return result;
}

int TDisplayList::FindNearestItemScreen(double mx, double my, TrcItem id, std::uint8_t c, double& dist,
                                        const ToPixel& toPixel) const {
  int result = -1;
  double best = 1.7e308;
  int pmx = 0, pmy = 0;
  toPixel(mx, my, pmx, pmy);
  if (id != TrcItem::tkNone)
    for (int i = 0; i < NumItems(); ++i) {
      const TrcChartItem& it = items_[std::size_t(i)];
      if (!Selects(id, it.ItemKind) || (c != 255 && it.ItemClass != c)) continue;
      int px = 0, py = 0;
      toPixel(it.x, it.y, px, py);
      const double d = double(px - pmx) * (px - pmx) + double(py - pmy) * (py - pmy);
      if (d < best) {
        best = d;
        result = i;
      }
    }
  dist = std::sqrt(best);
  return result;
}

void TDisplayList::LayerDataExtent(int layer, double margin, double minRange, bool logX, bool logY, double& xLo,
                                   double& yLo, double& xHi, double& yHi) const {
  xLo = yLo = 1.7e308;
  xHi = yHi = -1.7e308;
  bool any = false;
  auto take = [&](double x, double y) {
    if (!(logX && x <= 0)) {
      xLo = std::min(xLo, x);
      xHi = std::max(xHi, x);
    }
    if (!(logY && y <= 0)) {
      yLo = std::min(yLo, y);
      yHi = std::max(yHi, y);
    }
  };
  for (const TrcChartItem& it : items_) {
    if (it.Layer != layer) continue;
    any = true;
    if (isRelPix(it.ItemKind)) continue;
    take(it.x, it.y);
    if (HasSecondPoint(it.ItemKind)) take(it.x2, it.y2);
    if (it.ItemKind == TrcItem::tkEllipse) {
      take(it.x - it.x2, it.y - it.y2);
      take(it.x + it.x2, it.y + it.y2);
    }
  }
  if (!any) {
    xLo = yLo = xHi = yHi = 0;
  }
  auto finish = [&](double& lo, double& hi, bool log) {
    if (lo > hi) lo = hi = 0;  // nothing usable on this axis
    const double m = margin / 100;
    if (log && lo > 0) {
      const double r = std::log(hi / lo), lo0 = lo;
      hi = lo0 * std::exp((1 + m) * r);
      lo = lo0 * std::exp(-m * r);
    } else {
      const double d = m * (hi - lo);
      lo -= d;
      hi += d;
    }
    const double c = minRange * std::fabs((lo + hi) / 2) / 100;
    if (c > std::fabs(hi - lo)) {
      lo -= c;
      hi += c;
    }
    if (lo == hi) {
      lo -= 1;
      hi += 1;
    }
  };
  finish(xLo, xHi, logX);
  finish(yLo, yHi, logY);
}

}  // namespace zw

