// The version-2006 file as data: its 155 lines, what begins each of them and
// which bytes of the set fill their cells. The writer is made from it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

#include "params/FieldRun.h"
#include "params/ParameterSet.h"

namespace ign {

inline constexpr unsigned kVersion2006 = 51;
// The version line: the key, four blanks, 51 in a "%3u " cell.
inline constexpr std::string_view kVersionLine2006 = "ZANTROVA_KEY    51 ";
// Keys are padded to this width; continuation rows are indented by it.
inline constexpr std::size_t kLabelWidth = 13;

enum class TLead : std::uint8_t {
  kVersion,  // the version line; it has no cells
  kKey,      // the key, padded with blanks to kLabelWidth
  kIndent,   // kLabelWidth blanks: a continuation row of the key above
  kNone,     // nothing: an empty line, or a row that starts in column 1
};

struct TLayoutLine {
  TLead lead;
  std::string_view key;  // kKey only
  std::uint8_t run_count;
  std::array<TFieldRun, 3> runs;  // the cells of the line, in order

  constexpr std::span<const TFieldRun> Runs() const { return {runs.data(), run_count}; }
};

namespace layout {

inline constexpr std::size_t kLineCount = 155;

class TBuilder {
 public:
  constexpr void Line(TLead lead, std::string_view key, std::initializer_list<TFieldRun> runs) {
    TLayoutLine& line = lines[count++];
    line.lead = lead;
    line.key = key;
    for (const TFieldRun& run : runs) line.runs[line.run_count++] = run;
  }
  constexpr void Key(std::string_view key, std::initializer_list<TFieldRun> runs) {
    Line(TLead::kKey, key, runs);
  }
  constexpr void Indent(std::initializer_list<TFieldRun> runs) { Line(TLead::kIndent, {}, runs); }
  constexpr void Blank() { Line(TLead::kNone, {}, {}); }
  // A map: its key line and a continuation row for each further row of the
  // map, then a row of indent alone.
  constexpr void Map(std::string_view key, TFieldRun map) {
    for (std::size_t row = 0; row < kMapRows; ++row) {
      TFieldRun cells = map;
      cells.first = static_cast<std::uint8_t>(kMapColumns * row);
      cells.offset = static_cast<std::uint16_t>(map.offset + kMapColumns * row);
      cells.count = static_cast<std::uint8_t>(kMapColumns);
      Line(row == 0 ? TLead::kKey : TLead::kIndent, row == 0 ? key : std::string_view{}, {cells});
    }
    Indent({});
  }

