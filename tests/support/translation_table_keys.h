#pragma once
// The control names a shipped translation table gives, so a test can check
// that each names a control of its window. Every line is checked to carry a
// text for each of the six languages.

#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>

namespace tavlo {

// The keys of resources/lang/<name>, less the caption and the hint and
// continuation lines.
inline QStringList ControlKeysOfTable(const QString& name) {
  QFile file(QString(TAVLO_SOURCE_DIR) + "/resources/lang/" + name);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << name.toStdString();
  QStringList keys;
  while (!file.atEnd()) {
    QString line = QString::fromUtf8(file.readLine());
    line.remove('\n');
    if (line.isEmpty() || line.startsWith('#')) continue;
    const QStringList texts = line.split('\t');
    EXPECT_EQ(texts.size(), 7) << line.toStdString();
    if (texts[0] == "%Form%" || texts[0].startsWith('"')) continue;
    keys << texts[0];
  }
  return keys;
}

}  // namespace tavlo
