#include "host_fixture.h"
#include "server/stream_files.h"
#include "server/system.h"

namespace ptp::host {
namespace {

using test::TakeError;

class FilesTest : public test::HostFixture {
  protected:
    int WriteFile(IHost& host, std::string_view path, const std::vector<std::string>& lines,
                  int ccsid = 0) {
        int result = -1;
        auto file = host.Files().CreateFileForWrite("SYS1", path, 0, result, 1);
        if (!file) return result;
        if (ccsid) file->SetCcsid(ccsid);
        if (int open = file->Open(3, 3, 1); open != kFileOk) return open;
        file->PrepareWrite();
        for (const auto& line : lines)
            file->WriteLine(line.c_str(), WriteLength(line), kWritePlain);
        return file->Close();
    }
    std::vector<std::string> ReadFile(IHost& host, std::string_view path, int* openResult) {
        int result = -1;
        auto file = host.Files().CreateFile("SYS1", path, result);
        std::vector<std::string> lines;
        *openResult = file->Open(3, 1, 1);
        if (*openResult != kFileOk) return lines;
        char buffer[1024];
        for (;;) {
            int read = file->ReadLine(buffer, sizeof buffer);
            if (read == kFileOk || buffer[0]) lines.emplace_back(buffer);
            if (read != kFileOk) break;
        }
        file->Close();
        return lines;
    }
};

TEST_F(FilesTest, LinesRoundTripThroughCaseInsensitivePaths) {
    ASSERT_EQ(WriteFile(*m_host, "\\QKTL\\UserData\\NOS50\\TCPIP\\PPP\\grouppolicy.cfg",
                        {"[POLICY1]", "MULTILINKENABLE=1", ""}),
              kFileOk);
    int open = -1;
    auto lines = ReadFile(*m_host, "/qktl/userdata/nos50/tcpip/ppp/GROUPPOLICY.CFG", &open);
    ASSERT_EQ(open, kFileOk);
    EXPECT_EQ(lines, (std::vector<std::string>{"[POLICY1]", "MULTILINKENABLE=1", ""}));
    EXPECT_TRUE(std::filesystem::exists(System().Files().Root() / "QKTL" / "UserData" / "NOS50" /
                                        "TCPIP" / "PPP" / "grouppolicy.cfg"));
    ReadFile(*m_host, "/QKTL/UserData/missing.cfg", &open);
    EXPECT_EQ(open, kFileNotFound);

    // A last line without a line end comes with the end-of-file result.
    ASSERT_TRUE(System().Files().Write("/QKTL/UserData/x.cfg", "A\nB", server::kCcsidText).ok());
    EXPECT_EQ(ReadFile(*m_host, "/QKTL/UserData/X.CFG", &open),
              (std::vector<std::string>{"A", "B"}));

    SOFError* error = nullptr;
    auto names = m_host->Files().ListDirectory("SYS1", "/QKTL/USERDATA/*.CFG", &error);
    EXPECT_EQ(names, (std::vector<std::string>{"x.cfg"}));
}

TEST_F(FilesTest, Utf16FilesKeepTheirCodedCharacterSet) {
    const std::string path = "/QTCP/ppprules.txt";
    ASSERT_EQ(WriteFile(*m_host, path, {"FILTER SET x ACTION = PERMIT", "ä€"}, kCcsidUtf16),
              kFileOk);
    EXPECT_EQ(*System().Files().Ccsid(path), kCcsidUtf16);
    // Rewriting without naming a character set keeps the file's.
    ASSERT_EQ(WriteFile(*m_host, path, {"ADDRESS a IP = 10.0.0.1"}), kFileOk);
    EXPECT_EQ(*System().Files().Ccsid(path), kCcsidUtf16);
    int result = -1;
    auto file = m_host->Files().CreateFile("SYS1", path, result);
    ASSERT_EQ(file->Open(3, 1, 1), kFileOk);
    EXPECT_EQ(file->GetCcsid(), kCcsidUtf16);
    char buffer[64];
    EXPECT_EQ(file->ReadLine(buffer, sizeof buffer), kFileOk);
    EXPECT_STREQ(buffer, "ADDRESS a IP = 10.0.0.1");
    EXPECT_EQ(file->ReadLine(buffer, sizeof buffer), kFileEndOfFile);
}

TEST_F(FilesTest, ALineCarriesItsCharactersAndNulAsItsLengthAndAFlag) {
    const std::string path = "/QKTL/UserData/lengths.cfg";
    int result = -1;
    auto file = m_host->Files().CreateFileForWrite("SYS1", path, 0, result, 1);
    ASSERT_EQ(file->Open(3, 3, 1), kFileOk);
    // Four characters in five bytes, and one that takes two 16-bit units.
    EXPECT_EQ(WriteLength("Caf\xC3\xA9"), 5u);
    EXPECT_EQ(WriteLength("\xF0\x9F\x93\x9E"), 3u);
    EXPECT_EQ(file->WriteLine("Caf\xC3\xA9", 5, kWritePlain), kFileOk);
    EXPECT_EQ(file->WriteLine("INCLUDE FILE = /a.i3p", 22, kWriteInclude), kFileOk);
    EXPECT_EQ(file->WriteLine("Caf\xC3\xA9", 6, kWritePlain), kFileError)
        << "bytes, not characters";
    EXPECT_EQ(file->WriteLine("ABC", 3, kWritePlain), kFileError) << "the NUL is counted";
    EXPECT_EQ(file->WriteLine("ABC", 4, 7), kFileError) << "no such flag";
    ASSERT_EQ(file->Close(), kFileOk);
    int open = -1;
    EXPECT_EQ(ReadFile(*m_host, path, &open),
              (std::vector<std::string>{"Caf\xC3\xA9", "INCLUDE FILE = /a.i3p"}));
}

TEST_F(FilesTest, AFileOpenForWritingIsInUseForOtherClientsUntilClosed) {
    const std::string path = "/QKTL/UserData/ras.cfg";
    ASSERT_EQ(WriteFile(*m_host, path, {"OLD=1"}), kFileOk);
    auto other = MakeHost("ptpctl");
    int result = -1;
    auto writer = m_host->Files().CreateFileForWrite("SYS1", path, 0, result, 1);
    ASSERT_EQ(writer->Open(3, 3, 1), kFileOk);
    writer->WriteLine("NEW=1", 6, kWritePlain);

    int open = -1;
    ReadFile(*other, path, &open);
    EXPECT_EQ(open, kFileInUse);
    EXPECT_EQ(WriteFile(*other, path, {"THEIRS=1"}), kFileInUse);
    // The writer itself may read: the old text until it closes.
    EXPECT_EQ(ReadFile(*m_host, path, &open), (std::vector<std::string>{"OLD=1"}));

    ASSERT_EQ(writer->Close(), kFileOk);
    EXPECT_EQ(ReadFile(*other, path, &open), (std::vector<std::string>{"NEW=1"}));

    // A writer dropped without Close leaves the old file and frees it.
    {
        auto dropped = other->Files().CreateFileForWrite("SYS1", path, 0, result, 1);
        ASSERT_EQ(dropped->Open(3, 3, 1), kFileOk);
        dropped->WriteLine("LOST=1", 7, kWritePlain);
    }
    EXPECT_EQ(ReadFile(*m_host, path, &open), (std::vector<std::string>{"NEW=1"}));
}

}  // namespace
}  // namespace ptp::host
