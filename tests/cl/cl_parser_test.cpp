#include <gtest/gtest.h>

#include "server/cl/cl_lexer.h"
#include "server/cl/cl_parser.h"
#include "server/cl/cl_writer.h"

namespace ptp::server::cl {
namespace {

ClStatement MustParse(std::string_view text) {
    auto result = ParseCommand(text);
    EXPECT_TRUE(result.Ok()) << text << ": " << result.Error().message;
    return result.Ok() ? result.Value() : ClStatement{};
}

ClSyntaxError MustFail(std::string_view text) {
    auto result = ParseCommand(text);
    EXPECT_FALSE(result.Ok()) << text << " parsed";
    return result.Ok() ? ClSyntaxError{} : result.Error();
}

TEST(ClParser, ReadsQualifiedCommandsWithNestedValues) {
    const ClStatement statement = MustParse(
        "qsys/crtnwiisdn NWID(nwi1) CHLENTRY( (1 *SWT ) (2 *swt )) CMNRCYLMT(*SYSVAL ) "
        "TEXT('Bob''s interface')");
    EXPECT_EQ(statement.library, "QSYS");
    EXPECT_EQ(statement.command, "CRTNWIISDN");
    ASSERT_EQ(statement.parameters.size(), 4u);
    EXPECT_EQ(statement.parameters[0].elements[0].text, "NWI1");

    const ClParameter* channels = statement.Find("CHLENTRY");
    ASSERT_NE(channels, nullptr);
    ASSERT_EQ(channels->elements.size(), 2u);
    ASSERT_TRUE(channels->elements[1].IsList());
    EXPECT_EQ(channels->elements[1].items[1].text, "*SWT");
    EXPECT_EQ(channels->position, 28u);

    EXPECT_EQ(statement.Find("CMNRCYLMT")->elements.size(), 1u);
    const ClElement& text = statement.Find("TEXT")->elements[0];
    EXPECT_TRUE(text.IsQuoted());
    EXPECT_EQ(text.text, "Bob's interface");
    EXPECT_EQ(statement.Find("OUTPUT"), nullptr);
}

TEST(ClParser, QuotedValuesNeverOpenAnotherParameterOrCommand) {
    // Each attempt to close the quote early stays one value of the one parameter.
    const ClStatement statement = MustParse("STRTCPPTP CFGPRF('P'') OUTPUT(*PRINT) RESTART(*YES')");
    ASSERT_EQ(statement.parameters.size(), 1u);
    EXPECT_EQ(statement.parameters[0].elements[0].text, "P') OUTPUT(*PRINT) RESTART(*YES");

    const ClStatement two = MustParse("ADDTCPHTE HOSTNAME((';DLTLIND LIND(X)'))");
    EXPECT_EQ(two.parameters[0].elements[0].items[0].text, ";DLTLIND LIND(X)");

    MustFail("STRTCPPTP CFGPRF('P')\nENDTCPPTP CFGPRF('P')");
    MustFail("STRTCPPTP CFGPRF('P\n')");
    MustFail(std::string_view("STRTCPPTP CFGPRF('P\0')", 22));
}

TEST(ClParser, RefusesMalformedCommandsAndSaysWhere) {
    EXPECT_EQ(MustFail("").message, "The command is empty.");
    EXPECT_EQ(MustFail("DLTLIND LIND(X").position, 13u);
    EXPECT_EQ(MustFail("DLTLIND LIND('X)").position, 14u);
    EXPECT_EQ(MustFail("DLTLIND LIND (X)").position, 9u);
    EXPECT_EQ(MustFail("DLTLIND X").position, 9u);
    EXPECT_EQ(MustFail("DLTLIND LIND(X) LIND(Y)").position, 17u);
    EXPECT_EQ(MustFail("DLTLIND LIND(X)TEXT(Y)").position, 16u);
    EXPECT_EQ(MustFail("DLTLIND LIND(A'B')").position, 15u);
    EXPECT_EQ(MustFail("DLTLIND LIND(X))").position, 16u);
    EXPECT_EQ(MustFail("DLTLIND(X)").position, 8u);
    EXPECT_EQ(MustFail("TOOLONGCOMMAND LIND(X)").position, 1u);
    EXPECT_EQ(MustFail("A/B/C").position, 3u);
    EXPECT_EQ(MustFail("'DLTLIND' LIND(X)").position, 1u);
    EXPECT_EQ(MustFail("1BAD/DLTLIND").position, 1u);
    EXPECT_EQ(MustFail("X Y(((((((((1)))))))))").position, 12u);
    EXPECT_FALSE(ParseCommand(std::string(kMaxCommandLength + 1, 'A')).Ok());
    EXPECT_TRUE(ParseCommand("X Y((((((((1))))))))").Ok());
    EXPECT_TRUE(ParseCommand("*LIBL/DLTLIND LIND(X)").Ok());
}

TEST(ClWriter, WritesTheCanonicalFormThatParsesBack) {
    const std::string text =
        "qsys/chgtcphte  INTNETADR('10.1.1.1')   HOSTNAME(('a''b')('WDNROUTER') () '' )";
    const ClStatement statement = MustParse(text);
    const std::string written = WriteCommand(statement);
    EXPECT_EQ(written,
              "QSYS/CHGTCPHTE INTNETADR('10.1.1.1') HOSTNAME(('a''b') ('WDNROUTER') () '')");
    EXPECT_EQ(MustParse(written), statement);
    EXPECT_NE(MustParse("CHGTCPHTE HOSTNAME(('a'))"), MustParse("CHGTCPHTE HOSTNAME('a')"));
}

}  // namespace
}  // namespace ptp::server::cl