  std::array<TLayoutLine, kLineCount> lines{};
  std::size_t count = 0;
};

constexpr std::array<TLayoutLine, kLineCount> MakeLayout() {
  TBuilder b;
  b.Line(TLead::kVersion, {}, {});
  b.Blank();
  b.Key("BIKE", {IGN_FIELD(bike, kPlain)});
  b.Key("LIMITER", {IGN_FIELD(limiter, kTimes50)});
  for (std::uint8_t k = 0; k < 3; ++k) {
    b.Line(k == 0 ? TLead::kKey : TLead::kNone, k == 0 ? "POWER_OUT" : "",
           {IGN_FIELD_PART(power_out_rpm1, k, 1, kTimes50),
            IGN_FIELD_PART(power_out_rpm2, k, 1, kTimes50),
            IGN_FIELD_PART(power_out_flag, k, 1, kSwitch)});
  }
  b.Blank();
  b.Key("NO_READING", {IGN_FIELD(no_reading, kSwitch)});
  b.Key("RPM2", {IGN_FIELD(rpm2, kSwitch)});
  b.Key("EXT_MON", {IGN_FIELD(ext_mon, kSwitch)});
  b.Key("MODE", {IGN_FIELD(mode, kPlain)});
  b.Key("ACT_LIM1", {IGN_FIELD(not_act_lim1, kNegatedSwitch)});
  b.Key("ACT_RPM", {IGN_FIELD(not_act_rpm, kNegatedSwitch)});
  b.Key("ACT_OIL", {IGN_FIELD(act_oil, kSwitch)});
  b.Blank();
  b.Key("RPM_IGN_1", {IGN_FIELD(rpm_ign_1, kTimes50)});
  b.Map("IGN_1", IGN_FIELD(ign_1, kPlain));
  b.Key("RPM_IGN_2", {IGN_FIELD(rpm_ign_2, kTimes50)});
  b.Map("IGN_2", IGN_FIELD(ign_2, kPlain));
  b.Key("RPM_IGN_3", {IGN_FIELD(rpm_ign_3, kTimes50)});
  b.Map("IGN_3", IGN_FIELD(ign_3, kPlain));
  b.Key("RPM_JET_1A", {IGN_FIELD(rpm_jet_1a, kTimes50)});
  b.Map("JET_1A", IGN_FIELD(jet_1a, kPlain));
  b.Key("RPM_JET_2A", {IGN_FIELD(rpm_jet_2a, kTimes50)});
  b.Map("JET_2A", IGN_FIELD(jet_2a, kPlain));
  b.Key("RPM_JET_3A", {IGN_FIELD(rpm_jet_3a, kTimes50)});
  b.Map("JET_3A", IGN_FIELD(jet_3a, kPlain));
  b.Key("RPM_JET_1B", {IGN_FIELD(rpm_jet_1b, kTimes50)});
  b.Map("JET_1B", IGN_FIELD(jet_1b, kPlain));
  b.Key("RPM_JET_2B", {IGN_FIELD(rpm_jet_2b, kTimes50)});
  b.Map("JET_2B", IGN_FIELD(jet_2b, kPlain));
  b.Key("RPM_JET_3B", {IGN_FIELD(rpm_jet_3b, kTimes50)});
  b.Map("JET_3B", IGN_FIELD(jet_3b, kPlain));
  b.Key("POSITION_A", {IGN_FIELD(position_a_rpm, kTimes50)});
  b.Indent({IGN_FIELD(position_a, kTimes5)});
  b.Indent({IGN_FIELD(position_a_param, kPlain)});
  b.Key("POSITION_B", {IGN_FIELD(position_b_rpm, kTimes50)});
  b.Indent({IGN_FIELD(position_b, kTimes5)});
  b.Indent({IGN_FIELD(position_b_param, kPlain)});
  b.Key("TPS", {IGN_FIELD(tps_1, kTimes10), IGN_FIELD(tps_2, kTps2)});
  b.Key("ACCEL", {IGN_FIELD(accel_1, kTimes10), IGN_FIELD(accel_2, kTimes50)});
  b.Key("START_JET", {IGN_FIELD(start_jet, kPlain)});
  b.Key("TEMP_WARNING", {IGN_FIELD(temp_warning, kPlain)});
  b.Key("WATER_TEMP", {IGN_FIELD(water_temp, kPlain)});
  b.Key("AIR_TEMP", {IGN_FIELD(air_temp, kPlain)});
  b.Key("DRUCK", {IGN_FIELD(druck_1, kPlain)});
  b.Indent({IGN_FIELD(druck_2, kPlain)});
  b.Key("RETARD", {IGN_FIELD(retard_1, kSigned)});
  b.Indent({IGN_FIELD(retard_2, kSigned)});
  b.Key("CHOKE", {IGN_FIELD(choke_1, kPlain)});
  b.Indent({IGN_FIELD(choke_2, kChoke2)});
  b.Blank();
  b.Key("SERVO_ENABLE", {IGN_FIELD(servo_enable, kSwitch)});
  b.Key("SERVO_HYSTER", {IGN_FIELD(servo_hyster, kTimes5)});
  b.Key("RPM_SERVO", {IGN_FIELD(rpm_servo, kTimes50)});
  b.Key("VOLT_SERVO", {IGN_FIELD(volt_servo, kTimes20)});
  b.Blank();
  b.Key("RPM_KNOCK", {IGN_FIELD(rpm_knock, kTimes50)});
  b.Key("KNOCK_FREK", {IGN_FIELD(knock_frek, kPlain)});
  b.Key("GAIN", {IGN_FIELD(gain, kPlain)});
  b.Key("TIME_CONST", {IGN_FIELD(time_const, kPlain)});
  b.Key("START", {IGN_FIELD(start, kSigned)});
  b.Key("END", {IGN_FIELD(end, kSigned)});
  b.Key("ALARM", {IGN_FIELD(alarm, kTimes20)});
  if (b.count != kLineCount) throw "the layout must have kLineCount lines";
  return b.lines;
}

}  // namespace layout

// The lines of a version-2006 file, in order.
inline constexpr std::array<TLayoutLine, layout::kLineCount> kLayout2006 = layout::MakeLayout();

}  // namespace ign
