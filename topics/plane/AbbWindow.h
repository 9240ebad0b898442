#pragma once
// "Abbilden von Vielecken": a polygon of up to 26 corners through a chain of
// up to 36 mappings built in an editor; every image listed and drawn, with
// construction lines for the mappings that ask for them.
#include <QStringList>
#include <array>
#include <vector>

#include "topics/frame/ChartPage.h"
#include "topics/plane/Abb.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace zw {

class StringGrid;

// The chart of a mapping run: construction lines of the flagged mappings in
// silver (the axes of reflections and shears in red), then every polygon in
// graph (m mod 12) + 1. `r` is the radius unit of the construction arcs.
void DrawMappings(TVIrada& chart, const MappingChain& chain, const std::vector<std::vector<TVec2>>& images,
                  const GraphPens& pens, Extended r);

// The mapping editor: the kind's radio buttons, one group of fields per
// kind, the chain's buttons, the construction check box and the list.
class MappingEditor : public QObject {
  Q_OBJECT
public:
  explicit MappingEditor(QWidget* parent);
  int kind() const;  // 1 .. 6
  void selectKind(int kind);
  // The fields of the kind shown; a field that is no number, or an axis
  // through one point, is refused (InputRejected names no key: `bad` is set).
  bool read(Mapping& out, QWidget*& bad) const;
  void show(const Mapping& m);
  void retranslate();

  QButtonGroup* kinds = nullptr;
  QGroupBox* kindBox = nullptr;
  std::array<QRadioButton*, 6> kindButtons{};
  std::array<QGroupBox*, 6> groups{};
  QLineEdit *dx = nullptr, *dy = nullptr, *angle = nullptr, *factor = nullptr, *shearAngle = nullptr;
  StringGrid *axis = nullptr, *reflectCentre = nullptr, *rotateCentre = nullptr, *dilateCentre = nullptr,
             *shearAxis = nullptr;
  QPushButton *cut = nullptr, *copy = nullptr, *paste = nullptr, *insert = nullptr;
  QCheckBox* construction = nullptr;
  QPlainTextEdit* list = nullptr;
};

class TFAbb : public ChartTopicWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFAbb";
  explicit TFAbb(QWidget* owner = nullptr);
  ~TFAbb() override;
  StringGrid* grid() const { return grid_; }
  MappingEditor& editor() const { return *editor_; }
  const MappingChain& chain() const { return chain_; }
  const std::vector<std::vector<TVec2>>& images() const { return images_; }
  // The list line of the caret (0-based).
  int listLine() const { return lineNr_; }
  void setListLine(int line);

  // The editor's buttons.
  void copyMapping();
  void cutMapping();
  void replaceMapping();
  void insertMapping();

protected:
  void layoutInputs() override;
  bool readInputs() override;
  void compute() override;
  void enterChartPage(int index) override;
  void initialValues() override;
  void afterLoad() override;
  ChartRange chartRange() override;
  void drawFigures(TVIrada& chart) override;
  void graphHints(std::array<QString, 13>& hints) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void showList();
  void runChain();

  StringGrid* grid_ = nullptr;
  MappingEditor* editor_ = nullptr;
  MappingChain chain_;
  std::vector<TVec2> corners_;
  std::vector<std::vector<TVec2>> images_;
  int lineNr_ = 1;
};

}  // namespace zw
