#include "params/IgnWriter.h"

#include <cassert>
#include <cstdint>
#include <span>
#include <string_view>

namespace ign {
namespace {

using TBytes = std::span<const std::uint8_t>;

// Prints into a buffer of the file's exact size. Every value comes from one
// byte times at most 50 (or minus 100), so no cell ever needs more than its
// five characters and the layout cannot shift.
class TPrinter {
 public:
  explicit TPrinter(char* out) : out_(out) {}

  // A literal; each "\n" in it is one CR LF line end.
  void Text(std::string_view text) {
    for (char c : text) {
      if (c == '\n') *out_++ = '\r';
      *out_++ = c;
    }
  }

  // "%5u " and "%5d ": right-aligned in five characters, then a blank.
  void Number(int value) {
    Field(value, 5);
    *out_++ = ' ';
  }
  void Numbers(TBytes bytes, int scale) {
    for (std::uint8_t b : bytes) Number(b * scale);
  }
  void Signed(TBytes bytes) {
    for (std::uint8_t b : bytes) Number(b - 100);
  }

  // Four blanks and the digit, with no blank after it.
  void Switch(std::uint8_t byte) { Text(byte != 0 ? "    1" : "    0"); }
  void NegatedSwitch(std::uint8_t byte) { Text(byte != 0 ? "    0" : "    1"); }

  // "%3u ".
  void Narrow(int value) {
    Field(value, 3);
    *out_++ = ' ';
  }

  // A map of ten rows of fifteen; a line end and the 13-blank indent of a
  // continuation row follow each row, the last one too.
  void Map(TBytes map) {
    for (std::size_t row = 0; row < 10; ++row) {
      Numbers(map.subspan(row * 15, 15), 1);
      Text("\n             ");
    }
  }

  const char* End() const { return out_; }

 private:
  void Field(int value, int width) {
    char digits[12];
    int count = 0;
    unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    do {
      digits[count++] = static_cast<char>('0' + magnitude % 10);
      magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) digits[count++] = '-';
    for (int pad = width - count; pad > 0; --pad) *out_++ = ' ';
    while (count > 0) *out_++ = digits[--count];
  }

