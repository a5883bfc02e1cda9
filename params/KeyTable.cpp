#include "params/KeyTable.h"

#include <cstddef>
#include <initializer_list>

#include "params/scan/NameIndex.h"

namespace ign {
namespace {

constexpr TKeyRule Key(std::string_view name, std::initializer_list<TFieldRun> runs) {
  TKeyRule rule{name, 0, 0, {}};
  for (const TFieldRun& run : runs) {
    rule.runs[rule.run_count++] = run;
    rule.value_count = static_cast<std::uint8_t>(rule.value_count + run.count);
  }
  return rule;
}

constexpr TKeyRule kKeys[] = {
    Key("BIKE", {IGN_FIELD(bike, kPlain)}),
    Key("LIMITER", {IGN_FIELD(limiter, kTimes50)}),
    Key("POWER_OUT", {IGN_FIELD_PART(power_out_rpm1, 0, 1, kTimes50),
                      IGN_FIELD_PART(power_out_rpm2, 0, 1, kTimes50),
                      IGN_FIELD_PART(power_out_flag, 0, 1, kSwitch),
                      IGN_FIELD_PART(power_out_rpm1, 1, 1, kTimes50),
                      IGN_FIELD_PART(power_out_rpm2, 1, 1, kTimes50),
                      IGN_FIELD_PART(power_out_flag, 1, 1, kSwitch),
                      IGN_FIELD_PART(power_out_rpm1, 2, 1, kTimes50),
                      IGN_FIELD_PART(power_out_rpm2, 2, 1, kTimes50),
                      IGN_FIELD_PART(power_out_flag, 2, 1, kSwitch)}),
    Key("NO_READING", {IGN_FIELD(no_reading, kSwitch)}),
    Key("RPM2", {IGN_FIELD(rpm2, kSwitch)}),
    Key("EXT_MON", {IGN_FIELD(ext_mon, kSwitch)}),
    Key("MODE", {IGN_FIELD(mode, kPlain)}),
    Key("ACT_LIM1", {IGN_FIELD(not_act_lim1, kNegatedSwitch)}),
    Key("ACT_RPM", {IGN_FIELD(not_act_rpm, kNegatedSwitch)}),
    Key("ACT_OIL", {IGN_FIELD(act_oil, kSwitch)}),
    Key("RPM_IGN_1", {IGN_FIELD(rpm_ign_1, kTimes50)}),
    Key("IGN_1", {IGN_FIELD(ign_1, kPlain)}),
    Key("RPM_IGN_2", {IGN_FIELD(rpm_ign_2, kTimes50)}),
    Key("IGN_2", {IGN_FIELD(ign_2, kPlain)}),
    Key("RPM_IGN_3", {IGN_FIELD(rpm_ign_3, kTimes50)}),
    Key("IGN_3", {IGN_FIELD(ign_3, kPlain)}),
    Key("RPM_JET_1A", {IGN_FIELD(rpm_jet_1a, kTimes50)}),
    Key("JET_1A", {IGN_FIELD(jet_1a, kPlain)}),
    Key("RPM_JET_2A", {IGN_FIELD(rpm_jet_2a, kTimes50)}),
    Key("JET_2A", {IGN_FIELD(jet_2a, kPlain)}),
    Key("RPM_JET_3A", {IGN_FIELD(rpm_jet_3a, kTimes50)}),
    Key("JET_3A", {IGN_FIELD(jet_3a, kPlain)}),
    Key("RPM_JET_1B", {IGN_FIELD(rpm_jet_1b, kTimes50)}),
    Key("JET_1B", {IGN_FIELD(jet_1b, kPlain)}),
    Key("RPM_JET_2B", {IGN_FIELD(rpm_jet_2b, kTimes50)}),
    Key("JET_2B", {IGN_FIELD(jet_2b, kPlain)}),
    Key("RPM_JET_3B", {IGN_FIELD(rpm_jet_3b, kTimes50)}),
    Key("JET_3B", {IGN_FIELD(jet_3b, kPlain)}),
    Key("POSITION_A", {IGN_FIELD(position_a_rpm, kTimes50), IGN_FIELD(position_a, kTimes5),
                       IGN_FIELD(position_a_param, kPlain)}),
    Key("POSITION_B", {IGN_FIELD(position_b_rpm, kTimes50), IGN_FIELD(position_b, kTimes5),
                       IGN_FIELD(position_b_param, kPlain)}),
    Key("SERVO_ENABLE", {IGN_FIELD(servo_enable, kSwitch)}),
    Key("SERVO_HYSTER", {IGN_FIELD(servo_hyster, kTimes5)}),
    Key("RPM_SERVO", {IGN_FIELD(rpm_servo, kTimes50)}),
    Key("VOLT_SERVO", {IGN_FIELD(volt_servo, kTimes20)}),
    Key("TPS", {IGN_FIELD(tps_1, kTimes10), IGN_FIELD(tps_2, kTps2)}),
    Key("ACCEL", {IGN_FIELD(accel_1, kTimes10), IGN_FIELD(accel_2, kTimes50)}),
    Key("START_JET", {IGN_FIELD(start_jet, kPlain)}),
    Key("TEMP_WARNING", {IGN_FIELD(temp_warning, kPlain)}),
    Key("WATER_TEMP", {IGN_FIELD(water_temp, kPlain)}),
    Key("AIR_TEMP", {IGN_FIELD(air_temp, kPlain)}),
    Key("DRUCK", {IGN_FIELD(druck_1, kPlain), IGN_FIELD(druck_2, kPlain)}),
    Key("RETARD", {IGN_FIELD(retard_1, kSigned), IGN_FIELD(retard_2, kSigned)}),
    Key("CHOKE", {IGN_FIELD(choke_1, kPlain), IGN_FIELD(choke_2, kChoke2)}),
    Key("RPM_KNOCK", {IGN_FIELD(rpm_knock, kTimes50)}),
    Key("KNOCK_FREK", {IGN_FIELD(knock_frek, kPlain)}),
    Key("REF_FREK", {IGN_FIELD(ref_frek, kPlain)}),
    Key("LEVEL", {IGN_FIELD(gain, kPlain)}),
    Key("KNOCK_CA", {IGN_FIELD(knock_ca, kPlain)}),
    Key("TIME_CONST", {IGN_FIELD(time_const, kPlain)}),
    Key("START", {IGN_FIELD(start, kSigned)}),
    Key("END", {IGN_FIELD(end, kSigned)}),
    Key("ALARM", {IGN_FIELD(alarm, kTimes20)}),
};

static_assert(std::size(kKeys) == kKeyCount);
static_assert([] {
  for (const TKeyRule& key : kKeys) {
    if (key.value_count > kMostKeyValues) return false;
  }
  return true;
}());

constexpr std::array<std::string_view, kKeyCount> kNames = [] {
  std::array<std::string_view, kKeyCount> names;
  for (std::size_t i = 0; i < kKeyCount; ++i) names[i] = kKeys[i].name;
  return names;
}();

constexpr TNameIndex<kKeyCount> kIndex(kNames);

}  // namespace

std::span<const TKeyRule> KeyTable() { return kKeys; }

const TKeyRule* FindKey(std::string_view token) {
  const std::size_t found = kIndex.Find(token);
  return found == kIndex.kNone ? nullptr : &kKeys[found];
}

TValueSlot SlotOf(const TKeyRule& key, unsigned index) {
  for (const TFieldRun& run : key.Runs()) {
    if (index < run.count) {
      return {&run, static_cast<std::uint8_t>(run.first + index),
              static_cast<std::uint16_t>(run.offset + index)};
    }
    index -= run.count;
  }
  return {nullptr, 0, 0};
}

}  // namespace ign
