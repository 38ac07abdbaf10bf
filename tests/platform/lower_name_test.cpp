#include "platform/ascii_case.h"
#include "platform/lower_name.h"

#include <clocale>
#include <gtest/gtest.h>
#include <string>

namespace {

struct LowerCase {
  std::string name;
  std::string lowered;
};

const LowerCase kCases[] = {
    {"IMG_1234.JPG", "img_1234.jpg"},
    {"ÄRGER.JPG", "ärger.jpg"},
    {"ÖL_ÜBER_SEE.JPEG", "öl_über_see.jpeg"},
    {"STRAßE.PNG", "straße.png"},
    {"ÀÉÎÕÙÝÞ×", "àéîõùýþ×"},             // multiplication sign has no partner
    {"ŁÓDŹ_ŻÓŁW_ČŘŠĚ", "łódź_żółw_čřšě"}, // Latin Extended-A, both parities
    {"ĹĽŇŸ", "ĺľňÿ"},
    {"ΑΘΉΝΑ_ΣΩ.JPG", "αθήνα_σω.jpg"},   // Greek with tonos
    {"МОСКВА_ЁЖ.JPG", "москва_ёж.jpg"}, // Cyrillic
    {"ѢӀӁ", "ѣӏӂ"},
    {"ẞ", "ß"},               // capital sharp s
    {"日本.JPG", "日本.jpg"}, // no case: unchanged
};

TEST(LowerName, LowersAsciiAndTheCoveredScripts) {
  for (const auto& c : kCases)
    EXPECT_EQ(LowerName(c.name), c.lowered) << c.name;
}

// The view lowers as the copy does, and is the name itself when that is
// lowered already, so nothing is copied.
TEST(LowerName, AsAViewIsTheSame) {
  for (const auto& c : kCases) {
    for (const std::string& name : {c.name, c.lowered}) {
      std::string storage;
      EXPECT_EQ(LowerName(name, storage), c.lowered) << name;
    }
  }
  std::string storage;
  const std::string lowered = "20230501-120732_img_1234.jpg";
  EXPECT_EQ(LowerName(lowered, storage).data(), lowered.data());
}

TEST(LowerName, KeepsBytesThatAreNotUtf8) {
  // A Latin-1 "Ä", a cut sequence, an overlong slash and a surrogate.
  EXPECT_EQ(LowerName("\xC4RGER.JPG"), "\xC4rger.jpg");
  EXPECT_EQ(LowerName("AB\xC3"), "ab\xC3");
  EXPECT_EQ(LowerName("\xC3X"), "\xC3x");
  EXPECT_EQ(LowerName("\xC0\xAF"
                      "A"),
            "\xC0\xAF"
            "a");
  EXPECT_EQ(LowerName("\xED\xA0\x80"
                      "B"),
            "\xED\xA0\x80"
            "b");
}

TEST(LowerName, DoesNotDependOnTheProcessLocale) {
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  std::setlocale(LC_ALL, "C");
  EXPECT_EQ(LowerName("ÄRGER.JPG"), "ärger.jpg");
  std::setlocale(LC_ALL, saved.c_str());
}

TEST(AsciiLowered, LeavesEverythingButAsciiLetters) {
  EXPECT_EQ(AsciiLowered("ÄRGER.JPG"), "Ärger.jpg");
}

} // namespace
