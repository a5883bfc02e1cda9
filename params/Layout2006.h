// The version-2006 file as data: its 155 lines, what begins each of them and
// which bytes of the set fill their cells; and what version 2006 does with
// each field that version 2005 has. The writer walks the lines; the
// conversion report reads the fates.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

#include "params/Encoding.h"
#include "params/ParameterSet.h"

namespace ign {

inline constexpr unsigned kVersion2006 = 51;
// The version line: the key, four blanks, 51 in a "%3u " cell.
inline constexpr std::string_view kVersionLine2006 = "ZANTROVA_KEY    51 ";
// Keys are padded to this width; continuation rows are indented by it.
inline constexpr std::size_t kLabelWidth = 13;

// Cells of `count` consecutive elements of one field.
struct TCellRun {
  std::string_view field;
  std::uint16_t offset;  // byte offset of the first element in TParameterSet
  std::uint8_t first;    // its index within the field
  std::uint8_t count;
  TEncoding encoding;
};

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
  std::array<TCellRun, 3> runs;

  constexpr std::span<const TCellRun> Runs() const { return {runs.data(), run_count}; }
};

// What version 2006 does with a field that version 2005 reads.
enum class TFate : std::uint8_t {
  kKept,      // written as read
  kReplaced,  // the adjustment gives it fixed values, whatever was read
  kLowered,   // the adjustment lowers it
  kDropped,   // version 2006 has no row for it
};

