// The manual against the program, so that neither drifts from the other:
// every option that --help lists is in the manual's synopsis and under its
// OPTIONS, and every example of the manual works.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "tests/cli/RunProgram.h"

namespace ign::test {
namespace {

// The text of a section of the manual, with groff's font changes and
// escaped hyphens read as plain text.
std::string Section(const std::string& page, const std::string& name) {
  const std::size_t begin = page.find(".SH " + name + "\n");
  if (begin == std::string::npos) return {};
  std::string text = page.substr(begin, page.find("\n.SH ", begin + 1) - begin);
  text = std::regex_replace(text, std::regex(R"(\\f[BIRP])"), "");
  return std::regex_replace(text, std::regex(R"(\\-)"), "-");
}

TEST(ManPage, HasEveryOptionOfTheHelp) {
  const std::string help = RunConvert({"--help"}).out;
  const std::string page = ReadBytes(std::filesystem::path(IGN_MAN_PAGE));
  const std::string synopsis = Section(page, "SYNOPSIS");
  const std::string options = Section(page, "OPTIONS");
  // "  -o, --output=OUTPUT  ..." and "      --dry-run  ...": a short name
  // and a long one, or a long one alone.
  const std::regex listed(R"(\n  (?:(-[a-z]), |    )(--[a-z-]+))");
  int count = 0;
  for (std::sregex_iterator it(help.begin(), help.end(), listed), end; it != end; ++it, ++count) {
    const std::string short_name = (*it)[1];
    const std::string long_name = (*it)[2];
    const bool in_synopsis =
        synopsis.find(long_name) != std::string::npos ||
        (!short_name.empty() && synopsis.find(short_name) != std::string::npos);
    EXPECT_TRUE(in_synopsis) << long_name;
    EXPECT_NE(options.find("\n" + (short_name.empty() ? "" : short_name + ", ") + long_name),
              std::string::npos)
        << long_name;
  }
  EXPECT_EQ(count, 9);
}

TEST(ManPage, ExamplesWork) {
  if (!kHasPosixShell) GTEST_SKIP() << "the examples are shell command lines";
  TTempFolder folder;
  WriteBytes(folder / "engine.ign", ReadBytes(Example("kart-100.ign")));
  std::filesystem::create_directory(folder.Path() / "maps");
  for (const char* name : {"enduro-250.ign", "two-stroke-125.ign"}) {
    WriteBytes(folder / ("maps/" + std::string(name)), ReadBytes(Example(name)));
  }
  const std::string examples = Section(ReadBytes(std::filesystem::path(IGN_MAN_PAGE)), "EXAMPLES");
  const std::regex command(R"(\nign-convert( [^\n]*))");
  int count = 0;
  for (std::sregex_iterator it(examples.begin(), examples.end(), command), end; it != end;
       ++it, ++count) {
    const std::string arguments = (*it)[1];
    const TRunResult run = RunConvertInShell("cd \"$1\" && \"$0\"" + arguments, {folder / ""});
    EXPECT_EQ(run.status, 0) << arguments << "\n" << run.err;
    EXPECT_EQ(run.err, "") << arguments;
  }
  EXPECT_GE(count, 4);
  EXPECT_EQ(ReadBytes(folder / "new.ign"), ReadBytes(folder / "engine-2006.ign"));
}

}  // namespace
}  // namespace ign::test
