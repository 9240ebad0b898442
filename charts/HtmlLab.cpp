#include "charts/HtmlLab.h"

#include <QFontMetrics>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QtDebug>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "common/StringHelpers.h"
#include "common/XmlTagReader.h"

namespace zw {

namespace {

constexpr int kStackLevels = 10;
constexpr int kDefaultTag = 7;
constexpr std::array<std::u16string_view, 7> kTagNames = {u"sub", u"sup", u"font", u"b", u"i", u"u", u"s"};
enum Tag { tagSub, tagSup, tagFont, tagB, tagI, tagU, tagS };

struct THtmlLabStyle {
  int FntSize = 8;  // points
  QString FntName;
  bool bold = false, italic = false, underline = false, strikeOut = false;
  QColor FntColor = Qt::black;
  int BaseLOfs = 0;  // pixels, positive downwards
};

struct TTextStyle {
  THtmlLabStyle LabStyle;
  int Tag = kDefaultTag;
};

QString tagName(int index) {
  return index >= 0 && index < static_cast<int>(kTagNames.size())
             ? QString::fromStdU16String(std::u16string(kTagNames[static_cast<size_t>(index)]))
             : QStringLiteral("*default*");
}

int roundHalfEven(double v) { return static_cast<int>(std::nearbyint(v)); }

// Attribute numbers come from the caption text: read them saturating.
std::int64_t readHex(std::u16string_view s) {
  size_t i = 0;
  while (i < s.size() && s[i] == u' ') ++i;
  std::int64_t v = 0;
  for (; i < s.size(); ++i) {
    const char16_t c = s[i];
    int d;
    if (c >= u'0' && c <= u'9') d = c - u'0';
    else if (c >= u'a' && c <= u'f') d = c - u'a' + 10;
    else if (c >= u'A' && c <= u'F') d = c - u'A' + 10;
    else break;
    v = std::min<std::int64_t>(v * 16 + d, 0xFFFFFFFF);
  }
  return v;
}

std::int64_t readDecimal(std::u16string_view s) {
  size_t i = 0;
  while (i < s.size() && s[i] == u' ') ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == u'-' || s[i] == u'+')) negative = s[i++] == u'-';
  std::int64_t v = 0;
  for (; i < s.size() && s[i] >= u'0' && s[i] <= u'9'; ++i)
    v = std::min<std::int64_t>(v * 10 + (s[i] - u'0'), std::numeric_limits<std::int32_t>::max());
  return negative ? -v : v;
}

