#include "params/IgnWriter.h"

#include <array>
#include <cassert>
#include <cstring>
#include <cstdint>
#include <span>
#include <string_view>

namespace ign {
namespace {

using TBytes = std::span<const std::uint8_t>;

// A cell is six characters: the number right-aligned in five ("%5u " and
// "%5d "), then a blank. Every value the writer prints is a byte mapped
// through one of a few scalings, so the cells of all 256 bytes of each
// scaling are made once, at compile time, and printing is a copy. Each cell
// is stored in eight bytes so that it is copied in one move; the two extra
// bytes land where the next characters are written anyway, since every cell
// is followed at least by a line end.
constexpr std::size_t kCellWidth = 6;
using TCell = std::array<char, 8>;
using TCellTable = std::array<TCell, 256>;

constexpr TCell MakeCell(int value, int width) {
  TCell cell{' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
  const bool negative = value < 0;
  int magnitude = negative ? -value : value;
  int at = width - 1;
  do {
    cell[at--] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (negative) cell[at] = '-';
  return cell;
}

template <typename TScale>
constexpr TCellTable MakeCells(TScale scale) {
  TCellTable table{};
  for (int b = 0; b < 256; ++b) table[b] = MakeCell(scale(b), 5);
  return table;
}

constexpr TCellTable kTimes1 = MakeCells([](int b) { return b; });
constexpr TCellTable kTimes5 = MakeCells([](int b) { return b * 5; });
constexpr TCellTable kTimes10 = MakeCells([](int b) { return b * 10; });
constexpr TCellTable kTimes20 = MakeCells([](int b) { return b * 20; });
constexpr TCellTable kTimes50 = MakeCells([](int b) { return b * 50; });
constexpr TCellTable kSigned = MakeCells([](int b) { return b - 100; });
constexpr TCellTable kChoke2 = MakeCells([](int b) { return b + 100; });
constexpr TCellTable kTps2 = MakeCells([](int b) { return (b + 250) * 10; });
static_assert(kTimes50[255] == TCell{'1', '2', '7', '5', '0', ' ', ' ', ' '});
static_assert(kSigned[0] == TCell{' ', '-', '1', '0', '0', ' ', ' ', ' '});

// Prints into a buffer of the file's exact size.
class TPrinter {
 public:
  explicit TPrinter(char* out) : out_(out) {}

  // A literal, written with its CR LF line ends.
  void Text(std::string_view text) {
    std::memcpy(out_, text.data(), text.size());
    out_ += text.size();
  }

  void Cell(const TCellTable& cells, std::uint8_t byte) {
    std::memcpy(out_, cells[byte].data(), sizeof(TCell));
    out_ += kCellWidth;
  }
  void Cells(const TCellTable& cells, TBytes bytes) {
    for (std::uint8_t b : bytes) Cell(cells, b);
  }

  // Four blanks and the digit, with no blank after it.
  void Switch(std::uint8_t byte) { Text(byte != 0 ? "    1" : "    0"); }
  void NegatedSwitch(std::uint8_t byte) { Text(byte != 0 ? "    0" : "    1"); }

  // A map of ten rows of fifteen; a line end and the 13-blank indent of a
  // continuation row follow each row, the last one too.
  void Map(TBytes map) {
    for (std::size_t row = 0; row < 10; ++row) {
      Cells(kTimes1, map.subspan(row * 15, 15));
      Text("\r\n             ");
    }
  }

  const char* End() const { return out_; }

 private:
  char* out_;
};

void PrintMapBlock(TPrinter& p, std::string_view speed_key, TBytes speeds, std::string_view map_key,
                   TBytes map) {
  p.Text(speed_key);
  p.Cells(kTimes50, speeds);
  p.Text(map_key);
  p.Map(map);
}

void PrintPosition(TPrinter& p, std::string_view key, TBytes speeds, TBytes positions,
                   std::uint8_t param) {
  p.Text(key);
  p.Cells(kTimes50, speeds);
  p.Text("\r\n             ");
  p.Cells(kTimes5, positions);
  p.Text("\r\n             ");
  p.Cell(kTimes1, param);
}

void Print(const TParameterSet& s, TPrinter& p) {
  p.Text("ZANTROVA_KEY    51 \r\n");
  p.Text("\r\nBIKE         ");
  p.Cell(kTimes1, s.bike);
  p.Text("\r\nLIMITER      ");
  p.Cells(kTimes50, s.limiter);
  // The second and third triple start their own lines without indent.
  p.Text("\r\nPOWER_OUT    ");
  for (int k = 0; k < 3; ++k) {
    p.Cell(kTimes50, s.power_out_rpm1[k]);
    p.Cell(kTimes50, s.power_out_rpm2[k]);
    p.Switch(s.power_out_flag[k]);
    p.Text("\r\n");
  }
  p.Text("\r\nNO_READING   ");
  p.Switch(s.no_reading);
  p.Text("\r\nRPM2         ");
  p.Switch(s.rpm2);
  p.Text("\r\nEXT_MON      ");
  p.Switch(s.ext_mon);
  p.Text("\r\nMODE         ");
  p.Cells(kTimes1, s.mode);
  p.Text("\r\nACT_LIM1     ");
  p.NegatedSwitch(s.not_act_lim1);
  p.Text("\r\nACT_RPM      ");
  p.NegatedSwitch(s.not_act_rpm);
  p.Text("\r\nACT_OIL      ");
  p.Switch(s.act_oil);
  p.Text("\r\n");

  PrintMapBlock(p, "\r\nRPM_IGN_1    ", s.rpm_ign_1, "\r\nIGN_1        ", s.ign_1);
  PrintMapBlock(p, "\r\nRPM_IGN_2    ", s.rpm_ign_2, "\r\nIGN_2        ", s.ign_2);
  PrintMapBlock(p, "\r\nRPM_IGN_3    ", s.rpm_ign_3, "\r\nIGN_3        ", s.ign_3);
  PrintMapBlock(p, "\r\nRPM_JET_1A   ", s.rpm_jet_1a, "\r\nJET_1A       ", s.jet_1a);
  PrintMapBlock(p, "\r\nRPM_JET_2A   ", s.rpm_jet_2a, "\r\nJET_2A       ", s.jet_2a);
  PrintMapBlock(p, "\r\nRPM_JET_3A   ", s.rpm_jet_3a, "\r\nJET_3A       ", s.jet_3a);
  PrintMapBlock(p, "\r\nRPM_JET_1B   ", s.rpm_jet_1b, "\r\nJET_1B       ", s.jet_1b);
  PrintMapBlock(p, "\r\nRPM_JET_2B   ", s.rpm_jet_2b, "\r\nJET_2B       ", s.jet_2b);
  PrintMapBlock(p, "\r\nRPM_JET_3B   ", s.rpm_jet_3b, "\r\nJET_3B       ", s.jet_3b);

  PrintPosition(p, "\r\nPOSITION_A   ", s.position_a_rpm, s.position_a, s.position_a_param);
  PrintPosition(p, "\r\nPOSITION_B   ", s.position_b_rpm, s.position_b, s.position_b_param);
  p.Text("\r\nTPS          ");
  p.Cell(kTimes10, s.tps_1);
  p.Cell(kTps2, s.tps_2);
  p.Text("\r\nACCEL        ");
  p.Cell(kTimes10, s.accel_1);
  p.Cell(kTimes50, s.accel_2);
  p.Text("\r\nSTART_JET    ");
  p.Cell(kTimes1, s.start_jet);
  p.Text("\r\nTEMP_WARNING ");
  p.Cell(kTimes1, s.temp_warning);
  p.Text("\r\nWATER_TEMP   ");
  p.Cells(kTimes1, s.water_temp);
  p.Text("\r\nAIR_TEMP     ");
  p.Cells(kTimes1, s.air_temp);
  p.Text("\r\nDRUCK        ");
  p.Cells(kTimes1, s.druck_1);
  p.Text("\r\n             ");
  p.Cells(kTimes1, s.druck_2);
  p.Text("\r\nRETARD       ");
  p.Cells(kSigned, s.retard_1);
  p.Text("\r\n             ");
  p.Cells(kSigned, s.retard_2);
  p.Text("\r\nCHOKE        ");
  p.Cells(kTimes1, s.choke_1);
  p.Text("\r\n             ");
  p.Cells(kChoke2, s.choke_2);
  p.Text("\r\n");

  p.Text("\r\nSERVO_ENABLE ");
  p.Switch(s.servo_enable);
  p.Text("\r\nSERVO_HYSTER ");
  p.Cell(kTimes5, s.servo_hyster);
  p.Text("\r\nRPM_SERVO    ");
  p.Cells(kTimes50, s.rpm_servo);
  p.Text("\r\nVOLT_SERVO   ");
  p.Cells(kTimes20, s.volt_servo);
  p.Text("\r\n\r\nRPM_KNOCK    ");
  p.Cells(kTimes50, s.rpm_knock);
  p.Text("\r\nKNOCK_FREK   ");
  p.Cells(kTimes1, s.knock_frek);
  p.Text("\r\nGAIN         ");
  p.Cells(kTimes1, s.gain);
  p.Text("\r\nTIME_CONST   ");
  p.Cells(kTimes1, s.time_const);
  p.Text("\r\nSTART        ");
  p.Cells(kSigned, s.start);
  p.Text("\r\nEND          ");
  p.Cells(kSigned, s.end);
  p.Text("\r\nALARM        ");
  p.Cells(kTimes20, s.alarm);
  p.Text("\r\n");
}

}  // namespace

void WriteIgn2006(const TParameterSet& set, std::string& out) {
  const std::size_t start = out.size();
  out.resize(start + kIgn2006Size);
  TPrinter printer(out.data() + start);
  Print(set, printer);
  assert(printer.End() == out.data() + out.size());
}

void WriteIgn2006(const TParameterSet& set, std::ostream& out) {
  char bytes[kIgn2006Size];
  TPrinter printer(bytes);
  Print(set, printer);
  assert(printer.End() == bytes + kIgn2006Size);
  out.write(bytes, static_cast<std::streamsize>(kIgn2006Size));
}

}  // namespace ign
