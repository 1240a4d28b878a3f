"""The full moon of 2000 January 21 and its total lunar eclipse, from Python.

Usage: python3 phase_example.py [path of libvarquel.so.1]
"""
import ctypes
import sys


class PhaseRecord(ctypes.Structure):
    _fields_ = [(name, ctypes.c_int32) for name in
                ("lunation", "phase", "saros", "eclipse")] + \
               [(name, ctypes.c_double) for name in
                ("jde", "jde_max", "gamma", "u", "mag_penumbral", "mag_umbral",
                 "sd_penumbral", "sd_partial", "sd_total")]


library = ctypes.CDLL(sys.argv[1] if len(sys.argv) > 1 else "libvarquel.so.1")
varquel = library.varquel  # 32-bit Windows: ctypes.WinDLL("varquel.dll")["_varquel@12"]
varquel.argtypes = [ctypes.c_int32, ctypes.c_int32, ctypes.POINTER(PhaseRecord)]
varquel.restype = ctypes.c_double

record = PhaseRecord()
jde = varquel(0, 2, ctypes.byref(record))  # lunation 0, full moon
print(f"full moon JDE {jde:.5f}, eclipse {record.eclipse}, saros {record.saros}, "
      f"umbral magnitude {record.mag_umbral:.3f}")
