#pragma once
// Stands in for a topic window that is not built yet: it has the class name,
// title and default size of the real window, says that the topic is not
// available yet, and records the commands it received.
#include <QLabel>
#include <QStringList>
#include <vector>

#include "shell/TopicWindowBase.h"

namespace zw {

struct TopicClassInfo;

class PlaceholderTopicWindow : public TopicWindowBase {
  Q_OBJECT
public:
  PlaceholderTopicWindow(QWidget* owner, const TopicClassInfo& info);

  const std::vector<TopicCommand>& receivedCommands() const { return received_; }
  // The files of the Load, Save and New commands received, in order.
  const QStringList& receivedFiles() const { return files_; }
  QString noticeText() const;

  void relayout() override;

  void cmdLoad(const QString& file) override { record(WM_LOADWORKSHEET, file); }
  void cmdSave(const QString& file) override { record(WM_SAVEWORKSHEET, file); }
  void cmdSnapshot() override { received_.push_back(WM_SNAPSHOT); }
  void cmdPrint() override { received_.push_back(WM_PRINTWORKSHEET); }
  void cmdChartSettings() override { received_.push_back(WM_CHARTSETTINGS); }
  void cmdChartSettings2() override { received_.push_back(WM_CHARTSETTINGS2); }
  // The topic's web help page exists before the topic does.
  void cmdHelp() override;
  void cmdNew(const QString& file) override { record(WM_NEWWORKSHEET, file); }

protected:
  void resizeEvent(QResizeEvent* event) override;

private:
  void record(TopicCommand command, const QString& file) {
    received_.push_back(command);
    files_.append(file);
  }
  QLabel* notice_;
  QStringList files_;
  std::vector<TopicCommand> received_;
};

}  // namespace zw
