// The subcommands on real files in a scratch folder: output, exit codes,
// and that a refused or failed make leaves no file behind.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "custom/custom_file.h"
#include "tool/commands.h"
#include "tool/exit_codes.h"

namespace fs = std::filesystem;
using custom::Entry;

namespace {

class Commands : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("corvaset-dat-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override {
        ::chmod(Path("readonly.dat").c_str(), 0644);
        fs::remove_all(dir_);
    }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(Path(name), std::ios::binary) << bytes;
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(Path(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::string Dat(std::initializer_list<std::pair<Entry, std::uint32_t>> values) const {
        custom::EntryTable t;
        custom::CopyDefaults(t);
        for (const auto& [e, v] : values) t[e].value = v;
        const auto image = custom::EncodeCustomFile(t, custom::CodecModel::Model3);
        return {image.begin(), image.end()};
    }

    int Run(std::vector<std::string> args) {
        out_ = {};
        err_ = {};
        return tool::RunTool(args, out_, err_);
    }

    fs::path dir_;
    tool::TextOut out_, err_;
};

}  // namespace

TEST_F(Commands, ExitCodesForEachOutcome) {
    Write("clean.dat", Dat({{Entry::MasterVolume, 0x8404}}));
    Write("warned.dat", Dat({{Entry::MasVMax, 5}}));  // level left above its limit
    Write("empty.dat", "");
    Write("short.dat", Dat({{Entry::MasterVolume, 0x8404}}).substr(0, 500));
    Write("bad.desc", "MasterVolume = -7.0\n");
    Write("nothing.desc", "codec = QM-2\nEnable48KSpdif = on\n");
    Write("good.desc", "DisableAUX = on\n");
    Write("binary.desc", std::string("\x7F" "ELF\0\0", 6));
    fs::create_directory(dir_ / "folder");

    const struct {
        std::vector<std::string> args;
        int code;
        const char* says;  // in stdout or stderr
    } cases[] = {
        {{}, tool::kUsage, "expects a COMMAND"},
        {{"frobnicate"}, tool::kUsage, "unknown command frobnicate"},
        {{"show", "--bogus", Path("clean.dat")}, tool::kUsage, "unknown option --bogus"},
        {{"show", "--json", "--description", Path("clean.dat")}, tool::kUsage, "exclude each other"},
        {{"make", Path("good.desc")}, tool::kUsage, "expects DESCRIPTION -o FILE"},
        {{"diff", Path("clean.dat")}, tool::kUsage, "expects two FILEs"},
        {{"--help"}, tool::kSuccess, "Exit codes"},
        {{"make", "--help"}, tool::kSuccess, "codec = QM-2"},
        {{"diff", "A", "-h"}, tool::kSuccess, "Lists the entries whose records differ"},
        {{"help", "check"}, tool::kSuccess, "Validates FILE"},
        {{"show", Path("missing.dat")}, tool::kIoError, "cannot read: no such file"},
        {{"check", Path("folder")}, tool::kIoError, "is a folder"},
        {{"show", Path("empty.dat")}, tool::kInvalid, "not a valid customization file (1 error)"},
        {{"check", Path("short.dat")}, tool::kInvalid, "offset 500, record 62 (AuxRMax): the file is cut short"},
        {{"check", Path("clean.dat")}, tool::kSuccess, "0 errors, 0 warnings"},
        {{"check", Path("warned.dat")}, tool::kFound, "warning: offset 4, record 0 (MasterVolume): level -6.0 dB"},
        {{"show", "--description", Path("warned.dat")}, tool::kInvalid, "make cannot rebuild it"},
        {{"show", Path("warned.dat")}, tool::kSuccess, "could not have written this file (1 warning)"},
        {{"diff", Path("clean.dat"), Path("clean.dat")}, tool::kSuccess, ""},
        {{"diff", Path("clean.dat"), Path("warned.dat")}, tool::kFound, "  + absent (factory -6.0 dB)"},
        {{"make", Path("bad.desc"), "-o", Path("out.dat")}, tool::kInvalid, "bad.desc:1: error: MasterVolume:"},
        {{"make", Path("binary.desc"), "-o", Path("out.dat")}, tool::kInvalid, "not a text description"},
        {{"make", Path("nothing.desc"), "-o", Path("out.dat")}, tool::kFound, "no customized feature"},
        {{"make", Path("good.desc"), "-o", Path("folder")}, tool::kIoError, "a folder of that name"},
        {{"make", Path("good.desc"), "-o", Path("nowhere/out.dat")}, tool::kIoError, "cannot write"},
    };
    for (const auto& c : cases) {
        std::string line;
        for (const auto& a : c.args) line += a + " ";
        EXPECT_EQ(Run(c.args), c.code) << line << "\n" << out_.str() << err_.str();
        EXPECT_NE((out_.str() + err_.str()).find(c.says), std::string::npos) << line << "\n"
                                                                              << out_.str() << err_.str();
    }
    EXPECT_FALSE(fs::exists(dir_ / "out.dat"));  // no refused make left a file
    EXPECT_TRUE(fs::is_empty(dir_ / "folder"));
}

TEST_F(Commands, MakeReplacesTheWholeFileOrLeavesItAlone) {
    Write("good.desc", "DisableAUX = on\nRecordSelect = Mic\nMasVMax = -7.5\n");
    Write("out.dat", std::string(1000, 'x'));
    ASSERT_EQ(Run({"make", Path("good.desc"), "-o", Path("out.dat")}), tool::kSuccess) << err_.str();
    EXPECT_EQ(Read("out.dat"), Dat({{Entry::DisableAUX, 1}, {Entry::RecordSelect, 0}, {Entry::MasVMax, 5},
                                    {Entry::MasterVolume, 0x0505}}));

    Write("readonly.dat", "old");
    ::chmod(Path("readonly.dat").c_str(), 0444);
    EXPECT_EQ(Run({"make", Path("good.desc"), "-o", Path("readonly.dat")}), tool::kIoError);
    EXPECT_NE(err_.str().find("read-only"), std::string::npos);
    EXPECT_EQ(Read("readonly.dat"), "old");
    for (const auto& entry : fs::directory_iterator(dir_))  // no temporary file left over
        EXPECT_EQ(entry.path().filename().string().find(".corvaset-dat-"), std::string::npos);
}

TEST_F(Commands, ShowDescriptionThenMakeGivesTheSameBytes) {
    const std::string original = Dat({{Entry::MasterVolume, 0x8505}, {Entry::MasVMax, 5},
                                      {Entry::BeepVolume, 0x0005}, {Entry::RecordSelect, 0x0404},
                                      {Entry::SpdifSrc, 1}, {Entry::DisableHeadphone, 0}});
    Write("a.dat", original);
    ASSERT_EQ(Run({"show", "--description", Path("a.dat")}), tool::kSuccess) << err_.str();
    Write("a.desc", out_.str());
    ASSERT_EQ(Run({"make", Path("a.desc"), "-o", Path("b.dat")}), tool::kSuccess) << err_.str();
    EXPECT_EQ(Read("b.dat"), original);
}

TEST_F(Commands, ShowListsEntriesInTheDialogsTerms) {
    Write("a.dat", Dat({{Entry::MasterVolume, 0x8505}, {Entry::MasVMax, 5}, {Entry::SpdifSrc, 1}}));
    ASSERT_EQ(Run({"show", Path("a.dat")}), tool::kSuccess);
    EXPECT_EQ(out_.str(),
              "  0  MasterVolume         0x8505      -7.5 dB, muted\n"
              " 19  SpdifSrc             0x01        on  [QM-3/QM-3A only]\n"
              " 38  MasVMax              0x05        max level -7.5 dB (MasterVolume)\n");

    ASSERT_EQ(Run({"show", "--all", Path("a.dat")}), tool::kSuccess);
    EXPECT_NE(out_.str().find("  1  HeadphoneVolume      absent      factory: -6.0 dB\n"
                              "     The headphone output's level and mute as the driver starts.\n"),
              std::string::npos);
    const std::string all = out_.str();
    EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 2 * 73);  // each entry and what it does

    ASSERT_EQ(Run({"show", "--json", Path("a.dat")}), tool::kSuccess);
    EXPECT_NE(out_.str().find("{\"index\": 0, \"key\": \"MasterVolume\", \"kind\": \"level\", \"present\": true, "
                              "\"value\": 34053, \"factory\": 1028, \"meaning\": \"-7.5 dB, muted\", "
                              "\"qm3Only\": false}"),
              std::string::npos)
        << out_.str();
}
