#include "platform/com/utf16.h"

#include <gtest/gtest.h>

namespace ptp {
namespace {

TEST(Utf16, RoundTripsEveryPlaneAndReplacesMalformedInput) {
    const std::string text = "PRF1 \xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80";  // é € 😀
    const std::u16string wide = Utf8ToUtf16(text);
    EXPECT_EQ(wide, u"PRF1 \u00E9\u20AC\U0001F600");
    EXPECT_EQ(wide.size(), 9u);
    EXPECT_EQ(Utf16ToUtf8(wide), text);

    EXPECT_EQ(Utf8ToUtf16("a\xFF"
                          "b"),
              u"a\uFFFDb");
    EXPECT_EQ(Utf8ToUtf16("\xC0\x80"), u"\uFFFD");  // overlong NUL
    EXPECT_EQ(Utf8ToUtf16("\xE2\x82"), u"\uFFFD");  // cut short
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t{0xD800})), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace ptp
