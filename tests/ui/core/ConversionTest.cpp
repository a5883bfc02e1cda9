// File > Open from the open dialog to the file written, through the window's
// seam: every path a user can take, what the window shows after it, and the
// status line with its report.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/report/Troubled.h"
#include "tests/ui/core/Session.h"

namespace ign::test {
namespace {

using TNames = std::vector<std::string>;

const std::string kOpenFileError = "Open file error!";
const std::string kUnmatched = "Unmatched version of *.ign file!";

// The example with one speed out of range: it wraps.
std::string WrappedExample() {
  std::string text = Example("kart-100.ign");
  const std::size_t at = text.find("LIMITER       11000");
  return text.replace(at, 19, "LIMITER       15000");
}

TEST(Conversion, EveryExampleAsRecorded) {
  for (const char* example : {"two-stroke-125.ign", "enduro-250.ign", "kart-100.ign"}) {
    TSession session;
    const std::string input = session.Path(example);
    Write(input, Example(example));
    session.form.Open(input, session.Path("out.ign"));

    TParameterSet expected = FreshSet();
    EXPECT_EQ(Read(session.Path("out.ign")), ConvertLikeWindow(expected, Example(example)));
    EXPECT_EQ(Read(session.Path("out.ign")), Read(std::string(IGN_CONVERTED_DIR "/") + example));
    EXPECT_EQ(Parameters(session.form.ParameterSet), Parameters(expected));
    EXPECT_EQ(Read(input), Example(example));
    EXPECT_EQ(session.form.label_file2, input);
    EXPECT_EQ(session.form.label_file5, session.Path("out.ign"));
    EXPECT_EQ(session.form.FileName, input);
    EXPECT_TRUE(session.form.messages.empty());
    // The save dialog proposed the file just read, on its first filter.
    ASSERT_EQ(session.form.save_shown.size(), 1u);
    EXPECT_EQ(session.form.save_shown[0].file_name, input);
    EXPECT_EQ(session.form.save_shown[0].filter_index, 1);
    // The open dialog offers the file chosen last when shown again.
    session.form.Open(std::nullopt);
    EXPECT_EQ(session.form.open_shown.back().file_name, input);
    TNames names{example, "out.ign"};
    std::sort(names.begin(), names.end());
    EXPECT_EQ(session.folder.Names(), names);
  }
}

TEST(Conversion, CancelledOpenChangesNothing) {
  TSession session;
  session.form.Open(std::nullopt);
  EXPECT_EQ(Parameters(session.form.ParameterSet), Parameters(FreshSet()));
  EXPECT_EQ(session.form.label_file2, kNoFileYet);
  EXPECT_EQ(session.form.label_file5, kNoFileYet);
  EXPECT_TRUE(session.form.messages.empty());
  EXPECT_TRUE(session.form.save_shown.empty());
}

// Each input the window refuses gets its message; the set, both labels and
// the status line keep what the conversion before left, or say nothing.
TEST(Conversion, InputsNotConverted) {
  const std::pair<const char*, const std::string*> cases[] = {
      {"missing", &kOpenFileError}, {"folder", &kOpenFileError}, {"empty", &kUnmatched},
      {"own-output", &kUnmatched},  {"key36", &kUnmatched},      {"bare-key", &kUnmatched},
  };
  for (const auto& [kind, message] : cases) {
    TSession session;
    session.ConvertKart();
    const std::string input = session.Path(std::string("input-") + kind + ".ign");
    const std::string kart = Example("kart-100.ign");
    if (std::string(kind) == "folder") fs::create_directory(PathFromUtf8(input));
    if (std::string(kind) == "empty") Write(input, "");
    if (std::string(kind) == "own-output") Write(input, Read(session.Path("first-2006.ign")));
    if (std::string(kind) == "key36") {
      Write(input,
            std::string(kart).replace(kart.find("ZANTROVA_KEY   37"), 17, "ZANTROVA_KEY   36"));
    }
    if (std::string(kind) == "bare-key") Write(input, "ZANTROVA_KEY\r\nBIKE 3\r\n");

    session.form.Open(input, session.Path("never.ign"));

    EXPECT_EQ(session.form.messages, TNames{*message}) << kind;
    EXPECT_EQ(Parameters(session.form.ParameterSet), Parameters(session.expected_set)) << kind;
    EXPECT_EQ(session.form.label_file2, session.Path("first.ign")) << kind;
    EXPECT_EQ(session.form.label_file5, session.Path("first-2006.ign")) << kind;
    EXPECT_EQ(session.form.save_shown.size(), 1u) << kind;  // the first conversion's only
    EXPECT_TRUE(session.form.status.empty()) << kind;
    EXPECT_FALSE(fs::exists(PathFromUtf8(session.Path("never.ign")))) << kind;
  }
}

TEST(Conversion, CancelledSaveLeavesTheSetReadAndAdjusted) {
  TSession session;
  session.ConvertKart();
  Write(session.Path("second.ign"), Example("enduro-250.ign"));
  session.form.Open(session.Path("second.ign"), std::nullopt);
  ConvertLikeWindow(session.expected_set, Example("enduro-250.ign"));
  EXPECT_EQ(Parameters(session.form.ParameterSet), Parameters(session.expected_set));
  EXPECT_EQ(session.form.label_file2, session.Path("second.ign"));
  EXPECT_EQ(session.form.label_file5, session.Path("first-2006.ign"));
  EXPECT_TRUE(session.form.messages.empty());
  EXPECT_TRUE(session.form.status.empty());
  EXPECT_EQ(session.folder.Names(), (TNames{"first-2006.ign", "first.ign", "second.ign"}));
}

TEST(Conversion, OutputThatCannotBeOpened) {
  for (const char* output : {"missing/out.ign", "in.ign/out.ign", "taken.ign"}) {
    TSession session;
    Write(session.Path("in.ign"), Example("kart-100.ign"));
    fs::create_directory(PathFromUtf8(session.Path("taken.ign")));
    session.form.Open(session.Path("in.ign"), session.Path(output));
    EXPECT_EQ(session.form.messages, TNames{kOpenFileError}) << output;
    EXPECT_EQ(session.form.label_file2, session.Path("in.ign"));
    EXPECT_EQ(session.form.label_file5, kNoFileYet);
    ConvertLikeWindow(session.expected_set, Example("kart-100.ign"));
    EXPECT_EQ(Parameters(session.form.ParameterSet), Parameters(session.expected_set));
    EXPECT_EQ(session.folder.Names(), (TNames{"in.ign", "taken.ign"})) << output;
  }
}

TEST(Conversion, NamesShownAsTheDialogsReturnThem) {
  const std::pair<const char*, const char*> cases[] = {
      {"a.ign", "b.ign"},
      {"my engine.ign", "new  setup.ign"},
      {"Zündung Öl.ign", "réglage été.ign"},
      {"tuning.txt", "tuning.out"},
      {"tuning", "tuning-2006"},
      {"sub/../a.ign", "./b.ign"},
      {"sub//a.ign", "sub//b.ign"},
  };
  for (const auto& [input, output] : cases) {
    TSession session;
    fs::create_directory(PathFromUtf8(session.Path("sub")));
    const std::string input_name = session.Path(input);
    Write(input_name, Example("enduro-250.ign"));
    session.form.Open(input_name, session.Path(output));
    EXPECT_TRUE(session.form.messages.empty()) << input;
    EXPECT_EQ(session.form.label_file2, input_name);
    EXPECT_EQ(session.form.label_file5, session.Path(output));
    EXPECT_EQ(session.form.save_shown.at(0).file_name, input_name);
    EXPECT_EQ(Read(session.Path(output)).size(), kIgn2006Size) << output;
  }
}

TEST(Conversion, SecondConversionCarriesTheSet) {
  TSession session;
  session.ConvertKart();
  const TParameterSet after_first = session.form.ParameterSet;
  // The second file lacks BIKE and ALARM: the window keeps kart's BIKE and
  // lowers kart's ALARM once more.
  std::string second;
  std::istringstream lines(Example("enduro-250.ign"));
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("BIKE", 0) != 0 && line.rfind("ALARM", 0) != 0) second += line + '\n';
  }
  Write(session.Path("second.ign"), second);

