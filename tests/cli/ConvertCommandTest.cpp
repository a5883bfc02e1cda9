// ign-convert as a command: arguments, messages, exit status and what it
// leaves on disk.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "files/Utf8Path.h"
#include "params/IgnWriter.h"
#include "tests/cli/RunProgram.h"

namespace ign::test {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

// Absolute, so that on Windows under Wine they start with "/" like the
// arguments that must not be taken for Windows-style options.
const std::string kKart = Example("kart-100.ign");
const std::string kEnduro = Example("enduro-250.ign");
const std::string kTwoStroke = Example("two-stroke-125.ign");

// An example with one value that wraps, in `folder`.
std::string WrappedKart(const TTempFolder& folder) {
  std::string text = ReadBytes(kKart);
  WriteBytes(folder / "wrapped.ign",
             text.replace(text.find("BIKE              7"), 19, "BIKE            300"));
  return folder / "wrapped.ign";
}

// What the converter made of an example on its own, for comparisons.
std::string Converted(const std::string& input) {
  const TRunResult run = RunConvert({input, "-o", "-"});
  EXPECT_EQ(run.status, 0) << run.err;
  return run.out;
}

TEST(ConvertCommand, WritesOneFileOfTheFixedSize) {
  TTempFolder folder;
  const TRunResult run = RunConvert({kKart, "-o", folder / "kart.ign"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "");
  const std::string output = ReadBytes(folder / "kart.ign");
  EXPECT_EQ(output.size(), kIgn2006Size);
  EXPECT_EQ(output.substr(0, 21), "ZANTROVA_KEY    51 \r\n");
  EXPECT_EQ(folder.Names(), Names{"kart.ign"});  // no temporary file left
}

TEST(ConvertCommand, HelpAndVersionGoToStandardOutput) {
  for (const char* option : {"--help", "-h", "--version"}) {
    const TRunResult run = RunConvert({option});
    EXPECT_EQ(run.status, 0) << option;
    EXPECT_NE(run.out, "") << option;
    EXPECT_EQ(run.err, "") << option;
  }
  EXPECT_EQ(RunConvert({"--version"}).out, "ign-convert 1.0.0\n");
  EXPECT_NE(RunConvert({"--help"}).out.find("-d DIR INPUT..."), std::string::npos);
}

// Usage errors in the program's own words, as GNU tools word them.
TEST(ConvertCommand, UsageErrorsExitWithTwoAndWriteNothing) {
  TTempFolder folder;
  const std::string out = folder / "out.ign";
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{}, "no input file given"},
      {{kKart}, "give -o OUTPUT or -d DIR"},
      {{kKart, "-o", out, "-d", folder / ""}, "-o and -d cannot be used together"},
      {{kKart, kEnduro, "-o", out}, "-o takes one input; use -d DIR for several"},
      {{"-o", out}, "no input file given"},
      {{"-d", folder / "", "-"}, "standard input can only be converted with -o"},
      {{"-d", folder / "", kKart, folder / "kart-100.ign"},
       kKart + " and " + (folder / "kart-100.ign") + " would both be written to " +
           Utf8FromPath(folder.Path() / "kart-100.ign")},
      {{kKart, "-o", out, "--no-such-option"}, "unrecognized option '--no-such-option'"},
      {{kKart, "-o", out, "--no=1"}, "unrecognized option '--no=1'"},
      {{kKart, "-xo", out}, "invalid option -- 'x'"},
      {{kKart, "-o"}, "option requires an argument -- 'o'"},
      {{kKart, "--output"}, "option '--output' requires an argument"},
      {{kKart, "-o", ""}, "-o needs a file name"},  // not the current folder, nor no file
      {{"-d", "", kKart}, "-d needs a folder name"},
      {{"--dry-run=no", kKart, "-o", out}, "option '--dry-run' doesn't allow an argument"},
      {{"--force=yes", kKart, "-o", out}, "option '--force' doesn't allow an argument"},
      {{"--d", kKart}, "option '--d' is ambiguous; possibilities: '--directory' '--dry-run'"},
      {{"--report=xml", "--dry-run", kKart},
       "invalid argument 'xml' for '--report'; valid arguments are 'text' and 'json'"},
      {{"--unexpected-only", kKart, "-o", out}, "--unexpected-only needs --report or --dry-run"},
      {{"--report", kKart, "-o", "-"},
       "the report and the converted file cannot both go to standard output"},
  };
  for (const auto& [args, problem] : cases) {
    const TRunResult run = RunConvert(args);
    const std::string shown = ::testing::PrintToString(args);
    EXPECT_EQ(run.status, 2) << shown;
    EXPECT_EQ(run.out, "") << shown;
    EXPECT_EQ(run.err,
              "ign-convert: " + problem + "\nTry 'ign-convert --help' for more information.\n")
        << shown;
    EXPECT_EQ(folder.Names(), Names{}) << shown;
  }
}

