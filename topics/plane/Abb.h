#pragma once
// Mappings of polygons: a polygon of up to 26 corners through a chain of up
// to 36 translations, reflections in a line or a point, rotations, central
// dilations and shears, each applied to the image of the one before; the
// editor's operations on the chain and the list and results texts. Callable
// without a window.
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "kernel/Types.h"

namespace zw {

class TextMeasurer;

enum MappingKind {
  MkNone = 0, MkTranslation = 1, MkLineReflection = 2, MkPointReflection = 3,
  MkRotation = 4, MkDilation = 5, MkShear = 6,
};
inline constexpr int MaxMappings = 36;
inline constexpr int MaxPolygonCorners = 26;

struct Mapping {
  int kind = MkNone;
  // Translation: dx, dy; reflection in a line and shear: the axis through
  // (w1|w2) and (w3|w4), the shear's angle w5; point reflection, rotation and
  // dilation: the centre (w1|w2), the angle in degrees or the factor w3.
  std::array<Extended, 5> w{};
  bool construction = false;  // draw the construction lines
};

// The number of parameters the kind's editor holds.
int ParameterCount(int kind);

// The image of one point. A vertical axis is taken as one of slope 1e100.
TVec2 ApplyMapping(const Mapping& m, const TVec2& p);

// The chain: slots 1 .. count; slot 0 is where "replace" stores while the
// chain is empty (it is no part of the chain).
class MappingChain {
public:
  int count() const { return count_; }
  const Mapping& at(int i) const { return map_[std::size_t(i)]; }
  Mapping& at(int i) { return map_[std::size_t(i)]; }
  // The mapping the editor shows for list line t (1-based): the last one
  // when t is past the end.
  int editorSlot(int t) const { return std::min(t, count_); }
  // Removes mapping t (1 .. count); the later ones move up.
  void remove(int t);
  // Replaces mapping t, or the last one when t is past the end (slot 0 of
  // an empty chain).
  void replace(int t, const Mapping& m);
  // Inserts before mapping t, or appends when t is past the end or below 1;
  // CalcFailure 4 ("Zu viele Eingaben") on a full chain. Returns the slot.
  int insert(int t, const Mapping& m);
  // Turns the construction lines of mapping t on or off (1 .. count only).
  void toggleConstruction(int t);
  // The stored count, clamped to 0 .. 36.
  void setCount(int n);
  void clear();

private:
  std::array<Mapping, MaxMappings + 1> map_{};
  int count_ = 0;
};

// images[m][c]: corner c after mapping m (m = 0: the given corners).
// CalcFailure 21 when an image leaves the range of doubles.
std::vector<std::vector<TVec2>> RunMappings(const MappingChain& chain, const std::vector<TVec2>& corners);

// The list line of mapping i: "3. Drehung: Z(1ǀ2), α=90°", and "  🗹" with
// construction lines; an empty slot as "i: " and thirty blanks.
QString MappingText(int i, const Mapping& m);
// "Urbild", the given corners, then each mapping's line and its image's corners.
QStringList MappingResults(const MappingChain& chain, const std::vector<std::vector<TVec2>>& images);

// Worksheet values: a text that is no number reads as 0 ("," and "."
// both accepted); a kind outside 0 .. 6 reads as 0.
Extended ReadMappingValue(const QString& text);
int ReadMappingKind(const QString& text);
int ReadMappingCount(const QString& text);  // clamped to 0 .. 36
// A parameter as the worksheet stores it (the default real form).
QString MappingValueText(Extended x);

}  // namespace zw