  session.form.Open(session.Path("second.ign"), session.Path("second-2006.ign"));

  EXPECT_TRUE(session.form.messages.empty());
  EXPECT_EQ(Read(session.Path("second-2006.ign")), ConvertLikeWindow(session.expected_set, second));
  EXPECT_EQ(session.form.ParameterSet.bike, 7);
  for (int i = 0; i < 15; ++i) {
    EXPECT_EQ(session.form.ParameterSet.alarm[i], std::max(0, after_first.alarm[i] - 20));
  }
  // Each save proposes the file just read, not the previous output.
  EXPECT_EQ(session.form.save_shown.back().file_name, session.Path("second.ign"));
  EXPECT_EQ(session.form.label_file5, session.Path("second-2006.ign"));
  // The report tells where the values came from.
  const std::string report = session.form.StatusReport.ReportText();
  const std::size_t bike = report.find("BIKE[0]");
  ASSERT_NE(bike, std::string::npos) << report;
  const std::string row = report.substr(bike, report.find('\n', bike) - bike);
  EXPECT_NE(row.find("-> 7 "), std::string::npos) << row;
  EXPECT_NE(row.find("missing-key: key missing, value kept from before"), std::string::npos);
}

TEST(Conversion, SavingOverTheInput) {
  TSession session;
  const std::string input = session.Path("bike.ign");
  Write(input, Example("two-stroke-125.ign"));
  session.form.Open(input, input);  // the name the save dialog proposed
  TParameterSet expected = FreshSet();
  EXPECT_EQ(Read(input), ConvertLikeWindow(expected, Example("two-stroke-125.ign")));
  EXPECT_EQ(session.form.label_file2, input);
  EXPECT_EQ(session.form.label_file5, input);
  EXPECT_EQ(session.folder.Names(), TNames{"bike.ign"});
}

