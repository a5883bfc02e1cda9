// Everything the Qt window asks or tells the user in a modal window. The
// window goes through this alone, so that its commands can be driven without
// any modal window appearing.
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace ign {

class TQtFileDialog;

class TDialogs {
 public:
  virtual ~TDialogs() = default;
  // The full name of the file chosen in `dialog`, or nothing on cancel.
  virtual std::optional<QString> AskOpenName(QWidget& parent, TQtFileDialog& dialog) = 0;
  virtual std::optional<QString> AskSaveName(QWidget& parent, TQtFileDialog& dialog) = 0;
  // `text` alone, in a modal box with one OK button.
  virtual void ShowMessage(QWidget& parent, const QString& text) = 0;
};

// Qt's file dialogs and message box.
class TQtDialogs final : public TDialogs {
 public:
  std::optional<QString> AskOpenName(QWidget& parent, TQtFileDialog& dialog) override;
  std::optional<QString> AskSaveName(QWidget& parent, TQtFileDialog& dialog) override;
  void ShowMessage(QWidget& parent, const QString& text) override;
};

}  // namespace ign
