#include "shell/catalogue/PlaceholderTopicWindow.h"

#include <QResizeEvent>

#include "shell/Fonts.h"
#include "shell/State.h"
#include "shell/catalogue/TopicRegistry.h"
#include "shell/help/Help.h"
#include "shell/kit/PageLayout.h"
#include "shell/texts/Texts.h"

namespace zw {

PlaceholderTopicWindow::PlaceholderTopicWindow(QWidget* owner, const TopicClassInfo& info)
    : TopicWindowBase(owner, info.className), notice_(new QLabel(this)) {
  notice_->setAlignment(Qt::AlignCenter);
  notice_->setWordWrap(true);
  QSize size;
  DefaultFormSize(textPage(), size);
  resize(size);
  relayout();
}

QString PlaceholderTopicWindow::noticeText() const {
  // A passing stand-in with no text page of its own: the built-in languages
  // get their own sentence, the external ones the English one.
  switch (shellState().LanguageKind) {
    case 0: return QStringLiteral("Dieses Thema ist noch nicht verf\u00fcgbar.");
    case 2: return QStringLiteral("Ce sujet n\u2019est pas encore disponible.");
    default: return QStringLiteral("This topic is not available yet.");
  }
}

void PlaceholderTopicWindow::cmdHelp() {
  received_.push_back(WM_TOPICHELP);
  ShowWebHelp(HelpContextOf(textPage()));
}

void PlaceholderTopicWindow::relayout() {
  setWindowTitle(GetText(textPage(), 0));
  notice_->setText(noticeText());
  notice_->setFont(fonts().TextFont.font);
  notice_->setGeometry(rect().adjusted(ScalePixels(16), ScalePixels(16), -ScalePixels(16), -ScalePixels(16)));
}

void PlaceholderTopicWindow::resizeEvent(QResizeEvent* event) {
  TopicWindowBase::resizeEvent(event);
  relayout();
}

}  // namespace zw
