#pragma once
// The common set-up of the topic-window tests: a fresh shell state at zoom
// 100 in German, a temporary data folder, and error boxes recorded instead
// of shown.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "kernel/KernelState.h"
#include "platform/folders/Folders.h"
#include "shell/Metrics.h"
#include "shell/State.h"
#include "shell/catalogue/TopicRegistry.h"
#include "shell/commands/Commands.h"
#include "topics/frame/TopicWindow.h"

namespace zw {

class TopicTestBase : public ::testing::Test {
protected:
  void SetUp() override {
    resetShellState();
    applyZoom(100);
    kernelState().reset();
    shellState().DataFolder = withSeparator(dir_.path());
    resetCommandUi();
    commandUi().error = [this](QWidget*, const QString& text) { errors_.push_back(text); };
  }
  void TearDown() override {
    resetCommandUi();
    resetShellState();
  }
  // A topic window the test owns, shown offscreen.
  template <typename W>
  static std::unique_ptr<W> openTopic() {
    auto w = std::make_unique<W>();
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    w->show();
    return w;
  }
  // The registered windows (of the area the test program registers) whose
  // input page scrolls sideways at the default size: when just opened, and
  // after the window was widened and given its default size back (a row
  // that follows the window's width must not widen the window).
  static QStringList windowsScrollingSideways() {
    QStringList found;
    for (const TopicClassInfo& c : topicClasses()) {
      if (!hasTopicFactory(c.className)) continue;
      std::unique_ptr<QWidget> w(createTopicWindow(c.className, nullptr));
      auto* scroll = w->findChild<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly);
      if (!scroll) continue;  // the calculators have no pages
      w->setAttribute(Qt::WA_DeleteOnClose, false);
      w->show();
      const QSize size = w->size();
      QApplication::processEvents();
      const bool atOpen = scroll->horizontalScrollBar()->maximum() > 0;
      w->resize(size + QSize(300, 100));
      QApplication::processEvents();
      w->resize(size);
      QApplication::processEvents();
      if (atOpen || scroll->horizontalScrollBar()->maximum() > 0)
        found << QString::fromUtf8(c.className.data(), qsizetype(c.className.size()));
    }
    return found;
  }
  // The edit of the field with `key`.
  static QLineEdit* edit(TopicWindow& w, const char* key) {
    return w.fields().fields()[std::size_t(w.fields().indexOf(QString::fromLatin1(key)))].edit;
  }
  // Empties every field, then types the given values.
  static void fill(TopicWindow& w, std::initializer_list<std::pair<const char*, const char*>> values) {
    for (const InputField& f : w.fields().fields())
      if (f.edit) f.edit->clear();
    for (auto [k, v] : values) edit(w, k)->setText(QString::fromUtf8(v));
  }
  // Whether the memo holds s.
  static bool memoHas(TopicWindow& w, const QString& s) { return w.memoLines().join('\n').contains(s); }
  QString file(const QString& name) const { return joinPath(dir_.path(), name); }
  // Makes the print dialog answer OK with the printer writing a PDF file of
  // the data folder; returns its path.
  QString printToPdf(const QString& name) {
    const QString path = file(name);
    commandUi().printDialog = [path](QWidget*, QPrinter& printer) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(path);
      return true;
    };
    return path;
  }

  QTemporaryDir dir_;
  std::vector<QString> errors_;  // the texts of the error boxes, in order
};

}  // namespace zw