  char* out_;
};

void PrintMapBlock(TPrinter& p, std::string_view speed_key, TBytes speeds, std::string_view map_key,
                   TBytes map) {
  p.Text(speed_key);
  p.Numbers(speeds, 50);
  p.Text(map_key);
  p.Map(map);
}

void PrintPosition(TPrinter& p, std::string_view key, TBytes speeds, TBytes positions,
                   std::uint8_t param) {
  p.Text(key);
  p.Numbers(speeds, 50);
  p.Text("\n             ");
  p.Numbers(positions, 5);
  p.Text("\n             ");
  p.Number(param);
}

void Print(const TParameterSet& s, TPrinter& p) {
  p.Text("ZANTROVA_KEY   ");
  p.Narrow(51);
  p.Text("\n");
  p.Text("\nBIKE         ");
  p.Number(s.bike);
  p.Text("\nLIMITER      ");
  p.Numbers(s.limiter, 50);
  // The second and third triple start their own lines without indent.
  p.Text("\nPOWER_OUT    ");
  for (int k = 0; k < 3; ++k) {
    p.Number(s.power_out_rpm1[k] * 50);
    p.Number(s.power_out_rpm2[k] * 50);
    p.Switch(s.power_out_flag[k]);
    p.Text("\n");
  }
  p.Text("\nNO_READING   ");
  p.Switch(s.no_reading);
  p.Text("\nRPM2         ");
  p.Switch(s.rpm2);
  p.Text("\nEXT_MON      ");
  p.Switch(s.ext_mon);
  p.Text("\nMODE         ");
  p.Numbers(s.mode, 1);
  p.Text("\nACT_LIM1     ");
  p.NegatedSwitch(s.not_act_lim1);
  p.Text("\nACT_RPM      ");
  p.NegatedSwitch(s.not_act_rpm);
  p.Text("\nACT_OIL      ");
  p.Switch(s.act_oil);
  p.Text("\n");

  PrintMapBlock(p, "\nRPM_IGN_1    ", s.rpm_ign_1, "\nIGN_1        ", s.ign_1);
  PrintMapBlock(p, "\nRPM_IGN_2    ", s.rpm_ign_2, "\nIGN_2        ", s.ign_2);
  PrintMapBlock(p, "\nRPM_IGN_3    ", s.rpm_ign_3, "\nIGN_3        ", s.ign_3);
  PrintMapBlock(p, "\nRPM_JET_1A   ", s.rpm_jet_1a, "\nJET_1A       ", s.jet_1a);
  PrintMapBlock(p, "\nRPM_JET_2A   ", s.rpm_jet_2a, "\nJET_2A       ", s.jet_2a);
  PrintMapBlock(p, "\nRPM_JET_3A   ", s.rpm_jet_3a, "\nJET_3A       ", s.jet_3a);
  PrintMapBlock(p, "\nRPM_JET_1B   ", s.rpm_jet_1b, "\nJET_1B       ", s.jet_1b);
  PrintMapBlock(p, "\nRPM_JET_2B   ", s.rpm_jet_2b, "\nJET_2B       ", s.jet_2b);
  PrintMapBlock(p, "\nRPM_JET_3B   ", s.rpm_jet_3b, "\nJET_3B       ", s.jet_3b);

  PrintPosition(p, "\nPOSITION_A   ", s.position_a_rpm, s.position_a, s.position_a_param);
  PrintPosition(p, "\nPOSITION_B   ", s.position_b_rpm, s.position_b, s.position_b_param);
  p.Text("\nTPS          ");
  p.Number(s.tps_1 * 10);
  p.Number((s.tps_2 + 250) * 10);
  p.Text("\nACCEL        ");
  p.Number(s.accel_1 * 10);
  p.Number(s.accel_2 * 50);
  p.Text("\nSTART_JET    ");
  p.Number(s.start_jet);
  p.Text("\nTEMP_WARNING ");
  p.Number(s.temp_warning);
  p.Text("\nWATER_TEMP   ");
  p.Numbers(s.water_temp, 1);
  p.Text("\nAIR_TEMP     ");
  p.Numbers(s.air_temp, 1);
  p.Text("\nDRUCK        ");
  p.Numbers(s.druck_1, 1);
  p.Text("\n             ");
  p.Numbers(s.druck_2, 1);
  p.Text("\nRETARD       ");
  p.Signed(s.retard_1);
  p.Text("\n             ");
  p.Signed(s.retard_2);
  p.Text("\nCHOKE        ");
  p.Numbers(s.choke_1, 1);
  p.Text("\n             ");
  for (std::uint8_t b : s.choke_2) p.Number(b + 100);
  p.Text("\n");

  p.Text("\nSERVO_ENABLE ");
  p.Switch(s.servo_enable);
  p.Text("\nSERVO_HYSTER ");
  p.Number(s.servo_hyster * 5);
  p.Text("\nRPM_SERVO    ");
  p.Numbers(s.rpm_servo, 50);
  p.Text("\nVOLT_SERVO   ");
  p.Numbers(s.volt_servo, 20);
  p.Text("\n\nRPM_KNOCK    ");
  p.Numbers(s.rpm_knock, 50);
  p.Text("\nKNOCK_FREK   ");
  p.Numbers(s.knock_frek, 1);
  p.Text("\nGAIN         ");
  p.Numbers(s.gain, 1);
  p.Text("\nTIME_CONST   ");
  p.Numbers(s.time_const, 1);
  p.Text("\nSTART        ");
  p.Signed(s.start);
  p.Text("\nEND          ");
  p.Signed(s.end);
  p.Text("\nALARM        ");
  p.Numbers(s.alarm, 20);
  p.Text("\n");
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