// Options anywhere, bundled, abbreviated, with their values glued or apart;
// "--" ends them.
TEST(ConvertCommand, OptionsAsGnuToolsTakeThem) {
  TTempFolder folder;
  WriteBytes(folder / "-f", ReadBytes(kKart));
  const std::vector<std::string> cases[] = {
      {"-fo", folder / "out.ign", kKart},
      {"-fo" + (folder / "out.ign"), kKart},
      {kKart, "--out=" + (folder / "out.ign"), "--for"},
      {"--force", "--output", folder / "out.ign", "--", folder / "-f"},
  };
  for (const auto& args : cases) {
    const TRunResult run = RunConvert(args);
    EXPECT_EQ(run.status, 0) << ::testing::PrintToString(args) << run.err;
    EXPECT_EQ(ReadBytes(folder / "out.ign"), Converted(kKart));
  }
}

// "--report json" reads a file named json, as GNU tools take an optional
// value only after "="; when there is none, the message says what was meant.
TEST(ConvertCommand, ReportWithASpaceReadsAFile) {
  TTempFolder folder;
  const TRunResult run = RunConvert({"--report", "json", "-d", folder / "out"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            "ign-convert: json: Open file error! (No such file or directory; --report=json was "
            "probably meant)\n");
  EXPECT_EQ(run.out, "json: not converted\n");
  // The hint is for that word after that option only.
  EXPECT_EQ(RunConvert({"--report=text", "json", "-d", folder / "out"}).err,
            "ign-convert: json: Open file error! (No such file or directory)\n");
}

TEST(ConvertCommand, InputsThatFailAreNamedAndLeaveNoOutput) {
  TTempFolder folder;
  WriteBytes(folder / "2006.ign", Converted(kKart));
  WriteBytes(folder / "empty.ign", "");
  WriteBytes(folder / "36.ign", "ZANTROVA_KEY 36 BIKE 2");
  WriteBytes(folder / "late.ign", "BIKE 2 ZANTROVA_KEY\n");
  WriteBytes(folder / "bom.ign", "\xEF\xBB\xBFZANTROVA_KEY 37\r\nBIKE 2\r\n");
  fs::create_directory(folder / "folder.ign");
  struct TCase {
    std::string input;
    std::string message;
  };
  const TCase cases[] = {
      {folder / "missing.ign", "Open file error! (No such file or directory)"},
      {folder / "folder.ign", "Open file error! (Is a directory)"},
      {kNullDevice, "Open file error!"},  // no regular file, refused without a system reason
      {folder / "2006.ign", "Unmatched version of *.ign file!"},
      {folder / "empty.ign", "Unmatched version of *.ign file!"},
      {folder / "36.ign", "Unmatched version of *.ign file!"},
      {folder / "late.ign", "Unmatched version of *.ign file!"},
      {folder / "bom.ign",
       "Unmatched version of *.ign file! (it starts with a UTF-8 byte-order mark; save it without "
       "one)"},
  };
  for (const TCase& c : cases) {
    const TRunResult run = RunConvert({c.input, "-o", folder / "out.ign"});
    EXPECT_EQ(run.status, 1) << c.input;
    EXPECT_EQ(run.err, "ign-convert: " + c.input + ": " + c.message + "\n");
    EXPECT_FALSE(fs::exists(folder / "out.ign")) << c.input;
  }
  const TRunResult run = RunConvert({"-", "-o", folder / "out.ign"}, "BIKE 1");
  EXPECT_EQ(run.err, "ign-convert: <stdin>: Unmatched version of *.ign file!\n");
}

TEST(ConvertCommand, ExistingOutputIsReplacedOnlyWithForce) {
  TTempFolder folder;
  const std::string out = folder / "out.ign";
  WriteBytes(out, "keep me");
  TRunResult run = RunConvert({kKart, "-o", out});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "ign-convert: " + out + ": Output file exists (use -f to replace it)\n");
  EXPECT_EQ(ReadBytes(out), "keep me");

  for (const char* force : {"-f", "--force"}) {
    WriteBytes(out, "keep me");
    run = RunConvert({kKart, force, "-o", out});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadBytes(out), Converted(kKart));
  }
  EXPECT_EQ(folder.Names(), Names{"out.ign"});
}

