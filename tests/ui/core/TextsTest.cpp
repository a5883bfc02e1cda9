// The window's texts in English, German and French, how the language is
// chosen, and where the window goes: everything start-up decides.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "params/ParameterSet.h"
#include "tests/ui/core/FakeForm.h"
#include "ui/core/Jazyk1.h"
#include "ui/core/Layout.h"
#include "ui/core/Usage.h"

namespace ign::test {
namespace {

using TTexts = std::array<const char*, kLanguageCount>;

void Pick(TFakeForm& form, std::uint8_t language) {
  switch (language) {
    case kEnglish:
      return form.MenuEnglishClick();
    case kGerman:
      return form.MenuGermanClick();
    default:
      return form.MenuFrenchClick();
  }
}

std::string CheckedItems(TFakeForm& form) {
  std::string checked;
  if (form.checks[TControl::kMenuEnglish]) checked += 'E';
  if (form.checks[TControl::kMenuGerman]) checked += 'G';
  if (form.checks[TControl::kMenuFrench]) checked += 'F';
  return checked;
}

TEST(Texts, EveryCaptionInEveryLanguage) {
  const std::pair<TControl, TTexts> rows[] = {
      {TControl::kFormHlav,
       {"Converter *.ign file Version 2005 to Version 2006",
        "Verwandlung *.ign Version 2005 zu Version 2006",
        "Converter *.ign file Version 2005 to Version 2006"}},
      {TControl::kMenuFile, {"&File", "&Datei", "&Fichier"}},
      {TControl::kMenuOpen, {"&Open", "&Öffnen", "&Ouvrir"}},
      {TControl::kMenuExit, {"E&xit", "&Beenden", "&Sortir"}},
      {TControl::kMenuLanguage, {"&Language", "&Sprache", "&Langue"}},
      {TControl::kMenuEnglish, {"&English", "&Englisch", "&Englais"}},
      {TControl::kMenuGerman, {"&German", "&Deutsch", "&Allemand"}},
      {TControl::kMenuFrench, {"&French", "&Französisch", "&Francais"}},
      {TControl::kLabelFile1, {"File:", "Datei:", "Fichier:"}},
      {TControl::kLabelFile4, {"File:", "Datei:", "Fichier:"}},
      {TControl::kLabelFile3, {"Converted to", "verändert in", "Converted to"}},
      {TControl::kButtonDetails1, {"Details", "Details", "Détails"}},
      {TControl::kFormReport, {"Conversion report", "Umwandlungsbericht", "Rapport de conversion"}},
      {TControl::kButtonCopy1, {"&Copy", "&Kopieren", "&Copier"}},
      {TControl::kButtonClose1, {"C&lose", "&Schließen", "&Fermer"}},
  };
  for (std::uint8_t language = 0; language < kLanguageCount; ++language) {
    TFakeForm form;
    // Through another language first, so that a caption the switch forgets
    // shows up as a stale text.
    Pick(form, (language + 1) % kLanguageCount);
    Pick(form, language);
    for (const auto& [control, texts] : rows) {
      EXPECT_EQ(form.Caption(control), texts[language]) << int(control) << " in " << int(language);
      EXPECT_EQ(CaptionOf(control, language), texts[language]);
    }
    // The file names, the banner and the status bar keep what they have.
    EXPECT_EQ(form.captions.size(), std::size(rows));
  }
}

TEST(Texts, MessagesInEveryLanguage) {
  const TTexts rows[] = {
      {"Open file error!", "Fehler beim öffnen der Datei!", "Erreur ouvertur fichier!"},
      {"Unmatched version of *.ign file!", "Datendatei *.ign ist nicht kompatiebel!",
       "Programme du fichier non compatible avec programme PC!"},
      {"Write file error!", "Fehler beim Schreiben der Datei!", "Erreur écriture fichier!"},
  };
  for (std::uint8_t language = 0; language < kLanguageCount; ++language) {
    TFakeForm form;
    Pick(form, (language + 2) % kLanguageCount);
    Pick(form, language);
    EXPECT_EQ(form.MsgOpenFileError, rows[0][language]);
    EXPECT_EQ(form.MsgUnmatchedIgnVersion, rows[1][language]);
    EXPECT_EQ(form.MsgWriteFileError, rows[2][language]);
  }
}

TEST(Texts, ExactlyOneLanguageItemChecked) {
  const std::pair<std::vector<std::uint8_t>, const char*> cases[] = {
      {{}, "E"},     {{1}, "G"},       {{2}, "F"},       {{0}, "E"},
      {{1, 1}, "G"}, {{1, 2, 0}, "E"}, {{2, 1, 1}, "G"},
  };
  for (const auto& [picks, checked] : cases) {
    TFakeForm form;
    for (std::uint8_t language : picks) Pick(form, language);
    EXPECT_EQ(CheckedItems(form), checked) << picks.size() << " picks";
    EXPECT_EQ(LanguageIndex, picks.empty() ? std::uint8_t(kEnglish) : picks.back());
  }
}

// The language comes from the first argument as the program received it;
// the file is the first argument the toolkit left that is no language word.
TEST(Arguments, LanguageAndFile) {
  using TList = std::vector<std::string>;
  struct TCase {
    TList received;
    TList left;
    std::uint8_t language;
    const char* file;
  };
  const TCase cases[] = {
      {{}, {}, kEnglish, ""},
      {{"DEUTSCH"}, {"DEUTSCH"}, kGerman, ""},
      {{"FRENCH"}, {"FRENCH"}, kFrench, ""},
      {{"ENGLISH"}, {"ENGLISH"}, kEnglish, ""},
      {{"deutsch"}, {"deutsch"}, kEnglish, "deutsch"},
      {{"GERMAN"}, {"GERMAN"}, kEnglish, "GERMAN"},
      {{"DEUTSCH "}, {"DEUTSCH "}, kEnglish, "DEUTSCH "},
      {{""}, {""}, kEnglish, ""},
      {{"DEUTSCH", "a.ign"}, {"DEUTSCH", "a.ign"}, kGerman, "a.ign"},
      {{"a.ign", "FRENCH"}, {"a.ign", "FRENCH"}, kEnglish, "a.ign"},
      {{"ENGLISH", "FRENCH"}, {"ENGLISH", "FRENCH"}, kEnglish, ""},
      {{"x", "DEUTSCH"}, {"x", "DEUTSCH"}, kEnglish, "x"},
      {{"a.ign", "b.ign"}, {"a.ign", "b.ign"}, kEnglish, "a.ign"},
      {{"-reverse", "FRENCH"}, {"FRENCH"}, kEnglish, ""},
      {{"-platform", "xcb", "b.ign"}, {"b.ign"}, kEnglish, "b.ign"},
  };
  for (TCase c : cases) {
    c.received.insert(c.received.begin(), "ign-converter");
    c.left.insert(c.left.begin(), "ign-converter");
    const TArguments arguments(c.received, c.left);
    const std::string what = c.received.size() > 1 ? c.received[1] : "(none)";
    EXPECT_EQ(LanguageOfArguments(arguments, kEnglish), c.language) << what;
    EXPECT_EQ(FileOfArguments(arguments), c.file) << what;
    TFakeForm form(arguments);
    EXPECT_EQ(LanguageIndex, c.language) << what;
    EXPECT_EQ(form.Caption(TControl::kMenuFile), CaptionOf(TControl::kMenuFile, c.language));
  }
}

// Answered without a window, wherever they stand; the first of them counts.
TEST(Arguments, HelpAndVersion) {
  using enum TRequest;
  const std::pair<std::vector<std::string>, TRequest> cases[] = {
      {{}, kWindow},
      {{"--help"}, kHelp},
      {{"-h"}, kHelp},
      {{"--version"}, kVersion},
      {{"DEUTSCH", "a.ign", "--help"}, kHelp},
      {{"--version", "--help"}, kVersion},
      {{"-help"}, kWindow},
      {{"--HELP"}, kWindow},
      {{"--help=x"}, kWindow},
  };
  for (auto [arguments, request] : cases) {
    arguments.insert(arguments.begin(), "ign-converter");
    EXPECT_EQ(RequestOfArguments(arguments), request) << arguments.back();
  }
  EXPECT_EQ(AnswerOf(kHelp).rfind("Usage: ign-converter [LANGUAGE] [FILE]\n", 0), 0u);
  EXPECT_EQ(AnswerOf(kVersion).rfind("ign-converter 1.", 0), 0u);
  EXPECT_TRUE(AnswerOf(kVersion).ends_with('\n'));
}

TEST(Layout, CentredOnTheScreen) {
  const std::tuple<TSize, TSize, TPoint> cases[] = {
      {{1024, 768}, {572, 308}, {226, 230}},
      {{1023, 767}, {572, 308}, {225, 229}},  // odd room truncates
      {{800, 600}, {1001, 308}, {-100, 146}},
      {{800, 300}, {572, 303}, {114, -1}},
      {{572, 308}, {572, 308}, {0, 0}},
  };
  for (const auto& [screen, window, expected] : cases) {
    EXPECT_EQ(CentredPosition(screen, window), expected) << screen.width << "x" << screen.height;
    if (window == kFormHlavOuterSize) {
      EXPECT_EQ(TFakeForm(std::vector<std::string>{"ign-converter"}, screen).position, expected);
    }
  }
}

TEST(StartUp, SetHoldsTheAdjustedZeros) {
  TFakeForm form;
  TParameterSet expected;  // all zero
  std::fill(std::begin(expected.gain), std::end(expected.gain), 60);
  std::fill(std::begin(expected.time_const), std::end(expected.time_const), 20);
  // A plain record of bytes: any field left non-zero shows up.
  EXPECT_EQ(std::memcmp(&form.ParameterSet, &expected, sizeof expected), 0);
  EXPECT_TRUE(form.FileName.empty());
  EXPECT_TRUE(form.status.empty());
  form.MenuExitClick();
  EXPECT_TRUE(form.closed);
  EXPECT_TRUE(form.messages.empty());
}

}  // namespace
}  // namespace ign::test
