// The in-memory form of an ignition parameter file.
//
// Every parameter is one unsigned byte in the scaled encoding that both file
// versions share: a file value is divided by the field's scale on reading and
// the byte is multiplied by it again on writing (KeyTable.cpp gives each
// field's encoding). Nothing checks ranges; a field holds whatever byte the
// reader computed.
#pragma once

#include <cstddef>
#include <cstdint>

namespace ign {

// A map is kMapRows rows of kMapColumns values, row by row: element
// kMapColumns * r + c. Its columns pair with the kMapColumns speed break
// points of its own table (rpm_ign_1 with ign_1 and so on).
inline constexpr std::size_t kMapRows = 10;
inline constexpr std::size_t kMapColumns = 15;
inline constexpr std::size_t kMapSize = kMapRows * kMapColumns;

struct TParameterSet {
  using TByte = std::uint8_t;

  TByte ext_mon = 0;
  bool version_matched = false;  // set by the reader, never written
  TByte no_reading = 0;
  TByte rpm2 = 0;
  TByte limiter[3] = {};
  TByte bike = 0;
  TByte servo_hyster = 0;
  TByte not_act_rpm = 0;  // "ACT_RPM": 1 where the file's flag is 0
  TByte servo_enable = 0;
  TByte power_out_rpm1[3] = {};  // "POWER_OUT": the first of each triple
  TByte power_out_rpm2[3] = {};  // the second
  TByte power_out_flag[3] = {};  // the third
  TByte act_oil = 0;
  TByte not_act_lim1 = 0;  // "ACT_LIM1": 1 where the file's flag is 0
  TByte tps_1 = 0;
  TByte tps_2 = 0;
  TByte accel_1 = 0;
  TByte accel_2 = 0;
  TByte start_jet = 0;
  TByte temp_warning = 0;
  TByte mode[2] = {};
  TByte position_a_param = 0;  // "POSITION_A" value 31
  TByte position_b_param = 0;  // "POSITION_B" value 31
  TByte water_temp[5] = {};
  TByte air_temp[5] = {};
  TByte druck_1[10] = {};   // "DRUCK" values 1 to 10
  TByte druck_2[10] = {};   // values 11 to 20
  TByte choke_1[4] = {};    // "CHOKE" values 1 to 4
  TByte choke_2[4] = {};    // values 5 to 8
  TByte retard_1[10] = {};  // "RETARD" values 1 to 10
  TByte retard_2[10] = {};  // values 11 to 20
  TByte rpm_servo[15] = {};
  TByte volt_servo[15] = {};      // pairs with rpm_servo
  TByte position_a_rpm[15] = {};  // "POSITION_A" values 1 to 15
  TByte position_a[15] = {};      // values 16 to 30
  TByte position_b_rpm[15] = {};  // "POSITION_B" values 1 to 15
  TByte position_b[15] = {};      // values 16 to 30
  TByte rpm_ign_1[kMapColumns] = {};
  TByte rpm_ign_2[kMapColumns] = {};
  TByte rpm_ign_3[kMapColumns] = {};
  TByte rpm_jet_1a[kMapColumns] = {};
  TByte rpm_jet_2a[kMapColumns] = {};
  TByte rpm_jet_3a[kMapColumns] = {};
  TByte rpm_jet_1b[kMapColumns] = {};
  TByte rpm_jet_2b[kMapColumns] = {};
  TByte rpm_jet_3b[kMapColumns] = {};
  TByte ign_1[kMapSize] = {};
  TByte ign_2[kMapSize] = {};
  TByte ign_3[kMapSize] = {};
  TByte jet_1a[kMapSize] = {};
  TByte jet_2a[kMapSize] = {};
  TByte jet_3a[kMapSize] = {};
  TByte jet_1b[kMapSize] = {};
  TByte jet_2b[kMapSize] = {};
  TByte jet_3b[kMapSize] = {};
  // The knock rows pair with rpm_knock, element by element.
  TByte rpm_knock[15] = {};
  TByte knock_frek[15] = {};
  TByte ref_frek[15] = {};  // read, never written
  TByte gain[15] = {};      // "LEVEL" when read, "GAIN" when written
  TByte knock_ca[15] = {};  // read, never written
  TByte time_const[15] = {};
  TByte start[15] = {};
  TByte end[15] = {};
  TByte alarm[15] = {};
};

}  // namespace ign
