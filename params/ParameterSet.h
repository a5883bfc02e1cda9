// The in-memory form of an ignition parameter file.
//
// Every parameter is one unsigned byte in the scaled encoding that both file
// versions share: a file value is divided by the field's scale on reading and
// the byte is multiplied by it again on writing. Nothing checks ranges; a field
// holds whatever byte the reader computed.
#pragma once

#include <cstdint>

namespace ign {

struct TParameterSet {
  using TByte = std::uint8_t;

  TByte ext_mon = 0;              // "EXT_MON", switch
  bool version_matched = false;   // set by the reader, never written
  TByte no_reading = 0;           // "NO_READING", switch
  TByte rpm2 = 0;                 // "RPM2", switch
  TByte limiter[3] = {};          // "LIMITER", x50
  TByte bike = 0;                 // "BIKE"
  TByte servo_hyster = 0;         // "SERVO_HYSTER", x5
  TByte not_act_rpm = 0;          // "ACT_RPM", negated switch
  TByte servo_enable = 0;         // "SERVO_ENABLE", switch
  TByte power_out_rpm1[3] = {};   // "POWER_OUT", first of each triple, x50
  TByte power_out_rpm2[3] = {};   // "POWER_OUT", second of each triple, x50
  TByte power_out_flag[3] = {};   // "POWER_OUT", third of each triple, switch
  TByte act_oil = 0;              // "ACT_OIL", switch
  TByte not_act_lim1 = 0;         // "ACT_LIM1", negated switch
  TByte tps_1 = 0;                // "TPS" value 1, x10
  TByte tps_2 = 0;                // "TPS" value 2, (b + 250) x 10
  TByte accel_1 = 0;              // "ACCEL" value 1, x10
  TByte accel_2 = 0;              // "ACCEL" value 2, x50
  TByte start_jet = 0;            // "START_JET"
  TByte temp_warning = 0;         // "TEMP_WARNING"
  TByte mode[2] = {};             // "MODE"
  TByte position_a_param = 0;     // "POSITION_A" value 31
  TByte position_b_param = 0;     // "POSITION_B" value 31
  TByte water_temp[5] = {};       // "WATER_TEMP"
  TByte air_temp[5] = {};         // "AIR_TEMP"
  TByte druck_1[10] = {};         // "DRUCK" values 1 to 10
  TByte druck_2[10] = {};         // "DRUCK" values 11 to 20
  TByte choke_1[4] = {};          // "CHOKE" values 1 to 4
  TByte choke_2[4] = {};          // "CHOKE" values 5 to 8, b + 100
  TByte retard_1[10] = {};        // "RETARD" values 1 to 10, b - 100
  TByte retard_2[10] = {};        // "RETARD" values 11 to 20, b - 100
  TByte rpm_servo[15] = {};       // "RPM_SERVO", x50
  TByte volt_servo[15] = {};      // "VOLT_SERVO", x20
  TByte position_a_rpm[15] = {};  // "POSITION_A" values 1 to 15, x50
  TByte position_a[15] = {};      // "POSITION_A" values 16 to 30, x5
  TByte position_b_rpm[15] = {};  // "POSITION_B" values 1 to 15, x50
  TByte position_b[15] = {};      // "POSITION_B" values 16 to 30, x5
  TByte rpm_ign_1[15] = {};       // speed break points of ign_1, x50
  TByte rpm_ign_2[15] = {};
  TByte rpm_ign_3[15] = {};
  TByte rpm_jet_1a[15] = {};
  TByte rpm_jet_2a[15] = {};
  TByte rpm_jet_3a[15] = {};
  TByte rpm_jet_1b[15] = {};
  TByte rpm_jet_2b[15] = {};
  TByte rpm_jet_3b[15] = {};
  // Maps are 10 rows of 15 values, row by row: element 15*r + c.
  TByte ign_1[150] = {};
  TByte ign_2[150] = {};
  TByte ign_3[150] = {};
  TByte jet_1a[150] = {};
  TByte jet_2a[150] = {};
  TByte jet_3a[150] = {};
  TByte jet_1b[150] = {};
  TByte jet_2b[150] = {};
  TByte jet_3b[150] = {};
  TByte rpm_knock[15] = {};   // x50; the knock rows below pair with it
  TByte knock_frek[15] = {};  // "KNOCK_FREK"
  TByte ref_frek[15] = {};    // "REF_FREK", read but never written
  TByte gain[15] = {};        // "LEVEL" when read, "GAIN" when written
  TByte knock_ca[15] = {};    // "KNOCK_CA", read but never written
  TByte time_const[15] = {};  // "TIME_CONST"
  TByte start[15] = {};       // "START", b - 100
  TByte end[15] = {};         // "END", b - 100
  TByte alarm[15] = {};       // "ALARM", x20
};

}  // namespace ign
