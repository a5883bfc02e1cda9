#!/usr/bin/env python3
"""Writes the version-2005 sample files of examples/ (run once; the files are committed).

Each file carries all 52 keys with plausible values: speeds in steps of 50,
ignition maps rising with speed and falling with load, jet maps, knock rows.
"""
import math
import pathlib
import sys

OUT = pathlib.Path(__file__).resolve().parent.parent / "examples"


def row(values, width=6):
    return "".join(f"{v:>{width}}" for v in values)


def speeds(start, step):
    return [start + step * i for i in range(15)]


def ign_map(base, peak, load_drop):
    rows = []
    for r in range(10):
        rows.append([max(0, round(base + (peak - base) * math.sin(min(1.0, c / 9) * math.pi / 2) - r * load_drop))
                     for c in range(15)])
    return rows


def jet_map(base, slope):
    return [[base + c * slope + r * 2 for c in range(15)] for r in range(10)]


def build(name, p, crlf):
    lines = ["ZANTROVA_KEY   37", ""]
    add = lines.append
    add(f"BIKE         {p['bike']:>6}")
    add("LIMITER      " + row(p["limiter"]))
    add("POWER_OUT    " + row(p["power_out"][0]))
    add("             " + row(p["power_out"][1]))
    add("             " + row(p["power_out"][2]))
    add(f"NO_READING   {0:>6}")
    add(f"RPM2         {1:>6}")
    add(f"EXT_MON      {0:>6}")
    add("MODE         " + row(p["mode"]))
    add(f"ACT_LIM1     {1:>6}")
    add(f"ACT_RPM      {0:>6}")
    add(f"ACT_OIL      {1:>6}")
    add("")
    blocks = [("IGN_1", ign_map(8, 32, 1)), ("IGN_2", ign_map(6, 30, 1)), ("IGN_3", ign_map(10, 34, 2)),
              ("JET_1A", jet_map(20, 3)), ("JET_2A", jet_map(18, 3)), ("JET_3A", jet_map(22, 4)),
              ("JET_1B", jet_map(16, 2)), ("JET_2B", jet_map(14, 2)), ("JET_3B", jet_map(12, 3))]
    for key, m in blocks:
        add(f"RPM_{key:<9}" + row(speeds(p["rpm_start"], p["rpm_step"])))
        add(f"{key:<13}" + row(m[0]))
        for r in m[1:]:
            add(" " * 13 + row(r))
        add("")
    add("POSITION_A   " + row(speeds(2000, 500)))
    add(" " * 13 + row([min(255, 10 * i) * 5 // 5 * 5 for i in range(15)]))
    add(" " * 13 + row([3]))
    add("POSITION_B   " + row(speeds(2500, 500)))
    add(" " * 13 + row([15 * i for i in range(15)]))
    add(" " * 13 + row([5]))
    add("TPS          " + row(p["tps"]))
    add("ACCEL        " + row(p["accel"]))
    add(f"START_JET    {p['start_jet']:>6}")
    add(f"TEMP_WARNING {p['temp_warning']:>6}")
    add("WATER_TEMP   " + row([40, 60, 80, 95, 110]))
    add("AIR_TEMP     " + row([0, 10, 20, 30, 40]))
    add("DRUCK        " + row([90 + 2 * i for i in range(10)]))
    add(" " * 13 + row([100 - i for i in range(10)]))
    add("RETARD       " + row([0, -1, -2, -3, -4, -5, -6, -8, -10, -12]))
    add(" " * 13 + row([0, 0, 1, 2, 3, 2, 1, 0, -1, -2]))
    add("CHOKE        " + row([30, 20, 10, 5]))
    add(" " * 13 + row([150, 130, 115, 100]))
    add("")
    add(f"SERVO_ENABLE {1:>6}")
    add(f"SERVO_HYSTER {p['servo_hyster']:>6}")
    add("RPM_SERVO    " + row(speeds(3000, 500)))
    add("VOLT_SERVO   " + row([1000 + 200 * i for i in range(15)]))
    add("")
    add("RPM_KNOCK    " + row(speeds(4000, 500)))
    add("KNOCK_FREK   " + row([120 + i for i in range(15)]))
    add("REF_FREK     " + row([100 + i for i in range(15)]))
    add("LEVEL        " + row([45] * 15))
    add("KNOCK_CA     " + row([30 + i for i in range(15)]))
    add("TIME_CONST   " + row([12] * 15))
    add("START        " + row([-10 + i for i in range(15)]))
    add("END          " + row([20 + i for i in range(15)]))
    add("ALARM        " + row([1000 + 100 * i for i in range(15)]))
    eol = "\r\n" if crlf else "\n"
    (OUT / name).write_bytes((eol.join(lines) + eol).encode("ascii"))


def main():
    OUT.mkdir(exist_ok=True)
    build("two-stroke-125.ign", dict(bike=2, limiter=[12500, 12700, 12750],
                                     power_out=[[6000, 9000, 1], [7000, 11000, 0], [3000, 4000, 1]],
                                     mode=[1, 0], rpm_start=2000, rpm_step=750, tps=[150, 4500],
                                     accel=[300, 1500], start_jet=12, temp_warning=105, servo_hyster=25),
          crlf=True)
    build("enduro-250.ign", dict(bike=5, limiter=[10500, 10800, 11000],
                                 power_out=[[4000, 7000, 1], [5000, 8000, 1], [2500, 3000, 0]],
                                 mode=[0, 2], rpm_start=1500, rpm_step=650, tps=[100, 4000],
                                 accel=[200, 1000], start_jet=20, temp_warning=98, servo_hyster=15),
          crlf=False)
    build("kart-100.ign", dict(bike=7, limiter=[11000, 11500, 12000],
                               power_out=[[5000, 8000, 0], [6000, 9500, 1], [9000, 9500, 1]],
                               mode=[2, 1], rpm_start=3000, rpm_step=600, tps=[120, 3500],
                               accel=[250, 2000], start_jet=8, temp_warning=110, servo_hyster=10),
          crlf=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
