#include "bench/PlainTranscription.h"

#include <cstdint>
#include <cstring>

#include "params/IgnWriter.h"
#include "params/KeyTable.h"
#include "params/New.h"

namespace ign::plain {
namespace {

using TByte = std::uint8_t;

// The scanned value lives for the whole run, as the format says.
unsigned short scanned = 0;

void Cells(std::FILE* out, const TByte* bytes, int count, int scale, int offset = 0) {
  for (int i = 0; i < count; ++i) std::fprintf(out, "%5u ", (bytes[i] + offset) * scale);
}

void Signed(std::FILE* out, const TByte* bytes, int count) {
  for (int i = 0; i < count; ++i) std::fprintf(out, "%5d ", bytes[i] - 100);
}

void Switch(std::FILE* out, TByte byte) { std::fprintf(out, "    %d", byte != 0 ? 1 : 0); }

void MapBlock(std::FILE* out, const char* speed_key, const TByte* speeds, const char* map_key,
              const TByte* map) {
  std::fprintf(out, "\r\n%-13s", speed_key);
  Cells(out, speeds, 15, 50);
  std::fprintf(out, "\r\n%-13s", map_key);
  for (int i = 0; i < 150; ++i) {
    std::fprintf(out, "%5u ", map[i]);
    if (i % 15 == 14) std::fprintf(out, "\r\n             ");
  }
}

void Position(std::FILE* out, const char* key, const TByte* speeds, const TByte* positions,
              TByte param) {
  std::fprintf(out, "\r\n%-13s", key);
  Cells(out, speeds, 15, 50);
  std::fprintf(out, "\r\n             ");
  Cells(out, positions, 15, 5);
  std::fprintf(out, "\r\n             %5u ", param);
}

}  // namespace

bool ReadIgn2005(std::FILE* in, TParameterSet& set) {
  char token[260];
  unsigned value = 0;
  int signed_value = 0;
  set.version_matched = false;
  while (std::fscanf(in, "%259s ", token) == 1) {
    if (std::strcmp(token, "ZANTROVA_KEY") != 0) continue;
    if (std::fscanf(in, "%u", &value) == 1) scanned = static_cast<unsigned short>(value);
    if (scanned == 37) {
      set.version_matched = true;
      break;
    }
  }
  if (!set.version_matched) return false;
  auto* bytes = reinterpret_cast<TByte*>(&set);
  while (std::fscanf(in, "%259s ", token) == 1) {
    for (const TKeyRule& key : KeyTable()) {
      if (key.name != token) continue;
      for (unsigned index = 0; index < key.value_count; ++index) {
        const TValueSlot slot = SlotOf(key, index);
        if (key.IsSigned()) {
          std::fscanf(in, "%d", &signed_value);
          bytes[slot.offset] = EncodeSigned(signed_value);
        } else {
          if (std::fscanf(in, "%u", &value) == 1) scanned = static_cast<unsigned short>(value);
          bytes[slot.offset] = EncodeUnsigned(slot.segment->encoding, scanned);
        }
      }
      break;
    }
  }
  return true;
}

void WriteIgn2006(const TParameterSet& s, std::FILE* out) {
  std::fprintf(out, "ZANTROVA_KEY   %3u \r\n", 51u);
  std::fprintf(out, "\r\nBIKE         %5u ", s.bike);
  std::fprintf(out, "\r\nLIMITER      ");
  Cells(out, s.limiter, 3, 50);
  std::fprintf(out, "\r\nPOWER_OUT    ");
  for (int k = 0; k < 3; ++k) {
    std::fprintf(out, "%5u %5u ", s.power_out_rpm1[k] * 50, s.power_out_rpm2[k] * 50);
    Switch(out, s.power_out_flag[k]);
    std::fprintf(out, "\r\n");
  }
  std::fprintf(out, "\r\nNO_READING   ");
  Switch(out, s.no_reading);
  std::fprintf(out, "\r\nRPM2         ");
  Switch(out, s.rpm2);
  std::fprintf(out, "\r\nEXT_MON      ");
  Switch(out, s.ext_mon);
  std::fprintf(out, "\r\nMODE         ");
  Cells(out, s.mode, 2, 1);
  std::fprintf(out, "\r\nACT_LIM1     ");
  Switch(out, s.not_act_lim1 == 0);
  std::fprintf(out, "\r\nACT_RPM      ");
  Switch(out, s.not_act_rpm == 0);
  std::fprintf(out, "\r\nACT_OIL      ");
  Switch(out, s.act_oil);
  std::fprintf(out, "\r\n");
  MapBlock(out, "RPM_IGN_1", s.rpm_ign_1, "IGN_1", s.ign_1);
  MapBlock(out, "RPM_IGN_2", s.rpm_ign_2, "IGN_2", s.ign_2);
  MapBlock(out, "RPM_IGN_3", s.rpm_ign_3, "IGN_3", s.ign_3);
  MapBlock(out, "RPM_JET_1A", s.rpm_jet_1a, "JET_1A", s.jet_1a);
  MapBlock(out, "RPM_JET_2A", s.rpm_jet_2a, "JET_2A", s.jet_2a);
  MapBlock(out, "RPM_JET_3A", s.rpm_jet_3a, "JET_3A", s.jet_3a);
  MapBlock(out, "RPM_JET_1B", s.rpm_jet_1b, "JET_1B", s.jet_1b);
  MapBlock(out, "RPM_JET_2B", s.rpm_jet_2b, "JET_2B", s.jet_2b);
  MapBlock(out, "RPM_JET_3B", s.rpm_jet_3b, "JET_3B", s.jet_3b);
  Position(out, "POSITION_A", s.position_a_rpm, s.position_a, s.position_a_param);
  Position(out, "POSITION_B", s.position_b_rpm, s.position_b, s.position_b_param);
  std::fprintf(out, "\r\nTPS          %5u %5u ", s.tps_1 * 10, (s.tps_2 + 250) * 10);
  std::fprintf(out, "\r\nACCEL        %5u %5u ", s.accel_1 * 10, s.accel_2 * 50);
  std::fprintf(out, "\r\nSTART_JET    %5u ", s.start_jet);
  std::fprintf(out, "\r\nTEMP_WARNING %5u ", s.temp_warning);
  std::fprintf(out, "\r\nWATER_TEMP   ");
  Cells(out, s.water_temp, 5, 1);
  std::fprintf(out, "\r\nAIR_TEMP     ");
  Cells(out, s.air_temp, 5, 1);
  std::fprintf(out, "\r\nDRUCK        ");
  Cells(out, s.druck_1, 10, 1);
  std::fprintf(out, "\r\n             ");
  Cells(out, s.druck_2, 10, 1);
  std::fprintf(out, "\r\nRETARD       ");
  Signed(out, s.retard_1, 10);
  std::fprintf(out, "\r\n             ");
  Signed(out, s.retard_2, 10);
  std::fprintf(out, "\r\nCHOKE        ");
  Cells(out, s.choke_1, 4, 1);
  std::fprintf(out, "\r\n             ");
  Cells(out, s.choke_2, 4, 1, 100);
  std::fprintf(out, "\r\n");
  std::fprintf(out, "\r\nSERVO_ENABLE ");
  Switch(out, s.servo_enable);
  std::fprintf(out, "\r\nSERVO_HYSTER %5u ", s.servo_hyster * 5);
  std::fprintf(out, "\r\nRPM_SERVO    ");
  Cells(out, s.rpm_servo, 15, 50);
  std::fprintf(out, "\r\nVOLT_SERVO   ");
  Cells(out, s.volt_servo, 15, 20);
  std::fprintf(out, "\r\n\r\nRPM_KNOCK    ");
  Cells(out, s.rpm_knock, 15, 50);
  std::fprintf(out, "\r\nKNOCK_FREK   ");
  Cells(out, s.knock_frek, 15, 1);
  std::fprintf(out, "\r\nGAIN         ");
  Cells(out, s.gain, 15, 1);
  std::fprintf(out, "\r\nTIME_CONST   ");
  Cells(out, s.time_const, 15, 1);
  std::fprintf(out, "\r\nSTART        ");
  Signed(out, s.start, 15);
  std::fprintf(out, "\r\nEND          ");
  Signed(out, s.end, 15);
  std::fprintf(out, "\r\nALARM        ");
  Cells(out, s.alarm, 15, 20);
  std::fprintf(out, "\r\n");
}

bool Convert(std::string_view input, std::string& output) {
  // Memory streams, so that the baseline pays for formatted input and
  // output, not for a disk.
  std::FILE* in = fmemopen(const_cast<char*>(input.data()), input.size(), "r");
  if (in == nullptr) return false;
  TParameterSet set;
  AdjustFor2006(set);
  const bool matched = ReadIgn2005(in, set);
  std::fclose(in);
  if (!matched) return false;
  AdjustFor2006(set);
  char bytes[kIgn2006Size + 1];
  std::FILE* out = fmemopen(bytes, sizeof bytes, "w");
  if (out == nullptr) return false;
  WriteIgn2006(set, out);
  const long written = std::ftell(out);
  std::fclose(out);
  output.append(bytes, static_cast<std::size_t>(written));
  return true;
}

}  // namespace ign::plain
