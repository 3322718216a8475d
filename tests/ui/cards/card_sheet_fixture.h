#pragma once
// What the card tests share: an application for the widgets and fonts, and a
// fresh program folder holding the drawn picture sheet, loaded into the
// shared card pictures for the test and freed after it.

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "cards/card_art.h"
#include "cards/card_pictures.h"
#include "test_application.h"

namespace tavlo {

inline ::testing::Environment* const cardTestApplication = AddTestApplication("tavlo_card_test");

// Drawing the sheet takes a moment; every test starts from the same one.
inline const QImage& DrawnSheet() {
  static const QImage sheet = DrawCardSheet();
  return sheet;
}

class CardSheetTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    WriteSheet(DrawnSheet());
    LoadCardPictures(ProgramFolders::Beside(folder.path()));
  }
  void TearDown() override { FreeCardPictures(); }

  QString SheetPath() const { return QDir(folder.path()).filePath(CardSheetFileName); }
  void WriteSheet(const QImage& sheet) const {
    ASSERT_EQ(SaveSheetAtomically(sheet, SheetPath()), QString());
  }
  QImage SheetOnDisk() const { return QImage(SheetPath()).convertToFormat(QImage::Format_RGB32); }

  QTemporaryDir folder;
};

}  // namespace tavlo
