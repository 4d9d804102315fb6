"""Builds the archives of the zip tests byte by byte, hostile ones included.

Usage: ZipForge.py OUT CODE
CODE is Python calling the helpers below; each call adds entries.
"""
import struct
import sys
import zlib

entries = []


def entry(name, data, size, crc, method=0, attributes=0):
    entries.append((name.encode(), data, size, crc, method, attributes))


def add(name, data=b"data"):
    entry(name, data, len(data), zlib.crc32(data))


def link(name, target):
    entry(name, target.encode(), len(target), zlib.crc32(target.encode()), 0, 0o120777 << 16)


def zeros(name, megabytes, declared=None):
    """Deflated zeros that never sit in memory: after a full flush each megabyte packs the same.
    declared: the size the headers claim; the CRC is left 0, as nothing may read that far."""
    packer = zlib.compressobj(9, zlib.DEFLATED, -15)
    unit = packer.compress(bytes(1 << 20)) + packer.flush(zlib.Z_FULL_FLUSH)
    entry(name, unit * megabytes + packer.flush(), declared or megabytes << 20, 0, 8)


exec(sys.argv[2])
body, central = bytearray(), bytearray()
for name, data, size, crc, method, attributes in entries:
    head = struct.pack("<HHHHHIIIHH", 20, 0, method, 0, 33, crc, len(data), size, len(name), 0)
    central += struct.pack("<IH", 0x02014B50, 0x314) + head
    central += struct.pack("<HHHII", 0, 0, 0, attributes, len(body)) + name
    body += struct.pack("<I", 0x04034B50) + head + name + data
end = struct.pack("<IHHHHIIH", 0x06054B50, 0, 0, len(entries), len(entries), len(central),
                  len(body), 0)
with open(sys.argv[1], "wb") as out:
    out.write(body + central + end)
