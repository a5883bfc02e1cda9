#include "params/KeyTable.h"

#include <cstddef>
#include <initializer_list>

namespace ign {
namespace {

using E = TEncoding;

// A run over a whole field.
#define IGN_RUN(field, encoding)                                             \
  TSegment {                                                                 \
#field, static_cast < std::uint16_t>(offsetof(TParameterSet, field)), 0, \
        static_cast < std::uint8_t>(sizeof(TParameterSet::field)), encoding  \
  }

// One element of a field, for keys whose values interleave several fields.
#define IGN_ELEMENT(field, k, encoding)                                                          \
  TSegment {                                                                                     \
#field, static_cast < std::uint16_t>(offsetof(TParameterSet, field) + (k)), (k), 1, encoding \
  }

constexpr TKeyRule Key(std::string_view name, std::initializer_list<TSegment> runs) {
  TKeyRule rule{name, 0, 0, {}};
  for (const TSegment& run : runs) {
    rule.segments[rule.segment_count++] = run;
    rule.value_count = static_cast<std::uint8_t>(rule.value_count + run.count);
  }
  return rule;
}

constexpr TKeyRule kKeys[] = {
    Key("BIKE", {IGN_RUN(bike, E::kPlain)}),
    Key("LIMITER", {IGN_RUN(limiter, E::kTimes50)}),
    Key("POWER_OUT",
        {IGN_ELEMENT(power_out_rpm1, 0, E::kTimes50), IGN_ELEMENT(power_out_rpm2, 0, E::kTimes50),
         IGN_ELEMENT(power_out_flag, 0, E::kSwitch), IGN_ELEMENT(power_out_rpm1, 1, E::kTimes50),
         IGN_ELEMENT(power_out_rpm2, 1, E::kTimes50), IGN_ELEMENT(power_out_flag, 1, E::kSwitch),
         IGN_ELEMENT(power_out_rpm1, 2, E::kTimes50), IGN_ELEMENT(power_out_rpm2, 2, E::kTimes50),
         IGN_ELEMENT(power_out_flag, 2, E::kSwitch)}),
    Key("NO_READING", {IGN_RUN(no_reading, E::kSwitch)}),
    Key("RPM2", {IGN_RUN(rpm2, E::kSwitch)}),
    Key("EXT_MON", {IGN_RUN(ext_mon, E::kSwitch)}),
    Key("MODE", {IGN_RUN(mode, E::kPlain)}),
    Key("ACT_LIM1", {IGN_RUN(not_act_lim1, E::kNegatedSwitch)}),
    Key("ACT_RPM", {IGN_RUN(not_act_rpm, E::kNegatedSwitch)}),
    Key("ACT_OIL", {IGN_RUN(act_oil, E::kSwitch)}),
    Key("RPM_IGN_1", {IGN_RUN(rpm_ign_1, E::kTimes50)}),
    Key("IGN_1", {IGN_RUN(ign_1, E::kPlain)}),
    Key("RPM_IGN_2", {IGN_RUN(rpm_ign_2, E::kTimes50)}),
    Key("IGN_2", {IGN_RUN(ign_2, E::kPlain)}),
    Key("RPM_IGN_3", {IGN_RUN(rpm_ign_3, E::kTimes50)}),
    Key("IGN_3", {IGN_RUN(ign_3, E::kPlain)}),
    Key("RPM_JET_1A", {IGN_RUN(rpm_jet_1a, E::kTimes50)}),
    Key("JET_1A", {IGN_RUN(jet_1a, E::kPlain)}),
    Key("RPM_JET_2A", {IGN_RUN(rpm_jet_2a, E::kTimes50)}),
    Key("JET_2A", {IGN_RUN(jet_2a, E::kPlain)}),
    Key("RPM_JET_3A", {IGN_RUN(rpm_jet_3a, E::kTimes50)}),
    Key("JET_3A", {IGN_RUN(jet_3a, E::kPlain)}),
    Key("RPM_JET_1B", {IGN_RUN(rpm_jet_1b, E::kTimes50)}),
    Key("JET_1B", {IGN_RUN(jet_1b, E::kPlain)}),
    Key("RPM_JET_2B", {IGN_RUN(rpm_jet_2b, E::kTimes50)}),
    Key("JET_2B", {IGN_RUN(jet_2b, E::kPlain)}),
    Key("RPM_JET_3B", {IGN_RUN(rpm_jet_3b, E::kTimes50)}),
    Key("JET_3B", {IGN_RUN(jet_3b, E::kPlain)}),
    Key("POSITION_A", {IGN_RUN(position_a_rpm, E::kTimes50), IGN_RUN(position_a, E::kTimes5),
                       IGN_RUN(position_a_param, E::kPlain)}),
    Key("POSITION_B", {IGN_RUN(position_b_rpm, E::kTimes50), IGN_RUN(position_b, E::kTimes5),
                       IGN_RUN(position_b_param, E::kPlain)}),
    Key("SERVO_ENABLE", {IGN_RUN(servo_enable, E::kSwitch)}),
    Key("SERVO_HYSTER", {IGN_RUN(servo_hyster, E::kTimes5)}),
    Key("RPM_SERVO", {IGN_RUN(rpm_servo, E::kTimes50)}),
    Key("VOLT_SERVO", {IGN_RUN(volt_servo, E::kTimes20)}),
    Key("TPS", {IGN_RUN(tps_1, E::kTimes10), IGN_RUN(tps_2, E::kTps2)}),
    Key("ACCEL", {IGN_RUN(accel_1, E::kTimes10), IGN_RUN(accel_2, E::kTimes50)}),
    Key("START_JET", {IGN_RUN(start_jet, E::kPlain)}),
    Key("TEMP_WARNING", {IGN_RUN(temp_warning, E::kPlain)}),
    Key("WATER_TEMP", {IGN_RUN(water_temp, E::kPlain)}),
    Key("AIR_TEMP", {IGN_RUN(air_temp, E::kPlain)}),
    Key("DRUCK", {IGN_RUN(druck_1, E::kPlain), IGN_RUN(druck_2, E::kPlain)}),
    Key("RETARD", {IGN_RUN(retard_1, E::kSigned), IGN_RUN(retard_2, E::kSigned)}),
    Key("CHOKE", {IGN_RUN(choke_1, E::kPlain), IGN_RUN(choke_2, E::kChoke2)}),
    Key("RPM_KNOCK", {IGN_RUN(rpm_knock, E::kTimes50)}),
    Key("KNOCK_FREK", {IGN_RUN(knock_frek, E::kPlain)}),
    Key("REF_FREK", {IGN_RUN(ref_frek, E::kPlain)}),
    Key("LEVEL", {IGN_RUN(gain, E::kPlain)}),
    Key("KNOCK_CA", {IGN_RUN(knock_ca, E::kPlain)}),
    Key("TIME_CONST", {IGN_RUN(time_const, E::kPlain)}),
    Key("START", {IGN_RUN(start, E::kSigned)}),
    Key("END", {IGN_RUN(end, E::kSigned)}),
    Key("ALARM", {IGN_RUN(alarm, E::kTimes20)}),
};

#undef IGN_RUN
#undef IGN_ELEMENT

static_assert(std::size(kKeys) == kKeyCount);
static_assert([] {
  for (const TKeyRule& key : kKeys) {
    if (key.value_count > kMostKeyValues) return false;
  }
  return true;
}());

}  // namespace

std::span<const TKeyRule> KeyTable() { return kKeys; }

const TKeyRule* FindKey(std::string_view token) {
  // Only keys and stray words reach this, never the numbers after a key, so a
  // plain walk in table order is cheap enough.
  for (const TKeyRule& key : kKeys) {
    if (key.name.size() == token.size() && key.name == token) return &key;
  }
  return nullptr;
}

TValueSlot SlotOf(const TKeyRule& key, unsigned index) {
  for (const TSegment& segment : key.Segments()) {
    if (index < segment.count) {
      return {&segment, static_cast<std::uint8_t>(segment.first + index),
              static_cast<std::uint16_t>(segment.offset + index)};
    }
    index -= segment.count;
  }
  return {nullptr, 0, 0};
}

}  // namespace ign
