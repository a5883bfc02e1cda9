#include "params/IgnWriter.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <utility>

#include "params/Layout2006.h"

namespace ign {
namespace {

// The writer runs a program made from the layout at compile time: each step
// copies a literal (a line end and what begins the next line) and then a run
// of cells. A cell is a byte looked up in the table of its encoding, where
// the cells of all 256 bytes wait ready-made, eight bytes each so that one
// move copies them; the cursor then moves on by the cell's true width.
// Literals are copied in one fixed move of kLiteralMove bytes. The bytes
// either move writes beyond its own land where the next step writes anyway;
// only the last literal reaches past the end, into kSlack spare bytes.
constexpr std::size_t kLiteralMove = 32;
constexpr std::size_t kSlack = kLiteralMove;
using TCell = std::array<char, 8>;
using TCellTable = std::array<TCell, 256>;

constexpr TCell MakeCell(TEncoding encoding, std::uint8_t byte) {
  TCell cell{' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
  const int value = FileValueOf(encoding, byte);
  int magnitude = value < 0 ? -value : value;
  int at = 4;  // five characters, right-aligned; numbers add a blank
  do {
    cell[at--] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (value < 0) cell[at] = '-';
  return cell;
}

constexpr std::array<TCellTable, kEncodings.size()> MakeCellTables() {
  std::array<TCellTable, kEncodings.size()> tables{};
  for (std::size_t e = 0; e < kEncodings.size(); ++e) {
    for (int b = 0; b < 256; ++b) {
      tables[e][b] = MakeCell(static_cast<TEncoding>(e), static_cast<std::uint8_t>(b));
    }
  }
  return tables;
}

constexpr std::array<TCellTable, kEncodings.size()> kCells = MakeCellTables();
static_assert(kCells[static_cast<std::size_t>(TEncoding::kTimes50)][255] ==
              TCell{'1', '2', '7', '5', '0', ' ', ' ', ' '});
static_assert(kCells[static_cast<std::size_t>(TEncoding::kSigned)][0] ==
              TCell{' ', '-', '1', '0', '0', ' ', ' ', ' '});

constexpr std::size_t CellWidth(TEncoding encoding) {
  return RuleOf(encoding).cell == TCellKind::kNumber ? 6 : 5;
}

struct TStep {
  std::uint16_t text;  // where the literal starts in the pool
  std::uint8_t text_length;
  std::uint8_t table;    // TEncoding of the cells
  std::uint16_t offset;  // first byte of the cells in the set
  std::uint8_t count;
  std::uint8_t width;
};

constexpr std::size_t kMaxSteps = 192;
constexpr std::size_t kMaxPool = 3072;

struct TProgram {
  std::array<TStep, kMaxSteps> steps{};
  std::size_t step_count = 0;
  std::array<char, kMaxPool + kLiteralMove> pool{};
  std::size_t pool_size = 0;

  constexpr void Literal(TStep& step, std::string_view text) {
    step.text = static_cast<std::uint16_t>(pool_size);
    step.text_length = static_cast<std::uint8_t>(step.text_length + text.size());
    for (char c : text) pool[pool_size++] = c;
  }
  constexpr TStep& NewStep() { return steps[step_count++]; }
};

constexpr TProgram MakeProgram() {
  TProgram program;
  bool first = true;
  for (const TLayoutLine& line : kLayout2006) {
    TStep& step = program.NewStep();
    const std::size_t start = program.pool_size;
    if (!first) program.Literal(step, "\r\n");
    first = false;
    switch (line.lead) {
      case TLead::kVersion:
        program.Literal(step, kVersionLine2006);
        break;
      case TLead::kKey:
        program.Literal(step, line.key);
        for (std::size_t i = line.key.size(); i < kLabelWidth; ++i) program.Literal(step, " ");
        break;
      case TLead::kIndent:
        for (std::size_t i = 0; i < kLabelWidth; ++i) program.Literal(step, " ");
        break;
      case TLead::kNone:
        break;
    }
    step.text = static_cast<std::uint16_t>(start);
    TStep* into = &step;
    for (const TFieldRun& run : line.Runs()) {
      if (into == nullptr) {
        into = &program.NewStep();
        into->text = static_cast<std::uint16_t>(program.pool_size);
      }
      into->table = static_cast<std::uint8_t>(run.encoding);
      into->offset = run.offset;
      into->count = run.count;
      into->width = static_cast<std::uint8_t>(CellWidth(run.encoding));
      into = nullptr;
    }
  }
  TStep& last = program.NewStep();
  program.Literal(last, "\r\n");
  if (program.pool_size > kMaxPool) throw "kMaxPool is too small";
  return program;
}

constexpr TProgram kProgram = MakeProgram();

constexpr std::size_t ProgramSize() {
  std::size_t size = 0;
  for (std::size_t s = 0; s < kProgram.step_count; ++s) {
    const TStep& step = kProgram.steps[s];
    size += step.text_length + std::size_t{step.count} * step.width;
  }
  return size;
}
static_assert(ProgramSize() == kIgn2006Size, "the layout must give the file's fixed size");
static_assert(sizeof(TParameterSet) < 65536);
static_assert(kLayout2006.size() == kIgn2006Lines);

// Most cells stand in rows as wide as a map: the maps themselves, their speed
// tables and the knock and servo rows.
constexpr std::size_t kRowCells = kMapColumns;
constexpr std::size_t kNumberWidth = 6;

// Unrolled, so that each cell's byte, table entry and place are fixed
// displacements.
template <std::size_t... kIndex>
inline void PrintRow(char* o, const TCell* cells, const std::uint8_t* from,
                     std::index_sequence<kIndex...>) {
  (std::memcpy(o + kNumberWidth * kIndex, cells[from[kIndex]].data(), sizeof(TCell)), ...);
}

// Writes the file into `out`, which has room for kIgn2006Size + kSlack bytes.
void Print(const TParameterSet& set, char* out) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(&set);
  const char* pool = kProgram.pool.data();
  char* o = out;  // kept in a register: the loops write through it alone
  for (std::size_t s = 0; s < kProgram.step_count; ++s) {
    const TStep step = kProgram.steps[s];
    std::memcpy(o, pool + step.text, kLiteralMove);
    o += step.text_length;
    const TCell* cells = kCells[step.table].data();
    const std::uint8_t* from = bytes + step.offset;
    if (step.count == kRowCells && step.width == kNumberWidth) {
      // With count and width known, every store has a fixed place.
      PrintRow(o, cells, from, std::make_index_sequence<kRowCells>());
      o += kNumberWidth * kRowCells;
    } else {
      for (std::size_t i = 0; i < step.count; ++i) {
        std::memcpy(o, cells[from[i]].data(), sizeof(TCell));
        o += step.width;
      }
    }
  }
}

}  // namespace

void WriteIgn2006(const TParameterSet& set, std::string& out) {
  const std::size_t start = out.size();
  out.resize(start + kIgn2006Size + kSlack);
  Print(set, out.data() + start);
  out.resize(start + kIgn2006Size);
}

void WriteIgn2006(const TParameterSet& set, std::ostream& out) {
  char bytes[kIgn2006Size + kSlack];
  Print(set, bytes);
  out.write(bytes, static_cast<std::streamsize>(kIgn2006Size));
}

}  // namespace ign
