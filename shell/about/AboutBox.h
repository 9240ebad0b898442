#pragma once
// The about box: program picture, product name, version and the project's
// contact lines; the mail and web lines open the mail program and the browser.
#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace zw {

// The project's contact lines. The mail and web addresses are placeholders
// (reserved ".example" domain) until the project has addresses of its own.
struct ContactLines {
  const char* project;
  const char* mail;
  const char* web;
};
inline constexpr ContactLines kContact{"Zahlwerk-Projekt", "kontakt@zahlwerk.example",
                                       "https://www.zahlwerk.example"};

// Makes the compiled-in pictures (":/pictures/...") available; idempotent.
void ensurePictureResources();

// The program picture decoded from the resources (null when it is missing).
QImage programPicture();

class TFInfo : public QDialog {
  Q_OBJECT
public:
  explicit TFInfo(QWidget* owner);

  QLabel* versionLabel() const { return version_; }
  QLabel* mailLabel() const { return mail_; }
  QLabel* webLabel() const { return web_; }
  QPushButton* okButton() const { return ok_; }

  void openMail();
  void openWeb();
  // The topic-help command: the web help overview.
  void cmdHelp();

  void relayout();

protected:
  bool eventFilter(QObject* watched, QEvent* e) override;
  void showEvent(QShowEvent* e) override;

private:
  QWidget* panel_;
  QLabel* icon_;
  QLabel* productName_;
  QLabel* version_;
  QLabel* addressLines_[3];
  QLabel* mail_;
  QLabel* web_;
  QPushButton* ok_;
};

}  // namespace zw
