#pragma once
// Desktop services: opening web pages, mail links and folders, and starting
// other programs. Everything goes through one replaceable object so that tests
// can record the calls instead of launching anything:
//
//   RecordingDesktopServices rec;
//   ScopedDesktopServices use(rec);   // desktop() now returns rec
//   ... press the button ...
//   EXPECT_EQ(rec.calls[0].kind, DesktopCall::OpenUrl);
#include <QString>
#include <QStringList>
#include <vector>

namespace zw {

class DesktopServices {
public:
  virtual ~DesktopServices() = default;
  // A web address (or any URL the desktop knows how to open).
  virtual bool openUrl(const QString& url) = 0;
  // A mail link "mailto:address?subject=..." for the desktop's mail program;
  // address and subject are encoded here, callers pass them as plain text.
  virtual bool openMail(const QString& address, const QString& subject = {}) = 0;
  // A folder in the desktop's file manager.
  virtual bool openFolder(const QString& folder) = 0;
  // Starts `program` (an absolute path) with its arguments, each passed as
  // it stands (no shell, no quoting). Returns whether it started.
  virtual bool startDetached(const QString& program, const QStringList& args) = 0;
  // Starts `program` and waits until it ends. Returns its exit code, or -1
  // when it could not be started or did not end normally.
  virtual int runAndWait(const QString& program, const QStringList& args) = 0;
};

// The services in use: the system's, unless a test has installed others.
DesktopServices& desktop();
// Installs `services` (not owned); nullptr returns to the system's.
void setDesktopServices(DesktopServices* services);

class SystemDesktopServices : public DesktopServices {
public:
  bool openUrl(const QString& url) override;
  bool openMail(const QString& address, const QString& subject = {}) override;
  bool openFolder(const QString& folder) override;
  bool startDetached(const QString& program, const QStringList& args) override;
  int runAndWait(const QString& program, const QStringList& args) override;
};

// The mail link openMail hands to the desktop.
QString mailLink(const QString& address, const QString& subject);

struct DesktopCall {
  enum Kind { OpenUrl, OpenMail, OpenFolder, StartDetached, RunAndWait };
  Kind kind;
  QString target;     // url, mail link, folder or program
  QStringList args;   // program arguments
};

// For tests: records every call, starts nothing; `result` and `exitCode`
// decide what the calls report.
class RecordingDesktopServices : public DesktopServices {
public:
  std::vector<DesktopCall> calls;
  bool result = true;
  int exitCode = 0;

  bool openUrl(const QString& url) override;
  bool openMail(const QString& address, const QString& subject = {}) override;
  bool openFolder(const QString& folder) override;
  bool startDetached(const QString& program, const QStringList& args) override;
  int runAndWait(const QString& program, const QStringList& args) override;
};

// Installs services for the lifetime of a scope and then restores the previous ones.
class ScopedDesktopServices {
public:
  explicit ScopedDesktopServices(DesktopServices& services);
  ~ScopedDesktopServices();
  ScopedDesktopServices(const ScopedDesktopServices&) = delete;
  ScopedDesktopServices& operator=(const ScopedDesktopServices&) = delete;

private:
  DesktopServices* previous_;
};

}  // namespace zw
