// The version-2006 file step by step in the order of its lines, knowing
// nothing of the layout table.
#include <cstdint>
#include <cstdio>
#include <string>
#include <utility>

#include "params/reference/Reference.h"

namespace ign::reference {
namespace {

class TPlainWriter {
 public:
  std::string Write(const TParameterSet& s) {
    Text("ZANTROVA_KEY   ");
    Printf("%3u ", 51);
    Text("\n");
    Key("\nBIKE         ");
    Number(s.bike);
    Key("\nLIMITER      ");
    Numbers(s.limiter, 50);
    Key("\nPOWER_OUT    ");
    for (int k = 0; k < 3; ++k) {
      Number(s.power_out_rpm1[k] * 50);
      Number(s.power_out_rpm2[k] * 50);
      Switch(s.power_out_flag[k] != 0);
      Text("\n");
    }
    Key("\nNO_READING   ");
    Switch(s.no_reading != 0);
    Key("\nRPM2         ");
    Switch(s.rpm2 != 0);
    Key("\nEXT_MON      ");
    Switch(s.ext_mon != 0);
    Key("\nMODE         ");
    Numbers(s.mode, 1);
    Key("\nACT_LIM1     ");
    Switch(s.not_act_lim1 == 0);
    Key("\nACT_RPM      ");
    Switch(s.not_act_rpm == 0);
    Key("\nACT_OIL      ");
    Switch(s.act_oil != 0);
    Text("\n");
    Block("\nRPM_IGN_1    ", s.rpm_ign_1, "\nIGN_1        ", s.ign_1);
    Block("\nRPM_IGN_2    ", s.rpm_ign_2, "\nIGN_2        ", s.ign_2);
    Block("\nRPM_IGN_3    ", s.rpm_ign_3, "\nIGN_3        ", s.ign_3);
    Block("\nRPM_JET_1A   ", s.rpm_jet_1a, "\nJET_1A       ", s.jet_1a);
    Block("\nRPM_JET_2A   ", s.rpm_jet_2a, "\nJET_2A       ", s.jet_2a);
    Block("\nRPM_JET_3A   ", s.rpm_jet_3a, "\nJET_3A       ", s.jet_3a);
    Block("\nRPM_JET_1B   ", s.rpm_jet_1b, "\nJET_1B       ", s.jet_1b);
    Block("\nRPM_JET_2B   ", s.rpm_jet_2b, "\nJET_2B       ", s.jet_2b);
    Block("\nRPM_JET_3B   ", s.rpm_jet_3b, "\nJET_3B       ", s.jet_3b);
    Position("\nPOSITION_A   ", s.position_a_rpm, s.position_a, s.position_a_param);
    Position("\nPOSITION_B   ", s.position_b_rpm, s.position_b, s.position_b_param);
    Key("\nTPS          ");
    Number(s.tps_1 * 10);
    Number((s.tps_2 + 250) * 10);
    Key("\nACCEL        ");
    Number(s.accel_1 * 10);
    Number(s.accel_2 * 50);
    Key("\nSTART_JET    ");
    Number(s.start_jet);
    Key("\nTEMP_WARNING ");
    Number(s.temp_warning);
    Key("\nWATER_TEMP   ");
    Numbers(s.water_temp, 1);
    Key("\nAIR_TEMP     ");
    Numbers(s.air_temp, 1);
    Key("\nDRUCK        ");
    Numbers(s.druck_1, 1);
    Key("\n             ");
    Numbers(s.druck_2, 1);
    Key("\nRETARD       ");
    Signed(s.retard_1);
    Key("\n             ");
    Signed(s.retard_2);
    Key("\nCHOKE        ");
    Numbers(s.choke_1, 1);
    Key("\n             ");
    for (auto b : s.choke_2) Number(b + 100);
    Text("\n");
    Key("\nSERVO_ENABLE ");
    Switch(s.servo_enable != 0);
    Key("\nSERVO_HYSTER ");
    Number(s.servo_hyster * 5);
    Key("\nRPM_SERVO    ");
    Numbers(s.rpm_servo, 50);
    Key("\nVOLT_SERVO   ");
    Numbers(s.volt_servo, 20);
    Key("\n\nRPM_KNOCK    ");
    Numbers(s.rpm_knock, 50);
    Key("\nKNOCK_FREK   ");
    Numbers(s.knock_frek, 1);
    Key("\nGAIN         ");
    Numbers(s.gain, 1);
    Key("\nTIME_CONST   ");
    Numbers(s.time_const, 1);
    Key("\nSTART        ");
    Signed(s.start);
    Key("\nEND          ");
    Signed(s.end);
    Key("\nALARM        ");
    Numbers(s.alarm, 20);
    Text("\n");
    return std::move(out_);
  }

 private:
  // Every \n reaches the file as CR LF.
  void Text(const char* text) {
    for (; *text != '\0'; ++text)
      out_ += *text == '\n' ? std::string("\r\n") : std::string(1, *text);
  }
  void Key(const char* literal) { Text(literal); }
  void Printf(const char* format, int value) {
    char cell[16];
    std::snprintf(cell, sizeof cell, format, value);
    out_ += cell;
  }
  void Number(int value) { Printf("%5u ", value); }
  void Switch(bool on) { out_ += on ? "    1" : "    0"; }
  template <std::size_t N>
  void Numbers(const std::uint8_t (&bytes)[N], int scale) {
    for (std::uint8_t b : bytes) Number(b * scale);
  }
  template <std::size_t N>
  void Signed(const std::uint8_t (&bytes)[N]) {
    for (std::uint8_t b : bytes) Printf("%5d ", b - 100);
  }
  void Block(const char* speed_key, const std::uint8_t (&speeds)[15], const char* map_key,
             const std::uint8_t (&map)[150]) {
    Key(speed_key);
    Numbers(speeds, 50);
    Key(map_key);
    for (int i = 0; i < 150; ++i) {
      Number(map[i]);
      if (i % 15 == 14) Text("\n             ");
    }
  }
  void Position(const char* key, const std::uint8_t (&speeds)[15],
                const std::uint8_t (&positions)[15], std::uint8_t param) {
    Key(key);
    Numbers(speeds, 50);
    Key("\n             ");
    Numbers(positions, 5);
    Key("\n             ");
    Number(param);
  }

  std::string out_;
};

}  // namespace

std::string Write(const TParameterSet& set) { return TPlainWriter().Write(set); }

}  // namespace ign::reference