TEST(ConvertCommand, OutputsThatCannotBeCreatedAreNamed) {
  TTempFolder folder;
  fs::create_directory(folder / "taken");
  WriteBytes(folder / "file.ign", "keep me");
  const std::pair<std::string, std::string> cases[] = {
      {folder / "no-such-folder/out.ign", "No such file or directory"},
      {folder / "taken", "Is a directory"},
      {folder / "taken/", "Is a directory"},
      {folder / "new.ign/", "No such file or directory"},  // no folder of that name
      {folder / "file.ign/", "Not a directory"},
      {folder / (std::string(300, 'n') + ".ign"), "File name too long"},
  };
  // A folder is no file to replace, -f or not: the message says so alone,
  // and no count of changes follows it.
  for (const char* force : {"-f", "--strict"}) {
    for (const auto& [out, reason] : cases) {
      const TRunResult run = RunConvert({WrappedKart(folder), force, "-o", out});
      EXPECT_EQ(run.status, 1) << out;
      EXPECT_EQ(run.err, "ign-convert: " + out + ": Open file error! (" + reason + ")\n");
    }
  }
  EXPECT_TRUE(fs::is_directory(folder / "taken"));
  EXPECT_EQ(ReadBytes(folder / "file.ign"), "keep me");
  EXPECT_EQ(folder.Names(), (Names{"file.ign", "taken", "wrapped.ign"}));
}

TEST(ConvertCommand, StandardInputAndOutputCarryTheSameBytesAsFiles) {
  TTempFolder folder;
  ASSERT_EQ(RunConvert({kEnduro, "-o", folder / "file.ign"}).status, 0);
  const std::string expected = ReadBytes(folder / "file.ign");

  EXPECT_EQ(Converted(kEnduro), expected);
  const TRunResult piped = RunConvert({"-", "-o", "-"}, ReadBytes(kEnduro));
  EXPECT_EQ(piped.status, 0) << piped.err;
  EXPECT_EQ(piped.out, expected);
  const TRunResult in = RunConvert({"-", "-o", folder / "in.ign"}, ReadBytes(kEnduro));
  EXPECT_EQ(in.status, 0) << in.err;
  EXPECT_EQ(ReadBytes(folder / "in.ign"), expected);
}

TEST(ConvertCommand, FolderBatchConvertsTheGoodInputsWhenOneFails) {
  TTempFolder folder;
  fs::create_directory(folder / "out");
  const std::string missing = folder / "missing.ign";
  const TRunResult run = RunConvert({"-d", folder / "out", kKart, missing, kEnduro, kTwoStroke});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "ign-convert: " + missing +
                         ": Open file error! (No such file or directory)\n"
                         "ign-convert: 4 files: 1 failed\n");
  const fs::path out = folder.Path() / "out";
  EXPECT_EQ(ReadBytes(out / "kart-100.ign"), Converted(kKart));
  EXPECT_EQ(ReadBytes(out / "enduro-250.ign"), Converted(kEnduro));
  EXPECT_EQ(ReadBytes(out / "two-stroke-125.ign"), Converted(kTwoStroke));
  EXPECT_FALSE(fs::exists(out / "missing.ign"));
  EXPECT_EQ(std::distance(fs::directory_iterator(out), fs::directory_iterator()), 3);
}

