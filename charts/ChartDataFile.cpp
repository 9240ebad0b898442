#include "charts/ChartDataFile.h"

#include <QFile>
#include <algorithm>
#include <charconv>
#include <cstring>

#include "common/Cp1252.h"
#include "platform/files/WriteFile.h"

namespace zw {

namespace {

template <class T>
void put(QByteArray& b, int at, T v) {
  std::memcpy(b.data() + at, &v, sizeof v);  // the platform is little-endian, like the files
}
template <class T>
T get(const char* p, int at) {
  T v;
  std::memcpy(&v, p + at, sizeof v);
  return v;
}

QString f4(double v, int decimals = 4) {
  char buf[400];
  auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
  return QString::fromLatin1(buf, int(r.ptr - buf));
}
QString boolText(bool b) { return b ? QStringLiteral("TRUE") : QStringLiteral("FALSE"); }

}  // namespace

QByteArray EncodeChartRecord(const TrcChartItem& it) {
  QByteArray b(kChartRecordSize, '\0');
  put(b, 0, it.x), put(b, 8, it.y), put(b, 16, it.x2), put(b, 24, it.y2);
  put(b, 32, it.Color), put(b, 36, it.FillColor), put(b, 40, it.ShadowColor), put(b, 44, it.HiLightColor);
  put(b, 48, std::uint8_t(it.PenStyle));
  put(b, 52, it.Tag), put(b, 56, it.LWid);
  put(b, 60, it.ItemClass), put(b, 61, std::uint8_t(it.ItemKind));
  put(b, 64, it.Layer);
  put(b, 68, std::uint8_t(it.Transp)), put(b, 69, std::uint8_t(it.FrameStyle));
  put(b, 70, std::min<std::uint8_t>(it.TextLen, 17));
  std::memcpy(b.data() + 71, it.Text, 17);
  put(b, 88, it.SizeOrAngle), put(b, 92, it.Depth), put(b, 96, it.MarkOrAlign);
  return b;
}

bool DecodeChartRecord(const char* p, TrcChartItem& it) {
  const std::uint8_t kind = get<std::uint8_t>(p, 61);
  if (kind >= kItemKindCount) return false;
  it = TrcChartItem{};
  it.x = get<double>(p, 0), it.y = get<double>(p, 8), it.x2 = get<double>(p, 16), it.y2 = get<double>(p, 24);
  it.Color = get<std::uint32_t>(p, 32), it.FillColor = get<std::uint32_t>(p, 36);
  it.ShadowColor = get<std::uint32_t>(p, 40), it.HiLightColor = get<std::uint32_t>(p, 44);
  it.PenStyle = TPenStyle(std::min<std::uint8_t>(get<std::uint8_t>(p, 48), 6));
  it.Tag = get<std::int32_t>(p, 52), it.LWid = get<std::int32_t>(p, 56);
  it.ItemClass = get<std::uint8_t>(p, 60), it.ItemKind = TrcItem(kind);
  it.Layer = std::clamp(get<std::int32_t>(p, 64), 1, 16);
  it.Transp = get<std::uint8_t>(p, 68) != 0;
  it.FrameStyle = TFrameStyle(std::min<std::uint8_t>(get<std::uint8_t>(p, 69), 5));
  it.TextLen = std::min<std::uint8_t>(get<std::uint8_t>(p, 70), 17);
  std::memcpy(it.Text, p + 71, 17);
  it.SizeOrAngle = get<std::int32_t>(p, 88), it.Depth = get<std::int32_t>(p, 92);
  it.MarkOrAlign = get<std::uint8_t>(p, 96);
  return true;
}

QString HexText(std::uint32_t value, int digits) {
  digits = std::clamp(digits, 1, 8);
  QString s = QString::number(value, 16).toUpper().rightJustified(8, u'0');
  return s.right(digits);
}

QString ChartDump(const TDisplayList& list) {
  static const char* names[] = {nullptr,     "tkMarkAt", "tkLine",  "tkLineTo",     "tkRect",       "tkRectFrame",
                                "tk3DBar",   "tkText",   "tkMoveTo", "tkEllipse",   nullptr,        nullptr,
                                "tkMoveRelPix", "tkLineRelPix", "tkArrow", "tkTextOfs", "tkRectRelPix"};
  QStringList out;
  for (int i = 0; i < list.NumItems(); ++i) {
    const TrcChartItem& it = list[i];
    const int k = int(it.ItemKind);
    out << QString() << QStringLiteral("------ item %1 ------").arg(i);
    if (k < kItemKindCount && names[k]) out << QStringLiteral(" elemtype: ") + QLatin1String(names[k]);
    out << QStringLiteral(" startpnt: [") + f4(it.x) + u'/' + f4(it.y) + u']';
    out << QStringLiteral("    color: ") + HexText(it.Color, 8);
    out << QStringLiteral(" penstyle: ") + HexText(std::uint8_t(it.PenStyle), 2);
    out << QStringLiteral("linewidth: ") + QString::number(it.LWid);
    out << QStringLiteral(" classnum: ") + QString::number(it.ItemClass);
    const QString second = f4(it.x2) + u'/' + f4(it.y2) + u']';
    const QString fill = QStringLiteral("fillcolor: ") + HexText(it.FillColor, 8);
    const QString transp = QStringLiteral("  transp.: ") + boolText(it.Transp);
    const QStringList text = {QStringLiteral("     text: '") + it.text() + u'\'',
                              QStringLiteral("     size: ") + QString::number(it.SizeOrAngle),
                              QStringLiteral("    align: ") + QString::number(it.MarkOrAlign)};
    switch (it.ItemKind) {
      case TrcItem::tkMarkAt: out << QStringLiteral(" marktype: ") + QString::number(it.MarkOrAlign); break;
      case TrcItem::tkLine: out << QStringLiteral(" endpoint: [") + second; break;
      case TrcItem::tkRect: out << QStringLiteral("   corner: [") + second << fill << transp; break;
      case TrcItem::tkRectFrame: {
        static const char* frames[] = {nullptr, nullptr, "rbLowered", "rbRaised", "rbEmbossed", "rbEngraved"};
        out << QStringLiteral("   corner: [") + second << fill;
        const int fs = int(it.FrameStyle);
        if (fs >= 2 && fs <= 5) out << QStringLiteral("frametype: ") + QLatin1String(frames[fs]);
        out << QStringLiteral("shadowcol: ") + HexText(it.ShadowColor, 8)
            << QStringLiteral("hilitecol: ") + HexText(it.HiLightColor, 8);
        break;
      }
      case TrcItem::tk3DBar:
        out << QStringLiteral(" endpoint: [") + second << fill << QStringLiteral("    depth: ") + QString::number(it.Depth)
            << QStringLiteral("    angle: ") + QString::number(it.SizeOrAngle);
        break;
      case TrcItem::tkText: out << text; break;
      case TrcItem::tkEllipse:
        out << QStringLiteral(" halfaxes: ") + f4(it.x2) + u' ' + f4(it.y2) << fill << transp;
        break;
      case TrcItem::tkArrow:
        out << QStringLiteral("    arrow: [") + second << fill << transp
            << QStringLiteral(" headsize: ") + QString::number(it.SizeOrAngle);
        break;
      case TrcItem::tkTextOfs:
        out << text << QStringLiteral(" offset x: '") + f4(it.x2, 0) + u'\''
            << QStringLiteral(" offset y: '") + f4(it.y2, 0) + u'\'';
        break;
      case TrcItem::tkRectRelPix:
        out << QStringLiteral("    dx/dy: ") + f4(it.x2, 0) + u'/' + f4(it.y2, 0) << fill << transp;
        break;
      default: break;
    }
  }
  QString s;
  for (const QString& line : out) s += line + QStringLiteral("\r\n");
  return s;
}

bool SaveChartData(const TDisplayList& list, const QString& fileName) {
  QByteArray bytes;
  bytes.reserve(qsizetype(list.items().size()) * kChartRecordSize);
  for (const TrcChartItem& it : list.items()) bytes += EncodeChartRecord(it);
  return WriteFileAtomic(fileName, bytes);
}

bool LoadChartData(TDisplayList& list, const QString& fileName, bool append) {
  QFile f(fileName);
  if (!f.open(QIODevice::ReadOnly)) return false;
  const QByteArray data = f.readAll();
  if (f.error() != QFileDevice::NoError) return false;
  if (!append) list.Clear();
  const int n = int(data.size() / kChartRecordSize);
  for (int i = 0; i < n; ++i) {
    TrcChartItem it;
    if (DecodeChartRecord(data.constData() + qsizetype(i) * kChartRecordSize, it)) list.Add(it);
  }
  return true;
}

bool SaveChartDump(const TDisplayList& list, const QString& fileName) {
  const std::string bytes = cp1252::Encode(ChartDump(list).toStdU16String());
  return WriteFileAtomic(fileName, QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

}  // namespace zw
