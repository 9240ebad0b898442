#include "shell/about/AboutBox.h"

#include <QEvent>
#include <QFile>
#include <QMouseEvent>
#include <cmath>

#include "platform/desktop/Desktop.h"
#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/about/PngImage.h"
#include "shell/help/Help.h"
#include "shell/texts/Texts.h"

// The pictures are compiled into the shell library, which is a static archive:
// their registration must be referenced to be linked in.
static void initPictureResources() { Q_INIT_RESOURCE(pictures); }

namespace zw {

void ensurePictureResources() {
  static const bool done = (initPictureResources(), true);
  (void)done;
}

namespace {
const QColor kNavy(0x00, 0x00, 0x80);

void setTextColor(QWidget* w, const QColor& c) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::WindowText, c);
  pal.setColor(QPalette::Text, c);
  w->setPalette(pal);
}
}  // namespace

QImage programPicture() {
  ensurePictureResources();
  QFile file(QStringLiteral(":/pictures/program.png"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return decodePng(file.readAll());
}

TFInfo::TFInfo(QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("TFInfo"));
  setWindowTitle(GetText(IHelp, 3));
  panel_ = new QWidget(this);
  panel_->setObjectName(QStringLiteral("Panel1"));
  panel_->setAutoFillBackground(true);
  QPalette pal = panel_->palette();
  pal.setColor(QPalette::Window, Qt::white);
  panel_->setPalette(pal);

  icon_ = new QLabel(panel_);
  icon_->setObjectName(QStringLiteral("ProgramIcon"));
  icon_->setScaledContents(true);
  icon_->setPixmap(QPixmap::fromImage(programPicture()));

  productName_ = new QLabel(QStringLiteral("Zahlwerk "), panel_);
  productName_->setObjectName(QStringLiteral("ProductName"));
  setTextColor(productName_, kNavy);
  version_ = new QLabel(panel_);
  version_->setObjectName(QStringLiteral("Version"));
  const char* addressNames[3] = {"autor_name", "Autor_Strasse", "Autor_Ort"};
  const QString addressTexts[3] = {QString::fromUtf8(kContact.project), QString(), QString()};
  for (int i = 0; i < 3; ++i) {
    addressLines_[i] = new QLabel(addressTexts[i], panel_);
    addressLines_[i]->setObjectName(QString::fromLatin1(addressNames[i]));
  }
  QString mailCaption = GetText(IHelp, 6);
  if (mailCaption == QLatin1String("xxx")) mailCaption = QStringLiteral("E-Mail");
  mail_ = new QLabel(mailCaption + QStringLiteral(": ") + QString::fromUtf8(kContact.mail), panel_);
  mail_->setObjectName(QStringLiteral("Autor_eMail"));
  web_ = new QLabel(QString::fromUtf8(kContact.web), panel_);
  web_->setObjectName(QStringLiteral("website"));
  for (QLabel* link : {mail_, web_}) {
    setTextColor(link, kNavy);
    link->setCursor(Qt::PointingHandCursor);
    link->installEventFilter(this);
  }
  version_->setText(GetText(IHelp, 7) + QStringLiteral("  10.0"));

  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setObjectName(QStringLiteral("BtnOK"));
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  relayout();
}

void TFInfo::relayout() {
  const LayoutMetrics& m = metrics();
  const int margin = m.ColLeft[1];
  setFixedSize(ScalePixels(360), ScalePixels(360));
  const int lineHeight = static_cast<int>(std::trunc(0.9 * m.RowHeight));
  panel_->setGeometry(margin, margin, width() - 2 * margin, ScalePixels(270) - margin);
  panel_->setFont(fonts().TextFont.font);
  const int inner = panel_->width();
  icon_->setGeometry(margin, margin, ScalePixels(64), ScalePixels(64));

  QFont nameFont(fontFamiliesFor(QStringLiteral("Arial Rounded MT Bold")).first());
  nameFont.setFamilies(fontFamiliesFor(QStringLiteral("Arial Rounded MT Bold")));
  nameFont.setBold(true);
  nameFont.setPixelSize(pixelSizeForCellHeight(nameFont, ScalePixels(36)));
  productName_->setFont(nameFont);
  productName_->setGeometry(m.ColLeft[3], margin, inner - m.ColLeft[3], ScalePixels(36));
  version_->setGeometry(m.ColLeft[3], margin + ScalePixels(36), inner - m.ColLeft[3], lineHeight);

  const int first = ScalePixels(85);
  for (int i = 0; i < 3; ++i)
    addressLines_[i]->setGeometry(margin, first + i * lineHeight, inner - 2 * margin, lineHeight);
  mail_->setGeometry(margin, first + 4 * lineHeight, inner - 2 * margin, lineHeight);
  web_->setGeometry(margin, first + 5 * lineHeight, inner - 2 * margin, lineHeight);

  QFont bold = ok_->font();
  bold.setBold(true);
  ok_->setFont(bold);
  ok_->setGeometry(ScalePixels(140), ScalePixels(290), ScalePixels(80), ScalePixels(30));
}

void TFInfo::showEvent(QShowEvent* e) {
  relayout();
  QDialog::showEvent(e);
}

void TFInfo::openMail() { desktop().openMail(QString::fromUtf8(kContact.mail), QStringLiteral("Zahlwerk")); }

void TFInfo::openWeb() { desktop().openUrl(QString::fromUtf8(kContact.web)); }

void TFInfo::cmdHelp() { ShowWebHelp(1000); }

bool TFInfo::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
    if (watched == mail_) openMail();
    if (watched == web_) openWeb();
  }
  return QDialog::eventFilter(watched, e);
}

}  // namespace zw
