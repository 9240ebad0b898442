// The lights-out game, the about box and the pictures decoded by our own code.
#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <random>
#include <vector>
#include <zlib.h>

#include "platform/desktop/Desktop.h"
#include "shell/State.h"
#include "tests/shell/mainwindow_mouse.h"
#include "shell/about/AboutBox.h"
#include "shell/about/FlipFlopDialog.h"
#include "shell/about/LightsOut.h"
#include "shell/about/PngImage.h"
#include "shell/mainwindow/JpegImage.h"
#include "shell/texts/LanguageFiles.h"
#include "shell/texts/Texts.h"

namespace zw {
namespace {

using Cell = LightsOutBoard::Cell;

std::vector<int> whiteCells(const LightsOutBoard& b) {
  std::vector<int> out;
  for (int r = 1; r <= 4; ++r)
    for (int c = 1; c <= 4; ++c)
      if (b.cell(10 * r + c) == Cell::White) out.push_back(10 * r + c);
  return out;
}

TEST(LightsOut, APressTogglesTheCellAndItsNeighboursWithoutWrapping) {
  struct Case { int cell; std::vector<int> toggled; };
  const Case cases[] = {
      {11, {11, 12, 21}},               // corner
      {44, {34, 43, 44}},               // corner
      {14, {13, 14, 24}},               // corner: 15 is no cell
      {12, {11, 12, 13, 22}},           // edge
      {31, {21, 31, 32, 41}},           // edge: 30 is no cell
      {23, {13, 22, 23, 24, 33}},       // inner
  };
  for (const Case& c : cases) {
    LightsOutBoard b;
    b.press(c.cell);
    EXPECT_EQ(whiteCells(b), c.toggled) << c.cell;
    b.press(c.cell);
    EXPECT_TRUE(whiteCells(b).empty()) << "a second press restores, cell " << c.cell;
  }
}

TEST(LightsOut, NumbersThatAreNoCellAreIgnored) {
  for (int n : {0, 10, 15, 20, 45, 50, 55, -11, 5, 100}) {
    EXPECT_FALSE(LightsOutBoard::isCellNumber(n)) << n;
    LightsOutBoard b;
    b.toggleCellAt(n);
    EXPECT_TRUE(whiteCells(b).empty()) << n;
  }
}

TEST(LightsOut, SolvedInEitherColour) {
  LightsOutBoard b;
  EXPECT_TRUE(b.solved());
  b.toggleCellAt(32);
  EXPECT_FALSE(b.solved());
  for (int r = 1; r <= 4; ++r)
    for (int c = 1; c <= 4; ++c)
      if (10 * r + c != 32) b.toggleCellAt(10 * r + c);
  EXPECT_TRUE(b.solved());
  EXPECT_EQ(whiteCells(b).size(), 16u);
}

TEST(LightsOut, ADealIsAlwaysSolvable) {
  // Every dealt position is a sum of presses, so pressing the same cells again
  // (the deal's record) solves it; check with a seeded generator.
  std::mt19937 rng(7), replay(7);
  LightsOutBoard b;
  b.deal(rng);
  std::uniform_int_distribution<int> pick(0, 3);
  for (int i = 0; i < 100; ++i) {
    const int a = pick(replay), c = pick(replay);
    b.press(10 * a + c + 11);
  }
  EXPECT_TRUE(whiteCells(b).empty());
}

class GameWindow : public ::testing::Test {
protected:
  void SetUp() override {
    resetShellState();
    clearLanguageFiles();
  }
  void TearDown() override { resetShellState(); }
};

TEST_F(GameWindow, ClicksPlayAndTheSolvedBoardEnablesNewGame) {
  TFlipFlop game(nullptr);
  game.newGame();
  EXPECT_FALSE(game.newGameButton()->isEnabled());
  LightsOutBoard start;
  start.press(22);
  game.setBoard(start);
  // A click on a cell widget reaches the board.
  testing::click(game.cellWidget(22), Qt::LeftButton);
  EXPECT_TRUE(game.board().solved());
  EXPECT_TRUE(game.newGameButton()->isEnabled());

  // All white counts as solved too.
  LightsOutBoard white;
  for (int r = 1; r <= 4; ++r)
    for (int c = 1; c <= 4; ++c) white.toggleCellAt(10 * r + c);
  white.press(41);
  game.newGame();
  game.setBoard(white);
  game.clickCell(41);
  EXPECT_EQ(whiteCells(game.board()).size(), 16u);
  EXPECT_TRUE(game.newGameButton()->isEnabled());

  EXPECT_EQ(game.cellWidget(34)->geometry(), QRect(56 + 40 * 3, 72 + 40 * 2, 40, 40));
  EXPECT_EQ(game.newGameButton()->geometry(), QRect(56, 238, 160, 25));
}

TEST_F(GameWindow, TextsAreSpacedInTheBuiltInLanguagesAndPlainEnglishElsewhere) {
  shellState().LanguageKind = 0;
  EXPECT_EQ(TFlipFlop::instructionText(4), QStringLiteral(" Neues Spiel "));
  shellState().LanguageKind = 4;  // an external language (empty slot)
  for (int item = 1; item <= 4; ++item) EXPECT_EQ(TFlipFlop::instructionText(item), EnglishText(IFlipFlop, item));
}

TEST(Pictures, ShippedPicturesDecode) {
  QFile png(QStringLiteral(":/pictures/program.png"));
  ASSERT_TRUE(png.open(QIODevice::ReadOnly));
  const QImage icon = decodePng(png.readAll());
  ASSERT_FALSE(icon.isNull());
  EXPECT_EQ(icon.size(), QSize(128, 128));
  EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);         // transparent corner
  EXPECT_EQ(qAlpha(icon.pixel(64, 12)), 255);     // the opaque badge
  for (const char* name : {"tile_algebra.jpg", "tile_geometry2d.jpg", "tile_geometry3d.jpg", "tile_analysis.jpg",
                           "tile_stochastics.jpg", "tile_linearalgebra.jpg"}) {
    QFile jpg(QStringLiteral(":/pictures/") + QLatin1String(name));
    ASSERT_TRUE(jpg.open(QIODevice::ReadOnly)) << name;
    EXPECT_EQ(decodeJpeg(jpg.readAll()).size(), QSize(442, 416)) << name;
  }
}

QByteArray chunk(const char* type, const QByteArray& body) {
  QByteArray out;
  const quint32 n = body.size();
  out.append(char(n >> 24)).append(char(n >> 16)).append(char(n >> 8)).append(char(n));
  QByteArray typed = QByteArray(type, 4) + body;
  out += typed;
  const quint32 crc = crc32(0, reinterpret_cast<const Bytef*>(typed.constData()), typed.size());
  out.append(char(crc >> 24)).append(char(crc >> 16)).append(char(crc >> 8)).append(char(crc));
  return out;
}

// A 2 x 5 RGB picture whose rows use the filters 0..4.
QByteArray filteredPng() {
  QByteArray raw;
  const unsigned char rows[5][7] = {
      {0, 10, 20, 30, 40, 50, 60},   // None
      {1, 5, 5, 5, 10, 10, 10},      // Sub: 5,5,5 then 15,15,15
      {2, 1, 2, 3, 1, 2, 3},         // Up: previous row + 1,2,3
      {3, 100, 100, 100, 0, 0, 0},   // Average
      {4, 1, 1, 1, 1, 1, 1},         // Paeth
  };
  for (const auto& r : rows) raw.append(reinterpret_cast<const char*>(r), 7);
  QByteArray packed(compressBound(raw.size()), 0);
  uLongf size = packed.size();
  compress(reinterpret_cast<Bytef*>(packed.data()), &size, reinterpret_cast<const Bytef*>(raw.constData()), raw.size());
  packed.resize(size);
  QByteArray ihdr;
  ihdr.append(QByteArray::fromHex("00000002000000050802000000"));
  return QByteArray::fromHex("89504e470d0a1a0a") + chunk("IHDR", ihdr) + chunk("IDAT", packed) +
         chunk("IEND", {});
}

TEST(Pictures, PngRowFilters) {
  const QImage img = decodePng(filteredPng());
  ASSERT_EQ(img.size(), QSize(2, 5));
  EXPECT_EQ(img.pixel(0, 0), qRgb(10, 20, 30));
  EXPECT_EQ(img.pixel(1, 0), qRgb(40, 50, 60));
  EXPECT_EQ(img.pixel(1, 1), qRgb(15, 15, 15));
  EXPECT_EQ(img.pixel(0, 2), qRgb(6, 7, 8));
  EXPECT_EQ(img.pixel(1, 2), qRgb(16, 17, 18));
  EXPECT_EQ(img.pixel(0, 3), qRgb(100 + 3, 100 + 3, 100 + 4));   // (0 + up) / 2
  EXPECT_EQ(img.pixel(1, 3), qRgb((103 + 16) / 2, (103 + 17) / 2, (104 + 18) / 2));
  // Paeth picks "up" in both pixels of the last row.
  EXPECT_EQ(img.pixel(0, 4), qRgb(104, 104, 105));
  EXPECT_EQ(img.pixel(1, 4), qRgb(60, 61, 62));
}

TEST(Pictures, DamagedDataGivesANullImage) {
  QByteArray png = filteredPng();
  QByteArray badCrc = png;
  badCrc[30] = char(badCrc[30] ^ 0x40);
  for (const QByteArray& bad : {QByteArray(), QByteArray("not a picture"), png.left(40), badCrc})
    EXPECT_TRUE(decodePng(bad).isNull());

  QFile jpg(QStringLiteral(":/pictures/tile_analysis.jpg"));
  ASSERT_TRUE(jpg.open(QIODevice::ReadOnly));
  const QByteArray data = jpg.readAll();
  EXPECT_TRUE(decodeJpeg(QByteArray("\xff\xd8garbage", 9)).isNull());
  EXPECT_TRUE(decodeJpeg(QByteArray()).isNull());
  decodeJpeg(data.left(data.size() / 3));  // truncated: whatever it gives, it returns
}

class AboutBox : public ::testing::Test {
protected:
  void SetUp() override {
    resetShellState();
    shellState().Zoom = 100;
  }
  void TearDown() override { resetShellState(); }
  RecordingDesktopServices desk;
  ScopedDesktopServices use{desk};
};

TEST_F(AboutBox, LinesAndLinks) {
  TFInfo box(nullptr);
  EXPECT_EQ(box.size(), QSize(360, 360));
  EXPECT_EQ(box.versionLabel()->text(), GetText(IHelp, 7) + QStringLiteral("  10.0"));
  EXPECT_EQ(box.mailLabel()->text(), GetText(IHelp, 6) + QStringLiteral(": ") + QLatin1String(kContact.mail));
  EXPECT_EQ(box.okButton()->geometry(), QRect(140, 290, 80, 30));

  testing::click(box.mailLabel(), Qt::LeftButton);
  testing::click(box.webLabel(), Qt::LeftButton);
  box.cmdHelp();
  ASSERT_EQ(desk.calls.size(), 3u);
  EXPECT_EQ(desk.calls[0].kind, DesktopCall::OpenMail);
  EXPECT_EQ(desk.calls[0].target, mailLink(QLatin1String(kContact.mail), QStringLiteral("Zahlwerk")));
  EXPECT_EQ(desk.calls[1].target, QLatin1String(kContact.web));
  EXPECT_TRUE(desk.calls[2].target.endsWith(QLatin1String("000-Content.html")));
  // The contact lines are placeholders on a reserved domain.
  EXPECT_TRUE(QLatin1String(kContact.mail).endsWith(QLatin1String(".example")));
}

}  // namespace
}  // namespace zw