// -d makes its folder when it is missing; when it cannot, one message says
// why and nothing is converted.
TEST(ConvertCommand, FolderBatchMakesItsFolderOnce) {
  TTempFolder folder;
  WriteBytes(folder / "file", "keep me");
  ASSERT_EQ(RunConvert({"-d", folder / "new", kKart, kEnduro}).status, 0);
  EXPECT_EQ(ReadBytes(fs::path(folder / "new") / "kart-100.ign"), Converted(kKart));
  const std::pair<std::string, std::string> cases[] = {
      {folder / "no/such", "No such file or directory"},  // its parent is not made
      {folder / "file", "Not a directory"},
  };
  for (const auto& [directory, reason] : cases) {
    const TRunResult run = RunConvert({"--report", "-d", directory, kKart, kEnduro});
    EXPECT_EQ(run.status, 1) << directory;
    EXPECT_EQ(run.out, "") << directory;
    EXPECT_EQ(run.err, "ign-convert: " + directory + ": Create folder error! (" + reason + ")\n");
  }
  // A dry run writes nothing and makes nothing.
  EXPECT_EQ(RunConvert({"--dry-run", "-d", folder / "dry", kKart}).status, 0);
  EXPECT_EQ(folder.Names(), (Names{"file", "new"}));
}

// The window keeps one set across conversions; the command line must not, or
// a file without "BIKE" would take the previous file's.
TEST(ConvertCommand, BatchResultsDoNotDependOnInputOrder) {
  TTempFolder folder;
  const std::string a = folder / "a.ign";
  const std::string b = folder / "b.ign";
  WriteBytes(a, ReadBytes(kTwoStroke));  // has "BIKE 2" and "ALARM"
  WriteBytes(b, "ZANTROVA_KEY 37\r\nLIMITER 9000 9500 10000\r\n");
  for (const char* sub : {"ab", "ba"}) fs::create_directory(folder / sub);
  ASSERT_EQ(RunConvert({"-d", folder / "ab", a, b}).status, 0);
  ASSERT_EQ(RunConvert({"-d", folder / "ba", b, a}).status, 0);

  const std::string b_alone = Converted(b);
  EXPECT_EQ(ReadBytes(folder.Path() / "ab" / "b.ign"), b_alone);
  EXPECT_EQ(ReadBytes(folder.Path() / "ba" / "b.ign"), b_alone);
  EXPECT_EQ(ReadBytes(folder.Path() / "ab" / "a.ign"), ReadBytes(folder.Path() / "ba" / "a.ign"));
  EXPECT_NE(b_alone.find("\r\nBIKE             0 \r\n"), std::string::npos);
}

// A size limit makes the write fail part way, as a full disk would.
TEST(ConvertCommand, FailedWriteKeepsTheEarlierOutputAndLeavesNoTemporaryFile) {
  if (!kCanLimitFileSize) GTEST_SKIP() << "no per-process file size limit to make a write fail";
  TTempFolder folder;
  const std::string out = folder / "out.ign";
  const std::string earlier = Converted(kKart);
  WriteBytes(out, earlier);
  const TRunResult run = RunConvert({kEnduro, "-f", "-o", out}, "", 4096);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "ign-convert: " + out + ": Write file error! (File too large)\n");
  EXPECT_EQ(ReadBytes(out), earlier);
  EXPECT_EQ(folder.Names(), Names{"out.ign"});

  const TRunResult batch = RunConvert({"-d", folder / "", kEnduro, kTwoStroke}, "", 4096);
  EXPECT_EQ(batch.status, 1);
  EXPECT_EQ(folder.Names(), Names{"out.ign"});
}

TEST(ConvertCommand, LinkedOutputReplacesTheFileAndKeepsTheLink) {
  TTempFolder folder;
  WriteBytes(folder / "real.ign", "old");
  std::error_code error;
  fs::create_symlink("real.ign", folder.Path() / "link.ign", error);
  // Windows lets only privileged users make links.
  if (error) GTEST_SKIP() << "cannot make a link here: " << error.message();
  ASSERT_EQ(RunConvert({kKart, "-f", "-o", folder / "link.ign"}).status, 0);
  EXPECT_TRUE(fs::is_symlink(folder.Path() / "link.ign"));
  EXPECT_EQ(ReadBytes(folder / "real.ign"), Converted(kKart));
  EXPECT_EQ(folder.Names(), (Names{"link.ign", "real.ign"}));
}

