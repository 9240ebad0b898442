#pragma once
// Small file helpers of the settings and start-up tests.
#include <QByteArray>
#include <QFile>
#include <QString>
#include <gtest/gtest.h>

namespace zw::testfiles {

inline void writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
  f.write(bytes);
}

inline QByteArray readFile(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace zw::testfiles