QColor colorFromValue(std::uint32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

void applyFontTag(THtmlLabStyle& style, std::u16string_view attributes, bool ignoreColorTags) {
  if (!ignoreColorTags) {
    const std::u16string color = ReadAttributeValue(attributes, u"color");
    if (!color.empty()) {
      if (color.front() == u'#')
        style.FntColor = colorFromValue(SwapRedBlue(static_cast<std::uint32_t>(readHex(std::u16string_view(color).substr(1)))));
      else
        style.FntColor = colorFromValue(static_cast<std::uint32_t>(readDecimal(color)));
    }
  }
  const std::u16string size = ReadAttributeValue(attributes, u"size");
  if (!size.empty()) style.FntSize = static_cast<int>(std::clamp<std::int64_t>(readDecimal(size), 1, 500));
  const std::u16string face = ReadAttributeValue(attributes, u"face");
  if (!face.empty()) style.FntName = QString::fromStdU16String(face);
}

void applyTag(TTextStyle& level, int tag, const THtmlLabStyle& defaultStyle, std::u16string_view attributes,
              bool ignoreColorTags) {
  THtmlLabStyle& s = level.LabStyle;
  switch (tag) {
    case tagSub:
    case tagSup: {
      s.FntSize = roundHalfEven(0.75 * s.FntSize);
      const int shift = roundHalfEven(0.8 * s.FntSize);
      s.BaseLOfs += tag == tagSub ? shift : -shift;
      break;
    }
    case tagFont: applyFontTag(s, attributes, ignoreColorTags); break;
    case tagB: s.bold = true; break;
    case tagI: s.italic = true; break;
    case tagU: s.underline = true; break;
    case tagS: s.strikeOut = true; break;
    default:
      s = defaultStyle;
      tag = kDefaultTag;
      break;
  }
  level.Tag = tag;
}

// Fonts get pixel sizes at 96 ppi: a caption looks the same on every device.
QFont runFont(const THtmlLabStyle& s) {
  QFont f(s.FntName);
  f.setPixelSize(std::max(1, roundHalfEven(s.FntSize * 96.0 / 72.0)));
  f.setBold(s.bold);
  f.setItalic(s.italic);
  f.setUnderline(s.underline);
  f.setStrikeOut(s.strikeOut);
  return f;
}

// The renderer; `x` is kept up to date so that a caller that catches an error
// knows how far the caption was drawn.
void renderHtml(QPainter& canvas, const QString& text, int& x, bool ignoreColorTags, bool suppressExceptions,
                int baseY) {
  THtmlLabStyle defaultStyle;
  const QFont cf = canvas.font();
  const double points = cf.pointSizeF() > 0 ? cf.pointSizeF() : cf.pixelSize() * 72.0 / 96.0;
  defaultStyle.FntSize = std::max(1, roundHalfEven(points));
  defaultStyle.FntName = cf.family();
  defaultStyle.bold = cf.bold();
  defaultStyle.italic = cf.italic();
  defaultStyle.underline = cf.underline();
  defaultStyle.strikeOut = cf.strikeOut();
  defaultStyle.FntColor = canvas.pen().color();

  std::array<TTextStyle, kStackLevels> stack;
  stack.fill(TTextStyle{defaultStyle, kDefaultTag});
  int d = 1;  // depth; level d is stack[d - 1]
  const std::u16string u = text.toStdU16String();
  const int len = static_cast<int>(u.size());
  int pos = 1;
  while (pos <= len) {
    const size_t lt = u.find(u'<', static_cast<size_t>(pos - 1));
    const std::u16string_view run =
        std::u16string_view(u).substr(static_cast<size_t>(pos - 1), lt == std::u16string::npos ? std::u16string::npos
                                                                                                 : lt - (pos - 1));
    int tagEnd = pos;
    bool isEndTag = false;
    std::u16string attributes;
    const int tag = ReadTagFromText(u, pos, tagEnd, isEndTag, attributes, kDefaultTag, kTagNames);
    pos = tagEnd + 1;

    if (!run.empty()) {
      const THtmlLabStyle& s = stack[static_cast<size_t>(d - 1)].LabStyle;
      const QFont f = runFont(s);
      canvas.setFont(f);
      canvas.setPen(s.FntColor);
      const QString r = QString::fromStdU16String(std::u16string(run));
      canvas.drawText(x, baseY + s.BaseLOfs, r);  // anchored at the baseline
      x += QFontMetrics(f).horizontalAdvance(r) + 2;
    }

    if (isEndTag) {
      const int open = stack[static_cast<size_t>(d - 1)].Tag;
      if (tag != open && !suppressExceptions)
        throw EZwHtmlLabelError(("invalid tag sequence: </" + tagName(tag) + "> follows <" + tagName(open) + ">")
                                    .toStdString());
      if (d > 1) --d;
      continue;
    }
    if (d < kStackLevels) {
      stack[static_cast<size_t>(d)] = stack[static_cast<size_t>(d - 1)];
      ++d;
    } else if (!suppressExceptions) {
      throw EZwHtmlLabelError("HTML label rendering stack overflow");
    }
    applyTag(stack[static_cast<size_t>(d - 1)], tag, defaultStyle, attributes, ignoreColorTags);
  }
}

}  // namespace

int RenderHtmlText(QPainter& canvas, const QString& text, int startX, bool ignoreColorTags,
                   bool suppressExceptions, int baseY) {
  int x = startX;
  renderHtml(canvas, text, x, ignoreColorTags, suppressExceptions, baseY);
  return x;
}

