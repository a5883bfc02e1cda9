// Starting Qt as this program reports things: where no window can be opened,
// one line on standard error and exit status 1, not Qt's lines and an abort.
#pragma once

namespace ign {

// The exit status of a start without a display.
inline constexpr int kExitNoDisplay = 1;

// Held from before the application object is created until it has been:
// Qt's messages meanwhile are held back. Should Qt find no window system,
// the program says so in one line and ends; otherwise Passed() hands the
// held messages on as Qt would have printed them.
class TQtStart {
 public:
  TQtStart();
  TQtStart(const TQtStart&) = delete;
  TQtStart& operator=(const TQtStart&) = delete;
  ~TQtStart() { Passed(); }

  // The application object exists: Qt's messages go their usual way again.
  void Passed();

 private:
  bool holding_ = true;
};

}  // namespace ign
