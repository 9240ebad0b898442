// The chart-settings dialog: what it shows, what OK applies, what Cancel keeps.
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "tests/topics/TopicTestBase.h"
#include "charts/VIrada.h"
#include "shell/kit/PageLayout.h"
#include "shell/texts/Texts.h"
#include "topics/frame/ChartDialog.h"

namespace zw {
namespace {

class ChartDialogTest : public TopicTestBase {
protected:
  void SetUp() override {
    TopicTestBase::SetUp();
    kernelState().RegionalDecimalSeparator = u'.';
    chart.resize(300, 220);
    chart.Loaded();
    chart.SetRange(1, -10, -10, 10, 10);
    rows.colorList = "5,19,13";
    rows.widthList = "2,3,4";
    rows.minVis = 1;
    rows.maxVis = 3;
  }
  TVIrada chart;
  ChartGraphRows rows;
};

TEST_F(ChartDialogTest, RangeDecimalsBySpan) {
  EXPECT_EQ(RangeDecimals(20), 2);
  EXPECT_EQ(RangeDecimals(0.5), 3);
  EXPECT_EQ(RangeDecimals(2000), 1);
  EXPECT_EQ(RangeDecimals(1e9), 1);
  chart.SetRange(1, 0, 0, 0.5, 1);
  const ChartSettingsValues v = ReadChartSettings(chart);
  EXPECT_EQ(v.xHi, "0.5");
  EXPECT_EQ(v.printFactor, "100 %");
}

TEST_F(ChartDialogTest, LogarithmicRuleAndEmptyEdits) {
  struct Case { QString lo, hi; int axis; double expLo, expHi; } cases[] = {
      {"-5", "5", 1, 0.1, 5}, {"-5", "0", 1, 0.1, 10}, {"", "7", 0, 0, 7}, {"abc", "#", 0, -10, 10},
  };
  for (const Case& c : cases) {
    ChartSettingsValues v = ReadChartSettings(chart);
    v.xLo = c.lo, v.xHi = c.hi, v.xAxis = c.axis;
    ApplyChartSettings(chart, v);
    EXPECT_DOUBLE_EQ(chart.Layers().X(1).RangeLow(), c.expLo) << c.lo.toStdString();
    EXPECT_DOUBLE_EQ(chart.Layers().X(1).RangeHigh(), c.expHi) << c.hi.toStdString();
    EXPECT_EQ(chart.Layers().X(1).Logarithmic(), c.axis == 1);
    EXPECT_EQ(shellState().ChartLogX, c.axis == 1);
  }
}

TEST_F(ChartDialogTest, ALogAxisTurningLinearTakesTheTypedEnds) {
  ChartSettingsValues v = ReadChartSettings(chart);
  v.xLo = "1", v.xHi = "100", v.xAxis = 1;
  ApplyChartSettings(chart, v);
  ASSERT_TRUE(chart.Layers().X(1).Logarithmic());
  v.xLo = "-5", v.xHi = "5", v.xAxis = 0;
  ApplyChartSettings(chart, v);
  EXPECT_FALSE(chart.Layers().X(1).Logarithmic());
  EXPECT_EQ(chart.Layers().X(1).RangeLow(), -5);
  EXPECT_EQ(chart.Layers().X(1).RangeHigh(), 5);
}

TEST_F(ChartDialogTest, OkAppliesAndWritesTheListsBack) {
  TFFormChart dlg;
  EXPECT_EQ(dlg.windowTitle(), "Einstellungen");
  dlg.runModal = [](TFFormChart* d) {
    d->xFromEdit->setText("-3");
    d->gridStyleGroup->button(1)->click();
    d->autoGridBox->setChecked(false);
    d->dxEdit->setText("2");
    d->rowColorButtons[2]->click();
    EXPECT_FALSE(d->paletteGroup->isHidden());
    d->swatches[7]->click();
    d->rowWidthEdits[3]->setText("9");
    emit d->rowWidthEdits[3]->editingFinished();
    d->okButtons[2]->click();
    return 1;
  };
  EXPECT_TRUE(dlg.SetGrid(chart, rows));
  EXPECT_EQ(chart.Layers().X(1).RangeLow(), -3);
  EXPECT_EQ(chart.GridStyle(), GridStyleType::gsPoints);
  EXPECT_EQ(chart.GridDx(), 2);
  EXPECT_FALSE(shellState().ChartGridAuto);
  EXPECT_EQ(rows.colorList, "5,7,13");
  EXPECT_EQ(rows.widthList, "2,3,9");  // exactly the three rows
}

TEST_F(ChartDialogTest, CancelKeepsTheChartButNotTheImmediateOptions) {
  TFFormChart dlg;
  dlg.runModal = [](TFFormChart* d) {
    d->xFromEdit->setText("-3");
    d->printFactorBox->setCurrentIndex(5);  // "50 %"
    d->resolutionGroup->button(3)->click();
    d->rowColorButtons[1]->click();
    d->swatches[7]->click();
    d->cancelButtons[0]->click();
    return 0;
  };
  EXPECT_FALSE(dlg.SetGrid(chart, rows));
  EXPECT_EQ(chart.Layers().X(1).RangeLow(), -10);
  EXPECT_DOUBLE_EQ(shellState().PrintScale, 0.5);
  EXPECT_EQ(shellState().ChartResolution, 3);
  EXPECT_EQ(rows.colorList, "5,19,13");
}

TEST_F(ChartDialogTest, BadWidthKeepsTheOldValueAndTheFocus) {
  TFFormChart dlg;
  dlg.showRows(rows);
  dlg.show();
  dlg.tabs->setCurrentIndex(2);
  dlg.rowWidthEdits[1]->setFocus();
  dlg.rowWidthEdits[1]->setText("300");
  emit dlg.rowWidthEdits[1]->editingFinished();
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_EQ(errors_[0], GetMessageText(22));
  EXPECT_EQ(dlg.rowWidth(1), 2);
  EXPECT_EQ(dlg.rowWidthEdits[1]->text(), "2");
  dlg.rowWidthEdits[1]->setText("x");
  emit dlg.rowWidthEdits[1]->editingFinished();
  EXPECT_EQ(errors_.size(), 2u);
}

TEST_F(ChartDialogTest, ResetButtonsAndAreaRow) {
  rows.areaVis = true;
  rows.areaColor = 9;
  TFFormChart dlg;
  dlg.showRows(rows);
  EXPECT_FALSE(dlg.rowShown(0));  // MinVis 1: no area row
  dlg.rowColorButtons[1]->click();
  dlg.swatches[30]->click();
  dlg.resetColors(true);
  EXPECT_EQ(dlg.rowColor(3), 30);
  dlg.resetColors(false);
  EXPECT_EQ(dlg.rowColor(1), 5);
  EXPECT_EQ(dlg.rowColor(2), 19);
  dlg.rowWidthEdits[1]->setText("7");
  emit dlg.rowWidthEdits[1]->editingFinished();
  dlg.resetWidths(true);
  EXPECT_EQ(dlg.rowWidth(2), 7);
  dlg.runModal = [](TFFormChart* d) {
    d->okButtons[0]->click();
    return 1;
  };
  rows.areaColor = 9;
  dlg.SetGrid(chart, rows);
  EXPECT_EQ(rows.areaColor, 9);  // not written back without the area row
  // With the area row: its colour and border come back with the graphs.
  rows.minVis = 0;
  rows.areaWidth = 1;
  dlg.runModal = [](TFFormChart* d) {
    d->rowColorButtons[0]->click();
    d->swatches[12]->click();
    d->rowWidthEdits[0]->setText("3");
    emit d->rowWidthEdits[0]->editingFinished();
    d->okButtons[2]->click();
    return 1;
  };
  ASSERT_TRUE(dlg.SetGrid(chart, rows));
  EXPECT_EQ(rows.areaColor, 12);
  EXPECT_EQ(rows.areaWidth, 3);
}

TEST_F(ChartDialogTest, RowsShowTheirHintsAndOnlyTheTopicsRows) {
  rows.minVis = 2;
  rows.maxVis = 4;
  rows.hints[2] = "Kreis k";
  rows.hints[4] = "Gerade g";
  TFFormChart dlg;
  QStringList seen;
  dlg.runModal = [&](TFFormChart* d) {
    for (int i = 0; i <= 5; ++i)
      seen << (!d->rowColorButtons[i]->isHidden() ? d->rowColorButtons[i]->toolTip() + "|" + d->rowWidthEdits[i]->toolTip() : "-");
    return 0;
  };
  dlg.SetGrid(chart, rows);
  EXPECT_EQ(seen, QStringList({"-", "-", "Kreis k|Kreis k", "|", "Gerade g|Gerade g", "-"}));
}

}  // namespace
}  // namespace zw
