// Reading an input file, or standard input, through a buffer of fixed size,
// so that no input costs more memory than that whatever its length.
#pragma once

#include <istream>
#include <streambuf>
#include <string>
#include <string_view>
#include <system_error>

namespace ign {

class TInputFile {
 public:
  TInputFile();
  // Closes the file; standard input stays open.
  ~TInputFile();
  TInputFile(const TInputFile&) = delete;
  TInputFile& operator=(const TInputFile&) = delete;

  // Opens the regular file `name`, or standard input for "-". A folder is
  // refused as such; a pipe or a device under a name, a device other than a
  // terminal as standard input (/dev/zero would never end) without a
  // reason; a standard input that was closed as EBADF. Returns whether it
  // is open.
  bool Open(const std::string& name, std::error_code& reason);

  // The content from its start; a failing read ends it and sets Failed.
  std::istream& Stream() { return stream_; }

  // Whether a read failed rather than reached the end, and why.
  bool Failed(std::error_code& reason) const;

  // The first bytes of the content as far as read, up to four.
  std::string_view Head() const;

 private:
  class TBuffer final : public std::streambuf {
   public:
    int descriptor = -1;
    int error = 0;
    char head[4] = {};
    std::size_t head_size = 0;

   protected:
    int_type underflow() override;

   private:
    char data_[64 * 1024];
  };

  TBuffer buffer_;
  std::istream stream_;
  bool owned_ = false;
};

// Makes sure descriptors 0, 1 and 2 are open before any file is, so that no
// file opened later takes their place. A closed one gets /dev/null opened the
// wrong way round, so that using it fails as using a closed one would. On
// POSIX systems SIGPIPE is ignored too (unless handled): writing to a pipe
// whose reader has gone fails with EPIPE rather than ending the process.
void GuardStandardStreams();

// Whether the standard stream `descriptor` (1 output, 2 error) goes to a
// terminal, where a line may be redrawn.
bool StandardStreamIsTerminal(int descriptor);

// Flushes and closes standard output, as the last thing before exit. Returns
// false, with the reason where there is one, when any output was lost.
bool CloseStandardOutput(std::error_code& reason);

}  // namespace ign
