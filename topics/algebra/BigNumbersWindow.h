#pragma once
// The big-number topic: the four operations on a and b, tables of powers,
// factorials and combinations, all appended to one memo.
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <memory>

#include "kernel/BigInt.h"
#include "topics/algebra/BigNumbers.h"
#include "topics/frame/TopicWindow.h"

namespace zw {

class TFBigInt : public TopicWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFBigInt";
  explicit TFBigInt(QWidget* owner = nullptr);

  enum Button {
    BtnAdd, BtnSub, BtnMult, BtnDiv, BtnPot10, BtnPot2, BtnPot, BtnFak, BtnBino, BtnnPr,
    BtnCopyToa, BtnCopyTob, BtnCopyrTob, BtnSwap, BtnCLE, BtnCLR, BtnDEL, BtnReset, ButtonCount
  };
  QPushButton* button(Button b) const { return buttons_[static_cast<std::size_t>(b)]; }
  QLineEdit* edit(int field) const { return edits_[static_cast<std::size_t>(field)]; }
  QCheckBox* groupA() const { return cba_; }
  QCheckBox* groupB() const { return cbb_; }
  QCheckBox* groupResult() const { return cbc_; }
  QCheckBox* shortForm() const { return cbSci_; }
  QRadioButton* operationItem(int i) const { return items_[static_cast<std::size_t>(i)]; }
  // The heads of the range columns: from, to, step.
  QLabel* rangeHead(int j) const { return heads_[static_cast<std::size_t>(j)]; }

protected:
  void layoutInputs() override;
  void compute() override;

private:
  void clicked(Button b);
  // The operation on a and b and its lines; a division shows the wait line
  // first and writes its lines at the next turn of the event loop. With
  // resultToA, c goes into a once it is there.
  void operation(BigOp op, bool resultToA = false);
  // Removes the memo's last line when it is this one.
  void removeLastLine(const QString& line);
  void table(BigTable t);
  void regroup(QLineEdit* e, QCheckBox* box);
  // The result options of the check boxes, as a line or a table starts.
  BigIntTextOptions textOptions() const;
  void appendLines(const QStringList& lines);
  void setMemoText(const QString& text);

  std::array<QLineEdit*, 8> edits_{};
  std::array<QLabel*, 2> opCaptions_{};
  std::array<QLabel*, 2> rangeCaptions_{};
  std::array<QLabel*, 3> heads_{};
  QCheckBox* cba_;
  QCheckBox* cbb_;
  QCheckBox* cbc_;
  QCheckBox* cbSci_;
  QGroupBox* radioBox_;
  QButtonGroup itemGroup_;
  std::array<QRadioButton*, 4> items_{};
  QGroupBox* keys_;
  std::array<QPushButton*, ButtonCount> buttons_{};
  std::unique_ptr<TBigInt> a_, b_, c_, r_;
};

// The topic's text page in German, English and French (called by
// RegisterAlgebraTopics).
void RegisterBigNumbersTexts();

}  // namespace zw
