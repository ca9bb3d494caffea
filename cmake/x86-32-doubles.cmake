# 32-bit x86 computes with doubles in SSE2 registers, rounded once to
# binary64 as on every other target, not in the x87's 64-bit mantissas; and
# since the system may call back with the stack aligned to 4 bytes only,
# functions that spill SSE registers realign it.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse -mstackrealign")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse -mstackrealign")
