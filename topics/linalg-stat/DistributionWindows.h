#pragma once
// "Binomialverteilung" and "Hypergeometrische Verteilung": the table of
// P(X = k) with cumulative and interval sums, and the probabilities as
// coloured 3D bars that turn with the depth and angle bars.
#include <array>
#include <cstdint>

#include "topics/linalg-stat/BarChartWindow.h"
#include "topics/linalg-stat/Distributions.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace zw {

// What the two windows share: the k-min and k-max fields with their
// defaults for empty texts, the memo and the bars.
class DistributionWindow : public BarChartWindow {
  Q_OBJECT
public:
  QCheckBox* colourBox() const { return colour_; }
  const DistributionTable& table() const { return table_; }

protected:
  DistributionWindow(QWidget* owner, std::string_view className, int taskLines, bool areaVisible);
  // An edit registered under `key`, its caption in captions_.
  QLineEdit* addEdit(const char* key, char16_t kind);
  // k-min and k-max: an empty k-min takes `kminDefault`, an empty k-max the
  // text of n.
  bool readInputs() override;
  // The memo of the new table; the picture follows.
  void showTable(const QString& head, DistributionTable table, const QString& equals);
  ChartRange chartRange() override;
  void drawFigures(TVIrada& chart) override;
  void graphHints(std::array<QString, 13>&) override {}
  QString trimmed(const char* key) const;
  QLineEdit* edit(const char* key) const;

  QString kminDefault_;
  QCheckBox* colour_ = nullptr;
  std::array<QLabel*, 5> captions_{};
  std::array<QLineEdit*, 5> edits_{};
  int editCount_ = 0;

private:
  DistributionTable table_;
  std::int64_t kmin_ = 0, kmax_ = 0;
  bool computed_ = false;
};

class TFBinVer : public DistributionWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFBinVer";
  explicit TFBinVer(QWidget* owner = nullptr);

protected:
  void layoutInputs() override;
  void compute() override;

private:
  QLabel* hint_ = nullptr;
};

class TFHypVer : public DistributionWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFHypVer";
  explicit TFHypVer(QWidget* owner = nullptr);

protected:
  void layoutInputs() override;
  void compute() override;
};

}  // namespace zw