// Two names of one output in a batch: the second input is refused rather
// than silently replacing the first one's result.
TEST(ConvertCommand, BatchWritesNoFileTwiceThroughALink) {
  TTempFolder folder;
  fs::create_directory(folder / "in");
  fs::create_directory(folder / "out");
  WriteBytes(folder / "in/a.ign", ReadBytes(kKart));
  WriteBytes(folder / "in/b.ign", ReadBytes(kEnduro));
  std::error_code error;
  fs::create_symlink("a.ign", folder.Path() / "out" / "b.ign", error);
  if (error) GTEST_SKIP() << "cannot make a link here: " << error.message();
  const std::string b = Utf8FromPath(folder.Path() / "out" / "b.ign");
  const TRunResult run =
      RunConvert({"-f", "-d", folder / "out", folder / "in/a.ign", folder / "in/b.ign"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "ign-convert: " + b +
                         ": Open file error! (an earlier input is written to the same file)\n"
                         "ign-convert: 2 files: 1 failed\n");
  EXPECT_EQ(ReadBytes(folder.Path() / "out" / "a.ign"), Converted(kKart));
}

// Names are UTF-8 on the command line and in messages on every system; on
// Windows they must still reach the files of those names.
TEST(ConvertCommand, NamesBeyondAsciiWorkAsAnyOther) {
  TTempFolder folder;
  const std::string input = folder / "kart-\xC3\xBC.ign";                        // kart-ü.ign
  const std::string output = folder / "\xE5\x87\xBA-\xC3\xBC.ign";               // 出-ü.ign
  const std::string depot = "d\xC3\xA9p\xC3\xB4t";                               // dépôt
  const std::string missing = folder / "\xC5\xBE\xC3\xA1\xC4\x8Fn\xC3\xBD.ign";  // žďáný.ign
  WriteBytes(input, ReadBytes(kKart));
  fs::create_directory(PathFromUtf8(folder / depot));

  TRunResult run = RunConvert({input, "-o", output});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadBytes(output), Converted(kKart));
  run = RunConvert({"-d", folder / depot, input});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadBytes(folder.Path() / PathFromUtf8(depot) / PathFromUtf8("kart-\xC3\xBC.ign")),
            Converted(kKart));
  run = RunConvert({missing, "-o", output});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err,
            "ign-convert: " + missing + ": Open file error! (No such file or directory)\n");
  run = RunConvert({input, "-o", output});
  EXPECT_EQ(run.err, "ign-convert: " + output + ": Output file exists (use -f to replace it)\n");
  EXPECT_EQ(folder.Names(),
            (Names{"d\xC3\xA9p\xC3\xB4t", "kart-\xC3\xBC.ign", "\xE5\x87\xBA-\xC3\xBC.ign"}));
}

// The outputs recorded from the Linux build: every build must write exactly
// these bytes. After an intended change of the output, record them anew with
// "build/bin/ign-convert -f examples/NAME -o tests/cli/converted/NAME".
TEST(ConvertCommand, ExamplesConvertToTheRecordedBytes) {
  int examples = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(IGN_EXAMPLES_DIR)) {
    const fs::path name = entry.path().filename();
    const std::string expected = ReadBytes(fs::path(IGN_CONVERTED_DIR) / name);
    EXPECT_TRUE(Converted(Utf8FromPath(entry.path())) == expected) << name;
    ++examples;
  }
  EXPECT_GE(examples, 3);
}

// POSIX renames over a read-only file as over any other and keeps its mode;
// on Windows read-only means the file is not to be changed or replaced.
TEST(ConvertCommand, ReadOnlyOutputIsReplacedOnlyWhereTheSystemAllowsIt) {
  TTempFolder folder;
  const std::string out = folder / "out.ign";
  WriteBytes(out, "keep me");
  fs::permissions(PathFromUtf8(out),
                  fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  const TRunResult run = RunConvert({kKart, "-f", "-o", out});
#ifdef _WIN32
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "ign-convert: " + out + ": Open file error!\n");
  EXPECT_EQ(ReadBytes(out), "keep me");
#else
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadBytes(out), Converted(kKart));
#endif
  EXPECT_EQ(fs::status(PathFromUtf8(out)).permissions() & fs::perms::owner_write, fs::perms::none);
  EXPECT_EQ(folder.Names(), Names{"out.ign"});
  fs::permissions(PathFromUtf8(out), fs::perms::owner_write, fs::perm_options::add);
}

