#pragma once
// The common set-up of the topic-window tests: a fresh shell state at zoom
// 100 in German, a temporary data folder, and error boxes recorded instead
// of shown.
#include <gtest/gtest.h>

#include <QPrinter>
#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "kernel/KernelState.h"
#include "platform/folders/Folders.h"
#include "shell/Metrics.h"
#include "shell/State.h"
#include "shell/commands/Commands.h"

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
