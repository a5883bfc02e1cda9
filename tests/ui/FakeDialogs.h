// A stand-in for the window's dialogs: answers from a script, remembers what
// it was shown.
#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>

#include "ui/Dialogs.h"
#include "ui/FileDialog.h"

namespace ign::test {

class TFakeDialogs final : public TDialogs {
 public:
  // What a dialog held when the window showed it.
  struct TShown {
    QString file_name;
    int filter_index;
  };

  std::optional<QString> AskOpenName(QWidget&, TFileDialog& dialog) override {
    open_shown.push_back({dialog.FileName, dialog.FilterIndex});
    return Next(open_answers, dialog);
  }
  std::optional<QString> AskSaveName(QWidget&, TFileDialog& dialog) override {
    save_shown.push_back({dialog.FileName, dialog.FilterIndex});
    return Next(save_answers, dialog);
  }
  void ShowMessage(QWidget&, const QString& text) override { messages << text; }

  // Answers in order; an empty answer list, or std::nullopt, is a cancel.
  std::deque<std::optional<QString>> open_answers;
  std::deque<std::optional<QString>> save_answers;

  std::deque<TShown> open_shown;
  std::deque<TShown> save_shown;
  QStringList messages;

 private:
  static std::optional<QString> Next(std::deque<std::optional<QString>>& answers,
                                     TFileDialog& dialog) {
    if (answers.empty()) return std::nullopt;
    std::optional<QString> answer = answers.front();
    answers.pop_front();
    if (answer) dialog.FileName = *answer;  // as Qt's dialog does
    return answer;
  }
};

}  // namespace ign::test
