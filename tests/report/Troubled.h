// A version-2005 input with every kind of change the report tells, each on a
// line of its own, for the report's tests and the command's.
#pragma once

namespace ign::test {

constexpr const char* kTroubled =
    "BIKE 5\n"                                              // 1
    "ZANTROVA_KEY 37\n"                                     // 2
    "LIMITER 9000 9500 10000\n"                             // 3
    "FOO 1\n"                                               // 4
    "IGN_1 7 8 x\n"                                         // 5
    "ACT_LIM1 3\n"                                          // 6
    "LIMITER 15000 12790 9000\r\n"                          // 7
    "LEVEL 60 60 60 60 60 60 60 60 60 60 60 60 60 60 70\n"  // 8
    "REF_FREK 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15\n"        // 9
    "ALARM 5000 420 419 0 0 0 0 0 0 0 0 0 0 0 6000\n"       // 10
    "END 1 2\n";                                            // 11

}  // namespace ign::test
