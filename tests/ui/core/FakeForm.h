// A main window without a toolkit: remembers what it was told to show,
// answers its dialogs from a script.
#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tests/ui/core/Answers.h"
#include "ui/core/Hlav.h"
#include "ui/core/Language.h"

namespace ign::test {

class TFakeForm final : public TFormHlavBase {
 public:
  // A window of a fresh run, which starts in English.
  explicit TFakeForm(const TArguments& arguments = std::vector<std::string>{"ign-converter"},
                     TSize screen = {1024, 768}) {
    LanguageIndex = kEnglish;
    FormCreate(arguments, screen, kFormHlavOuterSize);
  }

  // What a dialog held when the window showed it.
  struct TShown {
    std::string file_name;
    int filter_index;
  };

  // Runs File > Open with these answers; nothing cancels.
  void Open(std::optional<std::string> open, std::optional<std::string> save = std::nullopt) {
    open_answers = {std::move(open)};
    save_answers = {std::move(save)};
    MenuOpenClick();
  }
  const std::string& Caption(TControl control) { return captions[control]; }

  void SetCaption(TControl control, std::string_view text) override {
    captions[control] = std::string(text);
  }
  void SetChecked(TControl item, bool checked) override { checks[item] = checked; }
  void ShowFileName(TControl label, const std::string& name) override {
    (label == TControl::kLabelFile2 ? label_file2 : label_file5) = name;
  }
  void ShowStatus(std::string_view line) override { status = line; }
  std::optional<std::string> AskOpenName(TFileDialog& dialog) override {
    open_shown.push_back({dialog.FileName, dialog.FilterIndex});
    return NextAnswer(open_answers);
  }
  std::optional<std::string> AskSaveName(TFileDialog& dialog) override {
    save_shown.push_back({dialog.FileName, dialog.FilterIndex});
    return NextAnswer(save_answers);
  }
  void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
  void MoveTo(TPoint to) override { position = to; }
  void Close() override { closed = true; }

  std::map<TControl, std::string> captions;
  std::map<TControl, bool> checks;
  std::string label_file2 = kNoFileYet;
  std::string label_file5 = kNoFileYet;
  std::string status;
  std::vector<std::string> messages;
  std::deque<std::optional<std::string>> open_answers, save_answers;
  std::vector<TShown> open_shown, save_shown;
  TPoint position;
  bool closed = false;
};

}  // namespace ign::test