THtmlLab::THtmlLab(QWidget* parent) : QWidget(parent) {
  FColorBkg = palette().color(QPalette::Button);
  resize(520, 50);
}

void THtmlLab::setAlignment(Qt::Alignment v) {
  v &= Qt::AlignHorizontal_Mask;
  if (v != FAlignment) {
    FAlignment = v;
    update();
  }
}

void THtmlLab::setColorBkg(QColor v) {
  if (v != FColorBkg) {
    FColorBkg = v;
    update();
  }
}

void THtmlLab::setTransparent(bool v) {
  if (v != FTransparent) {
    FTransparent = v;
    update();
  }
}

void THtmlLab::setFrameStyle(TFrameStyle v) {
  if (v != FFrameStyle) {
    FFrameStyle = v;
    update();
  }
}

void THtmlLab::setCaption(const QString& v) {
  if (v != FCaption) {
    FCaption = v;
    update();
  }
}

void THtmlLab::setPosY(int v) {
  if (v != FBaseY) {
    FBaseY = v;
    update();
  }
}

void THtmlLab::setIgnoreColorTags(bool v) {
  if (v != FIgnoreColTags) {
    FIgnoreColTags = v;
    update();
  }
}

void THtmlLab::Assign(const THtmlLab& source) {
  if (&source == this) return;
  FAlignment = source.FAlignment;
  FColorBkg = source.FColorBkg;
  FFrameStyle = source.FFrameStyle;
  FCaption = source.FCaption;
  FBaseY = source.FBaseY;
  FSuppExcept = source.FSuppExcept;
  FIgnoreColTags = source.FIgnoreColTags;
  FTransparent = source.FTransparent;
  update();
}

void THtmlLab::paintEvent(QPaintEvent*) {
  const int W = width(), H = height();
  if (W <= 0 || H <= 0) return;
  // The line is rendered into an image twice the label's width (wider when
  // the caption needs it, so that a long centred caption shows its middle),
  // and the part the alignment selects is copied 1:1 onto the label.
  QImage line;
  int D = 1;
  for (int imageWidth = 2 * W;;) {
    line = QImage(imageWidth, H, QImage::Format_ARGB32_Premultiplied);
    line.fill(FTransparent ? QColor(Qt::transparent) : FColorBkg);
    D = 1;
    QPainter p(&line);
    p.setFont(font());
    p.setPen(palette().color(QPalette::WindowText));
    try {
      renderHtml(p, FCaption, D, FIgnoreColTags, FSuppExcept, FBaseY);
    } catch (const std::exception& e) {
      // A paint event must not throw: show what was drawn and say why once.
      if (FReportedCaption != FCaption) {
        FReportedCaption = FCaption;
        qWarning("THtmlLab \"%s\": %s", qPrintable(objectName()), e.what());
      }
    }
    if (D <= imageWidth || imageWidth >= 32767) break;
    imageWidth = std::min(D + 1, 32767);
  }
  FRenderedEndX = D;

  int srcLeft = 1, srcRight = D, destLeft = 2;
  if (FAlignment & Qt::AlignRight) {
    if (D > W) srcLeft = D - W;
    destLeft = (W - 1) - (srcRight - srcLeft);
  } else if (!(FAlignment & Qt::AlignLeft)) {
    int shown = D;
    if (D > W) {
      srcLeft = (D - W) / 2;
      srcRight = srcLeft + W;
      shown = W;
    }
    destLeft = (W - shown) / 2;
  }

  QPainter painter(this);
  if (!FTransparent) painter.fillRect(rect(), FColorBkg);
  if (srcRight > srcLeft)
    painter.drawImage(QPoint(destLeft, 1), line, QRect(srcLeft, 1, srcRight - srcLeft, H - 1));
  DrawFrame3D(painter, FFrameStyle, 0, 0, W - 1, H - 1, QColor(0xFF, 0xFF, 0xFF), QColor(0xC0, 0xC0, 0xC0),
              QColor(0x80, 0x80, 0x80), Qt::black, Qt::black);
}

}  // namespace zw