TEST(Conversion, MessagesInTheLanguageOfTheMoment) {
  TSession session;
  Write(session.Path("old.ign"), "ZANTROVA_KEY 51\r\n");
  session.form.Open(session.Path("old.ign"));
  session.form.MenuGermanClick();
  session.form.Open(session.Path("old.ign"));
  session.form.Open(session.Path("missing.ign"));
  session.form.MenuFrenchClick();
  session.form.Open(session.Path("old.ign"));
  EXPECT_EQ(session.form.messages,
            (TNames{kUnmatched, "Datendatei *.ign ist nicht kompatiebel!",
                    "Fehler beim öffnen der Datei!",
                    "Programme du fichier non compatible avec programme PC!"}));
}

// The status line counts values and skipped words apart, or says that the
// file was not checked; it follows the language, the conversion's counts stay.
TEST(StatusLine, CountsInEveryLanguage) {
  using TLines = std::array<std::string, kLanguageCount>;
  const std::pair<std::string, TLines> cases[] = {
      {Example("kart-100.ign"),
       {"Converted. No value changed unexpectedly.", "Umgewandelt. Kein Wert unerwartet verändert.",
        "Converti. Aucune valeur modifiée de façon inattendue."}},
      {WrappedExample(),
       {"Converted. 1 value changed unexpectedly.", "Umgewandelt. 1 Wert unerwartet verändert.",
        "Converti. 1 valeur modifiée de façon inattendue."}},
      // The key given again: a speed wraps, one is rounded, the first
      // occurrence is skipped.
      {Example("kart-100.ign") + "LIMITER 15000 12790 9000\n",
       {"Converted. 2 values changed unexpectedly, 1 word skipped.",
        "Umgewandelt. 2 Werte unerwartet verändert, 1 Wort übersprungen.",
        "Converti. 2 valeurs modifiées de façon inattendue, 1 mot ignoré."}},
      {Example("kart-100.ign") + "FOO BAR\n",
       {"Converted. No value changed unexpectedly, 2 words skipped.",
        "Umgewandelt. Kein Wert unerwartet verändert, 2 Wörter übersprungen.",
        "Converti. Aucune valeur modifiée de façon inattendue, 2 mots ignorés."}},
      {Example("kart-100.ign") + std::string(std::size_t{1} << 20, ' '),
       {"Converted. Not checked: file over 1 MiB.", "Umgewandelt. Nicht geprüft: Datei über 1 MiB.",
        "Converti. Non vérifié: fichier de plus de 1 Mio."}},
  };
  for (const auto& [text, lines] : cases) {
    TSession session;
    Write(session.Path("in.ign"), text);
    session.form.Open(session.Path("in.ign"), session.Path("out.ign"));
    for (std::uint8_t language : {kGerman, kFrench, kEnglish}) {
      if (language == kGerman) session.form.MenuGermanClick();
      if (language == kFrench) session.form.MenuFrenchClick();
      if (language == kEnglish) session.form.MenuEnglishClick();
      EXPECT_EQ(session.form.status, lines[language]);
    }
    EXPECT_EQ(session.form.StatusReport.Warns(), text != Example("kart-100.ign"));
  }
}

TEST(StatusLine, ClearedWhenNoFileIsWritten) {
  TSession session;
  const std::string input = session.Path("in.ign");
  Write(input, Example("kart-100.ign"));
  Write(session.Path("v2006.ign"), "ZANTROVA_KEY 51");
  const std::string line = "Converted. No value changed unexpectedly.";
  session.form.Open(input, session.Path("out.ign"));
  session.form.Open(std::nullopt);  // starts no conversion
  EXPECT_EQ(session.form.status, line);
  const std::pair<std::string, std::optional<std::string>> failures[] = {
      {input, std::nullopt},  // save cancelled
      {session.Path("v2006.ign"), session.Path("out.ign")},
      {input, session.Path("no/such/folder/out.ign")},
  };
  for (const auto& [open, save] : failures) {
    session.form.Open(input, session.Path("out.ign"));
    ASSERT_EQ(session.form.status, line);
    session.form.Open(open, save);
    EXPECT_TRUE(session.form.status.empty()) << open;
    EXPECT_TRUE(session.form.StatusReport.ReportText().empty()) << open;
  }
}

// The Details text is the report as ign-convert --report prints it, word
// for word, in the window's language.
TEST(StatusLine, ReportIsTheCommandsReportInEveryLanguage) {
  TSession session;
  const std::string input = session.Path("troubled.ign");
  Write(input, kTroubled);
  session.form.Open(input, session.Path("out.ign"));
  const std::pair<std::uint8_t, const char*> languages[] = {
      {kEnglish, "troubled.txt"}, {kGerman, "troubled.de.txt"}, {kFrench, "troubled.fr.txt"}};
  for (const auto& [language, golden] : languages) {
    LanguageIndex = language;
    std::string text = session.form.StatusReport.ReportText();
    // The golden report names the file as given, without its folder.
    for (std::size_t at; (at = text.find(input)) != std::string::npos;) {
      text.replace(at, input.size(), "troubled.ign");
    }
    EXPECT_EQ(text, Read(std::string(IGN_GOLDEN_DIR "/") + golden)) << golden;
  }
}

}  // namespace
}  // namespace ign::test
