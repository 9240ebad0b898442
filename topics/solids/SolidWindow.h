#pragma once
// What the ten solid windows share: one caption-and-field row per quantity
// in the left column (the captions of the sketched quantities in their
// graph colours), the sketch beside the rows that follows the typing, and
// the rotatable 3D view on the picture page, which a click recentres.
#include <QImage>
#include <QString>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "topics/frame/TopicWindow.h"
#include "topics/solids/SolidSketches.h"

class QLabel;
class QLineEdit;
class QPainter;

namespace zw {

class TRot3D;
class View3DPicture;

// One quantity field.
struct SolidRow {
  QString key;       // worksheet key
  char16_t kind;     // ReadValue kind letter
  int layoutRow;     // row 1 .. 7 below the task text
  int colour;        // graph colour of its caption (1 .. 4), 0 for none
};

class SolidWindow : public TopicWindow {
  Q_OBJECT
public:
  ~SolidWindow() override;
  QLineEdit* edit(int i) const { return edits_[static_cast<std::size_t>(i)]; }
  QLabel* caption(int i) const { return captions_[static_cast<std::size_t>(i)]; }
  int rowCount() const { return static_cast<int>(edits_.size()); }
  QLabel* sketch() const { return sketch_; }
  // The 3D view of the picture page, or null (the sphere has none).
  TRot3D* view() const { return view_; }

protected:
  // Pages Eingabe / Ergebnisse / Grafik with a 3D view, or Eingabe /
  // Ergebnisse without one; captions come from items 2, 3, ... of the page.
  SolidWindow(QWidget* owner, std::string_view className, std::span<const SolidRow> rows, bool withView,
              SharedFontId memoFont = SharedFontId::TextFont2);

  // Typing in field i redraws the sketch.
  void sketchFollows(int i);
  // The sketch's square: at the first field's top (or `firstRow`'s), as high
  // as the rows down to the last field, beside the fields.
  void layoutInputs() override;
  void layoutPage(int index) override;
  TopicPicture* picture() override;
  // The sketch into a square of in.side pixels.
  virtual void drawSketch(QPainter& p, const SketchInput& in) = 0;
  // What the sketch shows beyond the filled fields (the prism's vertex count).
  virtual int sketchVertices() const { return 3; }
  // The row the sketch starts at (the prism puts its spinner above it).
  virtual int sketchFirstRow() const { return 0; }
  // The left edge of the sketch column (after layoutInputs placed the rows).
  int sketchLeft() const;
  void updateSketch();
  QString captionOf(int i) const;
  // The values of the last reading, by row.
  Quantities readValues() const;

private:
  std::vector<QLineEdit*> edits_;
  std::vector<QLabel*> captions_;
  std::vector<int> colours_;
  std::vector<int> layoutRows_;
  QLabel* sketch_ = nullptr;
  TRot3D* view_ = nullptr;
  std::unique_ptr<View3DPicture> picture_;
  // What the sketch shows now, so that it is drawn only when that changes.
  SketchInput shown_;
};

}  // namespace zw
