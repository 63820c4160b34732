// The application title from the executable's name.
#include "ui/common/ApplicationTitle.h"

#include <gtest/gtest.h>

TEST(ApplicationTitleTest, TheNameWithoutFolderAndExtensionKeepsItsFirstCharacter) {
  EXPECT_EQ(ApplicationTitleFor(u"/opt/lexavia/Lexavia"), u"Lexavia");
  EXPECT_EQ(ApplicationTitleFor(u"C:\\Programas\\Lexavia.exe"), u"Lexavia");
  EXPECT_EQ(ApplicationTitleFor(u"C:/Programas/LEXAVIA.EXE"), u"Lexavia");
  EXPECT_EQ(ApplicationTitleFor(u"lexavia.exe"), u"lexavia");
}

TEST(ApplicationTitleTest, TheNameIsCutAtItsFirstDot) {
  EXPECT_EQ(ApplicationTitleFor(u"D:\\x\\Lexavia.bin.old.exe"), u"Lexavia");
  EXPECT_EQ(ApplicationTitleFor(u"/usr/bin/.hidden"), u"");
  EXPECT_EQ(ApplicationTitleFor(u"C:\\v1.2\\Lexavia"), u"Lexavia");  // only the file name is cut
}

TEST(ApplicationTitleTest, LaterLettersOfWindows1252GoToLowerCaseOthersStay) {
  EXPECT_EQ(ApplicationTitleFor(u"\u00C9DITION\u00C7\u00C3O\u0160\u0152\u017D\u0178.exe"),
            u"\u00C9dition\u00E7\u00E3o\u0161\u0153\u017E\u00FF");
  EXPECT_EQ(ApplicationTitleFor(u"A\u00D7B.exe"), u"A\u00D7b");      // the sign of times stays
  EXPECT_EQ(ApplicationTitleFor(u"\u00E9COLE.exe"), u"\u00E9cole");  // the first stays as it is
  EXPECT_EQ(ApplicationTitleFor(u"L\u0416X.exe"), u"L\u0416x");      // no Cyrillic in Windows-1252
}
