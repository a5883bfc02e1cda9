// A stand-in for the Qt window's dialogs: answers from a script, remembers
// what it was shown.
#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>

#include "ui/qt/Dialogs.h"
#include "ui/qt/FileDialog.h"
#include "ui/qt/NativeNames.h"

namespace ign::test {

class TFakeDialogs final : public TDialogs {
 public:
  std::optional<QString> AskOpenName(QWidget&, TQtFileDialog& dialog) override {
    open_shown << ShownName(dialog.Settings().FileName);
    return Next(open_answers);
  }
  std::optional<QString> AskSaveName(QWidget&, TQtFileDialog& dialog) override {
    save_shown << ShownName(dialog.Settings().FileName);
    return Next(save_answers);
  }
  void ShowMessage(QWidget&, const QString& text) override { messages << text; }

  // Answers in order; an empty answer list, or std::nullopt, is a cancel.
  std::deque<std::optional<QString>> open_answers;
  std::deque<std::optional<QString>> save_answers;

  // The file name each dialog offered when the window showed it.
  QStringList open_shown;
  QStringList save_shown;
  QStringList messages;

 private:
  static std::optional<QString> Next(std::deque<std::optional<QString>>& answers) {
    if (answers.empty()) return std::nullopt;
    const bool given = answers.front().has_value();
    const QString name = answers.front().value_or(QString());
    answers.pop_front();
    if (!given) return std::nullopt;
    return name;
  }
};

}  // namespace ign::test
