#include "shell/TopicWindowBase.h"

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

bool deliverCommand(TopicWindowBase* window, TopicCommand command) {
  if (!window || !window->handles(command)) return false;
  switch (command) {
    case WM_LOADWORKSHEET: window->cmdLoad(); break;
    case WM_SAVEWORKSHEET: window->cmdSave(); break;
    case WM_SNAPSHOT: window->cmdSnapshot(); break;
    case WM_PRINTWORKSHEET: window->cmdPrint(); break;
    case WM_CHARTSETTINGS: window->cmdChartSettings(); break;
    case WM_TOPICHELP: window->cmdHelp(); break;
    case WM_NEWWORKSHEET: window->cmdNew(); break;
    case WM_CHARTSETTINGS2: window->cmdChartSettings2(); break;
  }
  return true;
}

}  // namespace zw
