#include "topics/space/SphereDistanceWindow.h"

#include <QLabel>
#include <QLineEdit>

#include "kernel/CheckedInput.h"
#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/kit/InputRows.h"
#include "shell/texts/Texts.h"

namespace zw {

namespace {
// The edits in worksheet order; the names are texts, the angles read by ParseAngle.
const char* const kKeys[7] = {"Radius", "Punkt1", "Latitude1", "Longitude1", "Punkt2", "Latitude2", "Longitude2"};
constexpr int kRadius = 0, kName1 = 1, kName2 = 4;
constexpr int kAngleEdits[4] = {2, 3, 5, 6};

TopicConfig SphereDistanceConfig() {
  TopicConfig c = SpaceConfig(false);
  c.pages = TopicConfig::inputAndResults(2);
  return c;
}
}  // namespace

TFAbstGPS::TFAbstGPS(QWidget* owner) : SpaceWindow(owner, ClassName, SphereDistanceConfig()) {
  QWidget* box = inputArea();
  for (QLabel*& p : panels_) p = new QLabel(box);
  for (int i = 0; i < 7; ++i) edits_[i] = new QLineEdit(box);
  fields().addField(QString::fromLatin1(kKeys[kRadius]), edits_[kRadius], u'p');
  for (int i : kAngleEdits) {
    InputField& f = fields().addField(QString::fromLatin1(kKeys[i]), edits_[i], 0);
    f.longest = QString::fromUtf16(u"-179°59'59.99999\"W");
  }
  for (int i : {kName1, kName2}) {
    QLineEdit* e = edits_[i];
    fields().addText(QString::fromLatin1(kKeys[i]), [e] { return e->text(); }, [e](const QString& t) { e->setText(t); });
  }
  initTopic();
}

void TFAbstGPS::initialValues() {
  edits_[kName1]->setText(GetText(IAbstGPS, 5) + " : ");
  edits_[kName2]->setText(GetText(IAbstGPS, 6) + " : ");
}

QWidget* TFAbstGPS::inputFor(const QString& key) const {
  for (int i = 0; i < 7; ++i)
    if (key.compare(QString::fromLatin1(kKeys[i]), Qt::CaseInsensitive) == 0) return edits_[i];
  return SpaceWindow::inputFor(key);
}

void TFAbstGPS::layoutInputs() {
  const LayoutMetrics& m = metrics();
  const FontTextMeasurer canvas(fonts().TextFont.font);
  const QString radius = GetText(IAbstGPS, 2) + " : ";
  PlaceLabelEdit(panels_[0], edits_[kRadius], m.ColLeft[1], m.RowTop[1], canvas.width(" " + radius) + ScalePixels(4),
                 radius);
  // Three columns of one width from the left margin: names, latitudes, longitudes.
  int width = NumberEditWidth();
  for (int i : kAngleEdits) width = std::max(width, EditWidthFor(fields().field(QString::fromLatin1(kKeys[i]))->longest));
  const int gap = ScalePixels(4);
  const int top = m.RowTop[3];
  PlaceLabel(panels_[1], m.ColLeft[1] + width + gap, top, width, m.RowHeight, GetText(IAbstGPS, 4), fonts().TextFont);
  PlaceLabel(panels_[2], m.ColLeft[1] + 2 * (width + gap), top, width, m.RowHeight, GetText(IAbstGPS, 3),
             fonts().TextFont);
  const int rowStep = m.RowHeight + ScalePixels(4);
  for (int row = 0; row < 2; ++row)
    for (int col = 0; col < 3; ++col)
      edits_[1 + 3 * row + col]->setGeometry(m.ColLeft[1] + col * (width + gap), top + (row + 1) * rowStep, width,
                                             m.RowHeight);
}

bool TFAbstGPS::readInputs() {
  // The first rejected field of the reading order keeps the focus.
  std::int32_t ok = 0;
  ReadValue(edits_[kRadius]->text().trimmed().toStdU16String(), radius_, u'p', ok);
  if (!ok) return rejectInput(edits_[kRadius]);
  for (int k = 0; k < 4; ++k) {
    QLineEdit* e = edits_[kAngleEdits[k]];
    const auto v = ParseAngle(e->text().toStdU16String());
    if (!v) return rejectInput(e);
    angles_[k] = *v;
  }
  return true;
}

void TFAbstGPS::compute() {
  const SpherePoint p1{edits_[kName1]->text(), angles_[0], angles_[1]};
  const SpherePoint p2{edits_[kName2]->text(), angles_[2], angles_[3]};
  const SphereDistanceResult r = ComputeSphereDistance(radius_, p1, p2);
  setMemoLines(SphereDistanceMemoLines(radius_, p1, p2, r, FontTextMeasurer(memoFont())));
}

}  // namespace zw
