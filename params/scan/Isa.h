// Which instructions this build may use beyond plain C++.
#pragma once

// x86-64 with GCC or Clang: SSE2 is part of every such processor, and the
// wider paths are compiled per function with target attributes and chosen
// at run time by what the processor reports. Everywhere else only the
// portable code is built.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define IGN_X86_64 1
#endif