namespace layout {

#define IGN_CELLS(field, encoding)                                                     \
  TCellRun {                                                                           \
#field, static_cast < std::uint16_t>(offsetof(TParameterSet, field)), 0,           \
        static_cast < std::uint8_t>(sizeof(TParameterSet::field)), TEncoding::encoding \
  }
#define IGN_CELLS_FROM(field, from, n, encoding)                                               \
  TCellRun {                                                                                   \
#field, static_cast < std::uint16_t>(offsetof(TParameterSet, field) + (from)),             \
        static_cast < std::uint8_t>(from), static_cast < std::uint8_t>(n), TEncoding::encoding \
  }

inline constexpr std::size_t kLineCount = 155;

class TBuilder {
 public:
  constexpr void Line(TLead lead, std::string_view key, std::initializer_list<TCellRun> runs) {
    TLayoutLine& line = lines[count++];
    line.lead = lead;
    line.key = key;
    for (const TCellRun& run : runs) line.runs[line.run_count++] = run;
  }
  constexpr void Key(std::string_view key, std::initializer_list<TCellRun> runs) {
    Line(TLead::kKey, key, runs);
  }
  constexpr void Indent(std::initializer_list<TCellRun> runs) { Line(TLead::kIndent, {}, runs); }
  constexpr void Blank() { Line(TLead::kNone, {}, {}); }
  // A map: its key line and nine continuation rows of fifteen, then a row of
  // indent alone.
  constexpr void Map(std::string_view key, TCellRun map) {
    for (std::uint8_t row = 0; row < 10; ++row) {
      TCellRun cells = map;
      cells.first = static_cast<std::uint8_t>(15 * row);
      cells.offset = static_cast<std::uint16_t>(map.offset + 15 * row);
      cells.count = 15;
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
  b.Key("BIKE", {IGN_CELLS(bike, kPlain)});
  b.Key("LIMITER", {IGN_CELLS(limiter, kTimes50)});
  for (std::uint8_t k = 0; k < 3; ++k) {
    b.Line(k == 0 ? TLead::kKey : TLead::kNone, k == 0 ? "POWER_OUT" : "",
           {IGN_CELLS_FROM(power_out_rpm1, k, 1, kTimes50),
            IGN_CELLS_FROM(power_out_rpm2, k, 1, kTimes50),
            IGN_CELLS_FROM(power_out_flag, k, 1, kSwitch)});
  }
  b.Blank();
  b.Key("NO_READING", {IGN_CELLS(no_reading, kSwitch)});
  b.Key("RPM2", {IGN_CELLS(rpm2, kSwitch)});
  b.Key("EXT_MON", {IGN_CELLS(ext_mon, kSwitch)});
  b.Key("MODE", {IGN_CELLS(mode, kPlain)});
  b.Key("ACT_LIM1", {IGN_CELLS(not_act_lim1, kNegatedSwitch)});
  b.Key("ACT_RPM", {IGN_CELLS(not_act_rpm, kNegatedSwitch)});
  b.Key("ACT_OIL", {IGN_CELLS(act_oil, kSwitch)});
  b.Blank();
  b.Key("RPM_IGN_1", {IGN_CELLS(rpm_ign_1, kTimes50)});
  b.Map("IGN_1", IGN_CELLS(ign_1, kPlain));
  b.Key("RPM_IGN_2", {IGN_CELLS(rpm_ign_2, kTimes50)});
  b.Map("IGN_2", IGN_CELLS(ign_2, kPlain));
  b.Key("RPM_IGN_3", {IGN_CELLS(rpm_ign_3, kTimes50)});
  b.Map("IGN_3", IGN_CELLS(ign_3, kPlain));
  b.Key("RPM_JET_1A", {IGN_CELLS(rpm_jet_1a, kTimes50)});
  b.Map("JET_1A", IGN_CELLS(jet_1a, kPlain));
  b.Key("RPM_JET_2A", {IGN_CELLS(rpm_jet_2a, kTimes50)});
  b.Map("JET_2A", IGN_CELLS(jet_2a, kPlain));
  b.Key("RPM_JET_3A", {IGN_CELLS(rpm_jet_3a, kTimes50)});
  b.Map("JET_3A", IGN_CELLS(jet_3a, kPlain));
  b.Key("RPM_JET_1B", {IGN_CELLS(rpm_jet_1b, kTimes50)});
  b.Map("JET_1B", IGN_CELLS(jet_1b, kPlain));
  b.Key("RPM_JET_2B", {IGN_CELLS(rpm_jet_2b, kTimes50)});
  b.Map("JET_2B", IGN_CELLS(jet_2b, kPlain));
  b.Key("RPM_JET_3B", {IGN_CELLS(rpm_jet_3b, kTimes50)});
  b.Map("JET_3B", IGN_CELLS(jet_3b, kPlain));
  b.Key("POSITION_A", {IGN_CELLS(position_a_rpm, kTimes50)});
  b.Indent({IGN_CELLS(position_a, kTimes5)});
  b.Indent({IGN_CELLS(position_a_param, kPlain)});
  b.Key("POSITION_B", {IGN_CELLS(position_b_rpm, kTimes50)});
  b.Indent({IGN_CELLS(position_b, kTimes5)});
  b.Indent({IGN_CELLS(position_b_param, kPlain)});
  b.Key("TPS", {IGN_CELLS(tps_1, kTimes10), IGN_CELLS(tps_2, kTps2)});
  b.Key("ACCEL", {IGN_CELLS(accel_1, kTimes10), IGN_CELLS(accel_2, kTimes50)});
  b.Key("START_JET", {IGN_CELLS(start_jet, kPlain)});
  b.Key("TEMP_WARNING", {IGN_CELLS(temp_warning, kPlain)});
  b.Key("WATER_TEMP", {IGN_CELLS(water_temp, kPlain)});
  b.Key("AIR_TEMP", {IGN_CELLS(air_temp, kPlain)});
  b.Key("DRUCK", {IGN_CELLS(druck_1, kPlain)});
  b.Indent({IGN_CELLS(druck_2, kPlain)});
  b.Key("RETARD", {IGN_CELLS(retard_1, kSigned)});
  b.Indent({IGN_CELLS(retard_2, kSigned)});
  b.Key("CHOKE", {IGN_CELLS(choke_1, kPlain)});
  b.Indent({IGN_CELLS(choke_2, kChoke2)});
  b.Blank();
  b.Key("SERVO_ENABLE", {IGN_CELLS(servo_enable, kSwitch)});
  b.Key("SERVO_HYSTER", {IGN_CELLS(servo_hyster, kTimes5)});
  b.Key("RPM_SERVO", {IGN_CELLS(rpm_servo, kTimes50)});
  b.Key("VOLT_SERVO", {IGN_CELLS(volt_servo, kTimes20)});
  b.Blank();
  b.Key("RPM_KNOCK", {IGN_CELLS(rpm_knock, kTimes50)});
  b.Key("KNOCK_FREK", {IGN_CELLS(knock_frek, kPlain)});
  b.Key("GAIN", {IGN_CELLS(gain, kPlain)});
  b.Key("TIME_CONST", {IGN_CELLS(time_const, kPlain)});
  b.Key("START", {IGN_CELLS(start, kSigned)});
  b.Key("END", {IGN_CELLS(end, kSigned)});
  b.Key("ALARM", {IGN_CELLS(alarm, kTimes20)});
  if (b.count != kLineCount) throw "the layout must have kLineCount lines";
  return b.lines;
}

#undef IGN_CELLS
#undef IGN_CELLS_FROM

struct TFieldFate {
  std::string_view field;
  TFate fate;
};

// Fields not listed are kept. Version 2006 measures the knock gain and time
// constant otherwise and lowers the alarm threshold; it has no reference
// frequency and no knock angle.
inline constexpr TFieldFate kFates[] = {
    {"gain", TFate::kReplaced},    {"time_const", TFate::kReplaced}, {"alarm", TFate::kLowered},
    {"ref_frek", TFate::kDropped}, {"knock_ca", TFate::kDropped},
};

}  // namespace layout

// The lines of a version-2006 file, in order.
inline constexpr std::array<TLayoutLine, layout::kLineCount> kLayout2006 = layout::MakeLayout();

// What version 2006 does with the field called `field` in TParameterSet.
constexpr TFate FateOf(std::string_view field) {
  for (const layout::TFieldFate& entry : layout::kFates) {
    if (entry.field == field) return entry.fate;
  }
  return TFate::kKept;
}

// The key under which version 2006 writes the field that starts at byte
// `offset` of the set, or an empty view for a dropped field.
std::string_view Key2006At(std::size_t offset);

}  // namespace ign
