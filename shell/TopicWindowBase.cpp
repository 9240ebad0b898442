#include "shell/TopicWindowBase.h"

#include <QPointer>

#include "shell/Guard.h"
#include "shell/catalogue/TopicRegistry.h"

namespace zw {

std::optional<TopicCommand> topicCommandFromNumber(int number) {
  switch (number) {
    case WM_LOADWORKSHEET:
    case WM_SAVEWORKSHEET:
    case WM_SNAPSHOT:
    case WM_PRINTWORKSHEET:
    case WM_CHARTSETTINGS:
    case WM_TOPICHELP:
    case WM_NEWWORKSHEET:
    case WM_CHARTSETTINGS2:
      return static_cast<TopicCommand>(number);
    default:
      return std::nullopt;
  }
}

TopicWindowBase::TopicWindowBase(QWidget* owner, std::string_view className)
    : QWidget(owner), info_(findTopicClass(className)) {
  setObjectName(QString::fromLatin1(className.data(), static_cast<qsizetype>(className.size())));
  setAttribute(Qt::WA_DeleteOnClose);
}

TopicWindowBase::~TopicWindowBase() = default;

QString TopicWindowBase::className() const { return objectName(); }

TTextIndex TopicWindowBase::textPage() const { return info_ ? info_->page : IVorlage; }

bool TopicWindowBase::handles(TopicCommand command) const {
  return info_ && info_->handles.contains(command);
}

bool deliverCommand(TopicWindowBase* window, TopicCommand command, const QString& file) {
  if (!window || !window->handles(command)) return false;
  QPointer<TopicWindowBase> w(window);
  RunGuarded(window, [&] {
    switch (command) {
      case WM_LOADWORKSHEET: w->cmdLoad(file); break;
      case WM_SAVEWORKSHEET: w->cmdSave(file); break;
      case WM_SNAPSHOT: w->cmdSnapshot(); break;
      case WM_PRINTWORKSHEET: w->cmdPrint(); break;
      case WM_CHARTSETTINGS: w->cmdChartSettings(); break;
      case WM_TOPICHELP: w->cmdHelp(); break;
      case WM_NEWWORKSHEET: w->cmdNew(file); break;
      case WM_CHARTSETTINGS2: w->cmdChartSettings2(); break;
    }
  });
  return true;
}

}  // namespace zw
