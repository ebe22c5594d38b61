"""A PE header as the launcher's build has it: fake-pe.py MACHINE SUBSYSTEM DESCRIPTION FILE
(i386 is 14c, x86_64 8664; subsystem 2 is a GUI program, 3 a console one)."""
import struct
import sys

machine, subsystem, description, out = int(sys.argv[1], 16), int(sys.argv[2]), sys.argv[3], sys.argv[4]
b = bytearray(b"MZ" + bytes(0x40 - 2 + 24 + 0xE0))
struct.pack_into("<I", b, 0x3C, 0x40)
b[0x40:0x44] = b"PE\0\0"
struct.pack_into("<H", b, 0x44, machine)
struct.pack_into("<H", b, 0x40 + 20, 0xE0)
struct.pack_into("<H", b, 0x40 + 24, 0x10B)
struct.pack_into("<H", b, 0x40 + 24 + 68, subsystem)
b += bytes(8) + "FileDescription\0".encode("utf-16-le") + bytes(2) + (description + "\0").encode("utf-16-le")
open(out, "wb").write(b)
