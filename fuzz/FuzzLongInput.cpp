// Inputs longer than the reader's buffer, delivered in pieces of any size as
// a pipe delivers them: the reading through the stream must agree with the
// reading from memory and with the plain reference, wherever a token or a
// number falls across a refill.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <istream>
#include <streambuf>
#include <string>
#include <string_view>

#include "params/Convert.h"
#include "params/IgnReader.h"
#include "params/New.h"
#include "params/reference/Reference.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// Hands out `text` at most `piece` bytes per read.
class TPieces final : public std::streambuf {
 public:
  TPieces(std::string_view text, std::size_t piece) : text_(text), piece_(piece) {}

 protected:
  int_type underflow() override {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    if (at_ == text_.size()) return traits_type::eof();
    const std::size_t size = std::min(piece_, text_.size() - at_);
    std::memcpy(buffer_, text_.data() + at_, size);
    at_ += size;
    setg(buffer_, buffer_, buffer_ + size);
    return traits_type::to_int_type(*gptr());
  }

 private:
  std::string_view text_;
  std::size_t piece_;
  std::size_t at_ = 0;
  char buffer_[8192];
};

}  // namespace

// The first four bytes choose the shape: how much filler comes first (so
// that the rest lands across the 64 KiB boundary), which filler, how many
// times the rest repeats, and the size of the pieces.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  const std::size_t filler = 60 * 1024 + (std::size_t{data[0]} << 5);
  const char fill = data[1] % 2 == 0 ? ' ' : '\n';
  const std::size_t repeats = 1 + data[2] % 4;
  const std::size_t piece = 1 + std::size_t{data[3]} * 32;
  const std::string_view rest(reinterpret_cast<const char*>(data) + 4, size - 4);
  std::string text(filler, fill);
  for (std::size_t i = 0; i < repeats; ++i) text += rest;

  ign::TParameterSet from_memory, from_stream, plain;
  for (ign::TParameterSet* set : {&from_memory, &from_stream, &plain}) ign::AdjustFor2006(*set);
  const bool matched = ign::ReadIgn2005(text, from_memory);
  TPieces pieces(text, piece);
  std::istream in(&pieces);
  Check(ign::ReadIgn2005(in, from_stream) == matched);
  Check(std::memcmp(&from_memory, &from_stream, sizeof from_memory) == 0);
  Check(ign::reference::Read(text, plain) == matched);
  Check(std::memcmp(&from_memory, &plain, sizeof plain) == 0);

  std::string from_text, streamed;
  TPieces again(text, piece);
  std::istream in_again(&again);
  Check(ign::ConvertFresh(text, from_text) == matched);
  Check(ign::ConvertFresh(in_again, streamed) == matched);
  Check(from_text == streamed);
  return 0;
}
