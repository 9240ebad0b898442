#pragma once
// A window built only from the form kit, kept as a test fixture: an input
// page, a results page and a chart page laid out at the shell's zoom, the way
// every topic window lays out its pages.
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <vector>

#include "charts/NumLab.h"
#include "shell/kit/Grids.h"
#include "shell/kit/PageLayout.h"

namespace zw::test {

class KitDemoWindow : public QWidget {
public:
  KitDemoWindow();

  // Lays out every page; runs on show and resize.
  void relayout();

  // One page: the page widget and the controls the kit placed on it, each
  // with the container whose rectangle it must stay inside.
  struct Placed {
    QString name;
    QWidget* widget;
    QWidget* container;
  };
  struct DemoPage {
    QWidget* page = nullptr;
    QGroupBox* box = nullptr;
    QGroupBox* legend = nullptr;
    QPushButton *ok = nullptr, *cancel = nullptr, *help = nullptr;
    std::vector<Placed> controls;
  };

  PageControl* tabs;
  DemoPage input, results, chart;

  // Input page.
  QWidget* textPanel;
  QLabel* textLabel;
  QLabel *capA, *capB;
  QLineEdit *editA, *editB;
  QLabel *pointOpen, *pointClose;
  QLineEdit *px, *py, *pz;
  QLabel *circle1, *circle2;
  QLineEdit *cx, *cy, *cr;
  QLabel *line1, *line2, *line3;
  QLineEdit *la, *lb, *lc;
  QLabel *plane1, *plane2, *plane3, *plane4;
  QLineEdit *ea, *eb, *ec, *ed;
  QLabel *arrow, *lineName, *lineParam;
  QLineEdit *p0, *p1, *p2, *u0, *u1, *u2;
  QLabel *head1, *head2, *head3, *head4;
  QLineEdit *from, *to, *step, *digits, *updown;

  // Results page.
  QPlainTextEdit* memo;
  StringGrid* matrix;

  // Chart page.
  QPushButton *aspect, *centre, *settings;
  TNumLab *xReadout, *yReadout;

  // Top of row i (from 1) below the text panel.
  int rowTop(int i) const;

protected:
  void resizeEvent(QResizeEvent*) override;
  void showEvent(QShowEvent*) override;

private:
  DemoPage makePage(const QString& caption);
  template <class W>
  W* add(DemoPage& page, const char* name, QWidget* container);
};

}  // namespace zw::test