// A file another program reads: POSIX replaces it and the reader keeps the
// old bytes; Windows cannot replace a file open without shared deletion.
TEST(ConvertCommand, OutputThatAnotherProgramReadsIsReplacedOnlyWhereTheSystemAllows) {
  TTempFolder folder;
  const std::string out = folder / "out.ign";
  WriteBytes(out, "keep me");
  std::ifstream reader(PathFromUtf8(out), std::ios::binary);
  ASSERT_TRUE(reader.is_open());
  const TRunResult run = RunConvert({kKart, "-f", "-o", out});
  std::string seen;
  std::getline(reader, seen);
  EXPECT_EQ(seen, "keep me");
  reader.close();
#ifdef _WIN32
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "ign-convert: " + out + ": Write file error! (Permission denied)\n");
  EXPECT_EQ(ReadBytes(out), "keep me");
#else
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadBytes(out), Converted(kKart));
#endif
  EXPECT_EQ(folder.Names(), Names{"out.ign"});
}

// Standard output: what did not arrive is a failure, whatever printed it,
// told once, as any failed write is.
TEST(StandardOutput, LostOutputFailsWithWriteError) {
  if (!kHasPosixShell)
    GTEST_SKIP() << "needs a POSIX shell to send standard output to /dev/full or close it";
  const std::vector<std::vector<std::string>> cases = {
      {"--help"},
      {"--version"},
      {"--dry-run", kKart},
      {"--dry-run", "--report=json", kKart},
      {"--report", kKart, "-f", "-o", "/dev/null/x"},
      {kKart, "-o", "-"},
  };
  const std::pair<const char*, const char*> redirects[] = {
      {">/dev/full", "No space left on device"},
      {">&-", "Bad file descriptor"},
  };
  for (const auto& [redirect, reason] : redirects) {
    for (const auto& args : cases) {
      const std::string shown = redirect + ::testing::PrintToString(args);
      const TRunResult run = RunConvertInShell(std::string("exec \"$0\" \"$@\" ") + redirect, args);
      EXPECT_EQ(run.status, 1) << shown;
      const std::string lost =
          std::string("ign-convert: <stdout>: Write file error! (") + reason + ")\n";
      EXPECT_TRUE(run.err.ends_with(lost)) << shown << run.err;
      EXPECT_EQ(run.err.find("<stdout>"), run.err.rfind("<stdout>")) << shown << run.err;
    }
  }
}

TEST(Messages, ControlCharactersInNamesAreQuoted) {
  TTempFolder folder;
  const std::string name = folder / "a\033]0;owned\007\x7f\xc2\x9b.ign";
  const TRunResult run = RunConvert({name, "-o", folder / "out.ign"});
  EXPECT_EQ(run.status, 1);
#ifdef _WIN32
  const std::string reason = "Invalid argument";  // no name there may hold a control character
#else
  const std::string reason = "No such file or directory";
#endif
  EXPECT_EQ(run.err, "ign-convert: " + (folder / "a\\033]0;owned\\007\\177\\302\\233.ign") +
                         ": Open file error! (" + reason + ")\n");
}

// A closed standard input, and a device that would never end, are refused
// as under a name.
TEST(Messages, StandardInputThatCannotBeReadIsRefused) {
  if (!kHasPosixShell) GTEST_SKIP() << "needs a POSIX shell to redirect standard input";
  TTempFolder folder;
  const std::pair<const char*, const char*> cases[] = {
      {"<&-", "Open file error! (Bad file descriptor)"},
      {"</dev/zero", "Open file error!"},
  };
  for (const auto& [redirect, message] : cases) {
    const TRunResult run = RunConvertInShell(std::string("exec \"$0\" \"$@\" ") + redirect,
                                             {"-", "-o", folder / "o.ign"});
    EXPECT_EQ(run.status, 1) << redirect;
    EXPECT_EQ(run.err, std::string("ign-convert: <stdin>: ") + message + "\n");
  }
  EXPECT_EQ(folder.Names(), Names{});
}

// Standard error whose reader has gone (a closed pager) fails the messages,
// not the batch: every input is still converted and nothing is left.
TEST(Messages, LostStandardErrorStopsNothing) {
  if (!kHasPosixShell) GTEST_SKIP() << "needs a POSIX shell for a pipe without a reader";
  TTempFolder folder;
  fs::create_directory(folder / "out");
  const std::string fifo = folder / "fifo";
  // The reader opens the pipe and is gone before the program starts, which
  // meets SIGPIPE as a shell would leave it.
  const TRunResult run = RunConvertInShell(
      "f=$1; shift; mkfifo \"$f\"; (exec 9<\"$f\") & exec 2>\"$f\"; wait; rm \"$f\"; "
      "exec env --default-signal=PIPE \"$0\" \"$@\"",
      {fifo, "-d", folder / "out", folder / "missing.ign", kKart, kEnduro});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(ReadBytes(folder.Path() / "out" / "enduro-250.ign"), Converted(kEnduro));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path() / "out"), fs::directory_iterator()),
            2);
}

