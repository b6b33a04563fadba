#!/usr/bin/env python3
"""Clears the compile time that chmcmd writes into a help document.

    clear_chm_times.py FILE.chm

chmcmd stamps the milliseconds of the day it ran at into two places, and has
no option for a fixed time: the ITSF header (a big-endian DWORD at offset
0x10) and the time record (code 10) of the #SYSTEM file. Both become zero, so
two builds of the same pages give the same bytes. Help viewers do not read
either field. #SYSTEM lives in the uncompressed content section 0; the file
is changed in place. Ends non-zero, leaving the file as it was, when the file
is not laid out as expected (so a changed chmcmd stops the build rather than
leaving a time in the release).
"""
import struct
import sys

ITSF_TIME = 0x10
SYSTEM_TIME_CODE = 10


class LayoutError(Exception):
    pass


def encint(data, at):
    """One of the directory's variable-length integers: 7 bits a byte, high first."""
    value = 0
    while True:
        if at >= len(data):
            raise LayoutError("directory entry runs past its chunk")
        byte = data[at]
        at += 1
        value = (value << 7) | (byte & 0x7F)
        if byte < 0x80:
            return value, at


def directory_entries(chm):
    """(name, section, offset, length) of every entry in the listing chunks."""
    _, _, dir_offset, _, _ = struct.unpack_from("<QQQQQ", chm, 0x38)
    itsp = chm[dir_offset : dir_offset + 0x54]
    if itsp[:4] != b"ITSP":
        raise LayoutError("no ITSP directory header")
    header_length = struct.unpack_from("<I", itsp, 8)[0]
    chunk_size = struct.unpack_from("<I", itsp, 0x10)[0]
    first, last = struct.unpack_from("<ii", itsp, 0x20)
    for index in range(first, last + 1):
        start = dir_offset + header_length + index * chunk_size
        chunk = chm[start : start + chunk_size]
        if chunk[:4] != b"PMGL":
            raise LayoutError(f"directory chunk {index} is not a listing chunk")
        end = chunk_size - struct.unpack_from("<I", chunk, 4)[0]
        at = 20
        while at < end:
            length, at = encint(chunk, at)
            name = chunk[at : at + length].decode("utf-8", "replace")
            at += length
            section, at = encint(chunk, at)
            offset, at = encint(chunk, at)
            size, at = encint(chunk, at)
            yield name, section, offset, size


def system_time_span(chm):
    """Where the #SYSTEM time record's value lies in the file: (start, end)."""
    content0 = struct.unpack_from("<Q", chm, 0x58)[0]
    for name, section, offset, size in directory_entries(chm):
        if name != "/#SYSTEM":
            continue
        if section != 0:
            raise LayoutError("#SYSTEM is not in the uncompressed section")
        start, end = content0 + offset, content0 + offset + size
        if end > len(chm):
            raise LayoutError("#SYSTEM runs past the end of the file")
        at = start + 4  # after the version
        while at + 4 <= end:
            code, length = struct.unpack_from("<HH", chm, at)
            at += 4
            if at + length > end:
                raise LayoutError("a #SYSTEM record runs past #SYSTEM")
            if code == SYSTEM_TIME_CODE:
                return at, at + length
            at += length
        raise LayoutError("#SYSTEM has no time record")
    raise LayoutError("no #SYSTEM in the directory")


def clear_times(chm):
    if len(chm) < 0x60 or chm[:4] != b"ITSF" or struct.unpack_from("<I", chm, 4)[0] != 3:
        raise LayoutError("not an ITSF version 3 file")
    start, end = system_time_span(chm)
    chm[ITSF_TIME : ITSF_TIME + 4] = bytes(4)
    chm[start:end] = bytes(end - start)


def main(argv):
    if len(argv) != 2:
        print("usage: clear_chm_times.py FILE.chm", file=sys.stderr)
        return 64
    with open(argv[1], "rb") as f:
        chm = bytearray(f.read())
    try:
        clear_times(chm)
    except (LayoutError, struct.error) as error:
        print(f"clear_chm_times.py: {argv[1]}: {error}", file=sys.stderr)
        return 1
    with open(argv[1], "wb") as f:
        f.write(chm)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
