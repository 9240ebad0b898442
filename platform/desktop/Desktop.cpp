#include "platform/desktop/Desktop.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace zw {

namespace {
DesktopServices* g_installed = nullptr;
}  // namespace

DesktopServices& desktop() {
  static SystemDesktopServices system;
  return g_installed ? *g_installed : system;
}

void setDesktopServices(DesktopServices* services) { g_installed = services; }

ScopedDesktopServices::ScopedDesktopServices(DesktopServices& services) : previous_(g_installed) {
  g_installed = &services;
}

ScopedDesktopServices::~ScopedDesktopServices() { g_installed = previous_; }

QString mailLink(const QString& address, const QString& subject) {
  // Percent-encoded so that "?", "&" or blanks in either part cannot change
  // what the mail program receives.
  QString link = QStringLiteral("mailto:") + QString::fromLatin1(QUrl::toPercentEncoding(address, "@+"));
  if (!subject.isEmpty()) link += QStringLiteral("?subject=") + QString::fromLatin1(QUrl::toPercentEncoding(subject));
  return link;
}

bool SystemDesktopServices::openUrl(const QString& url) {
  return QDesktopServices::openUrl(QUrl(url));
}

bool SystemDesktopServices::openMail(const QString& address, const QString& subject) {
  return QDesktopServices::openUrl(QUrl(mailLink(address, subject), QUrl::StrictMode));
}

bool SystemDesktopServices::openFolder(const QString& folder) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

bool SystemDesktopServices::startDetached(const QString& program, const QStringList& args) {
  return QProcess::startDetached(program, args);
}

int SystemDesktopServices::runAndWait(const QString& program, const QStringList& args) {
  QProcess p;
  p.setProcessChannelMode(QProcess::ForwardedChannels);
  p.start(program, args);
  if (!p.waitForStarted(-1)) return -1;
  if (!p.waitForFinished(-1)) return -1;
  return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

bool RecordingDesktopServices::openUrl(const QString& url) {
  calls.push_back({DesktopCall::OpenUrl, url, {}});
  return result;
}

bool RecordingDesktopServices::openMail(const QString& address, const QString& subject) {
  calls.push_back({DesktopCall::OpenMail, mailLink(address, subject), {}});
  return result;
}

bool RecordingDesktopServices::openFolder(const QString& folder) {
  calls.push_back({DesktopCall::OpenFolder, folder, {}});
  return result;
}

bool RecordingDesktopServices::startDetached(const QString& program, const QStringList& args) {
  calls.push_back({DesktopCall::StartDetached, program, args});
  return result;
}

int RecordingDesktopServices::runAndWait(const QString& program, const QStringList& args) {
  calls.push_back({DesktopCall::RunAndWait, program, args});
  return result ? exitCode : -1;
}

}  // namespace zw
