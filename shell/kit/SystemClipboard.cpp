#include "shell/kit/SystemClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace zw {

bool SystemTextClipboard::hasText() const {
  const QClipboard* cb = QGuiApplication::clipboard();
  const QMimeData* data = cb ? cb->mimeData() : nullptr;
  return data && data->hasText();
}

std::u16string SystemTextClipboard::text() const {
  const QClipboard* cb = QGuiApplication::clipboard();
  return cb ? cb->text().toStdU16String() : std::u16string();
}

void SystemTextClipboard::setText(const std::u16string& text) {
  if (QClipboard* cb = QGuiApplication::clipboard()) cb->setText(QString::fromStdU16String(text));
}

}  // namespace zw