// Inputs go through the reader's buffer: an endless run of one token costs
// no more memory than a small file.
TEST(Memory, LongInputReadInBoundedMemory) {
  if (!kHasPosixShell)
    GTEST_SKIP() << "needs a POSIX shell for ulimit -v and a pipe from /dev/zero";
#ifdef IGN_SANITIZED
  GTEST_SKIP() << "an address-space limit does not work with AddressSanitizer";
#endif
  TTempFolder folder;
  const TRunResult run =
      RunConvertInShell("ulimit -v 65536; head -c 300000000 /dev/zero | \"$0\" \"$@\"",
                        {"-", "-o", folder / "o.ign"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "ign-convert: <stdin>: Unmatched version of *.ign file!\n");
  const TRunResult explained =
      RunConvertInShell("ulimit -v 65536; head -c 300000000 /dev/zero | \"$0\" \"$@\"",
                        {"--report", "--dry-run", "-"});
  EXPECT_EQ(explained.status, 1);
  EXPECT_EQ(explained.err, "ign-convert: <stdin>: Unmatched version of *.ign file!\n");
}

// A batch holds no more files open than the process may: under a small
// limit every input is still converted.
TEST(Memory, BatchWithinTheDescriptorLimit) {
  if (!kHasPosixShell) GTEST_SKIP() << "needs a POSIX shell for ulimit -n";
  TTempFolder folder;
  fs::create_directory(folder / "out");
  std::vector<std::string> args = {"-d", folder / "out"};
  for (int i = 0; i < 60; ++i) {
    args.push_back(folder / ("e" + std::to_string(i) + ".ign"));
    WriteBytes(args.back(), ReadBytes(kKart));
  }
  const TRunResult run = RunConvertInShell("ulimit -n 24; exec \"$0\" \"$@\"", args);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path() / "out"), fs::directory_iterator()),
            60);
}

// An input too long to be explained value by value is still converted, and
// says that it was not checked.
TEST(Memory, LongInputConvertedButNotChecked) {
  TTempFolder folder;
  WriteBytes(folder / "long.ign", "ZANTROVA_KEY 37\n" + std::string(2 << 20, ' ') + "BIKE 3\n");
  const TRunResult run =
      RunConvert({"--strict", "--report", "-o", folder / "out.ign", folder / "long.ign"});
  EXPECT_EQ(run.status, 3) << run.err;
  EXPECT_NE(run.out.find("(whole file)"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("not-checked"), std::string::npos) << run.out;
  EXPECT_NE(ReadBytes(folder / "out.ign").find("BIKE             3 "), std::string::npos);
}

// Whatever one input costs, the inputs after it are still converted, and a
// failure names its file.
TEST(Memory, OneCostlyInputDoesNotStopTheBatch) {
  if (!kHasPosixShell) GTEST_SKIP() << "needs a POSIX shell for ulimit -v";
#ifdef IGN_SANITIZED
  GTEST_SKIP() << "an address-space limit does not work with AddressSanitizer";
#endif
  TTempFolder folder;
  std::string repeated = "ZANTROVA_KEY 37\n";
  for (int i = 0; i < 100000; ++i) repeated += "IGN_1\n";
  WriteBytes(folder / "repeated.ign", repeated);
  fs::create_directory(folder / "out");
  const TRunResult run = RunConvertInShell(
      "ulimit -v 300000; exec \"$0\" \"$@\"",
      {"--strict", "-d", folder / "out", kKart, folder / "repeated.ign", kEnduro});
  EXPECT_NE(run.status, 0);
  EXPECT_EQ(ReadBytes(folder.Path() / "out" / "kart-100.ign"), Converted(kKart));
  EXPECT_EQ(ReadBytes(folder.Path() / "out" / "enduro-250.ign"), Converted(kEnduro));
  if (run.status == 1) {
    EXPECT_EQ(run.err.rfind("ign-convert: " + (folder / "repeated.ign") + ": ", 0), 0u) << run.err;
  }
}

}  // namespace
}  // namespace ign::test
