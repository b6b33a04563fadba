#!/usr/bin/env python3
"""Writes the fuzz targets' seed corpora (fuzz/corpus/<target>/), a few small
inputs each, in the byte layout that each target in fuzz/targets/ reads.
Run it again after changing a layout; the native test
FuzzInputsTest.TheNoticeProgramSeedsRunTheJobsTheyDescribe tells whether the
notice programs still do what they are named for."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def u16(n):
    return list(struct.pack('<H', n))


def u32(n):
    return list(struct.pack('<I', n))


def write(target, name, data):
    folder = os.path.join(HERE, 'corpus', target)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), 'wb') as out:
        out.write(bytes(data))


# --- notice_program: [set-up] then operations, each an opcode and its bytes.
# Set-up: players % 3 (WMP, iTunes, both), saved player / 3 % 3 (none, WMP,
# iTunes), manager / 9 % 3 (beside, registered, missing), units / 27 % 2 + 1,
# "Wait" / 54 % 2.
ACTIONS = {'load': 0, 'unload': 1, 'reject': 2, 'Refresh': 3, 'Check': 4, 'Terminate': 5,
           'Eject': 6, '': 7}
RESULTS = {'OK': 0, 'Error': 1, '': 2}
DETAILS = {'': 0, 'Occupied': 1, 'No disc': 2}
STEPS = [1, 5, 9, 10, 11, 19, 20, 21, 99, 100, 101, 999, 1000, 2000, 5000]


def notice(action, result='', detail='', cut=None):
    """A notice as the manager builds it, whole or cut to `cut` bytes."""
    ops = [0, 0, ACTIONS[action], RESULTS[result], DETAILS[detail]]
    return ops + ([0] if cut is None else [2] + u16(cut))


def answer(action, result='', detail=''):
    """A notice and the 10 ms after which the window handles it."""
    return notice(action, result, detail) + wait(10)


def raw_notice(payload):
    return [1] + u16(len(payload)) + list(payload)


def wait(ms):
    return [2, STEPS.index(ms)]


CLICK_RIPPING, CLICK_EXIT = [3], [4]


def drive(letter):
    return {'E': 0, 'F': 128}.get(letter, 192 + (ord(letter) - ord('A') - 192) % 26)


def arrives(letter='E'):
    return [7, drive(letter)]


def leaves(letter='E'):
    return [8, drive(letter)]


def raw_volume(event_choice, record):
    """event_choice: 0 arrival, 1 removal, 2 0x0007, 3 0x8001, 4 0x8003, 5 0x0018."""
    return [9, event_choice, 1, len(record)] + record


def vanishes(letter='E'):
    return [10, drive(letter)]


def returns(letter='E'):
    return [11, drive(letter)]


def robot_report(ready, units_online):
    return [12, 1 if ready else 0, units_online]


def robot_value(key, name, type_choice, data):
    """key: 0 the robot's key, 1 Unit1, 2 Unit2, 3 Unit1\\Writer1, 4 Unit2\\Writer1,
    5 Unit1\\Writer2, 6 Unit3; name: 0 default, 1 Robot Report, 2 Online,
    3 Writers; type: 0 REG_SZ, 2 REG_DWORD, 4 REG_BINARY, 5 REG_MULTI_SZ, 6 REG_NONE."""
    return [13, key, name, type_choice] + u16(len(data)) + list(data)


DECLINES, CLOSE_BOX = [14], [15]
READY = notice('Check') + wait(10) + wait(100)

write('notice_program', 'whole-job',
      [2] + READY + CLICK_RIPPING + answer('load', 'OK') + arrives() + arrives('D') + leaves() +
      answer('unload', 'OK') + answer('load', 'Error', 'No disc') + CLICK_EXIT)
write('notice_program', 'itunes-declines-and-fails',
      [8] + READY + CLICK_RIPPING + wait(2000) + answer('load', 'OK') + arrives() + DECLINES +
      wait(20) + leaves() + answer('reject', 'OK') + answer('load', 'OK') + arrives() + leaves() +
      answer('unload', 'Error') + wait(1000) + CLICK_EXIT)
write('notice_program', 'occupied-box-with-turns',
      [2] + READY + CLICK_RIPPING + notice('load', 'Error', 'Occupied') + wait(10) +
      notice('Terminate', cut=70) + wait(10) + leaves() + vanishes() + CLOSE_BOX + wait(1000) +
      returns() + answer('Refresh') + wait(100) + CLICK_RIPPING + notice('load', 'OK') +
      notice('load', 'OK') + wait(10))
write('notice_program', 'hostile-notices-and-registry',
      [2 + 27] + raw_notice(b'Autoloader\x00junk') + notice('Check', cut=64) + wait(10) +
      robot_value(3, 3, 2, u32(0xFFFFFFFF)) + robot_value(0, 1, 4, b'Ready') + wait(100) +
      notice('Check', cut=100) + wait(10) + wait(100) +
      robot_value(4, 0, 0, b'E' + b'x' * 300) + robot_report(True, 3) + answer('Refresh') +
      wait(100) + CLICK_RIPPING + answer('load', 'OK') +
      raw_volume(1, u32(16) + u32(2) + u32(0) + u32(0x30)) + raw_volume(1, u32(8) + u32(2)) +
      raw_volume(2, u32(200) + u32(2) + u32(0) + u32(0x10)) + raw_notice(b''))

# --- registry_readers: [flags: 1 HKLM, 2 module path from the input, 4
# ketmgr.exe beside it, 8 as a directory, 16 with the archive attribute]
# [u16 length and the module path, with flag 2] then records: [kind % 8: 0
# add key, 1 deny access, 2 failing call, else a value]. Keys % 12: 0 own, 1
# robot, 2 Unit1, 3 Unit2, 4 Unit1\Writer1, 5 Unit1\Writer2, 6 Unit2\Writer1,
# 7 Windows Media Player, 8 iTunes, 9 own in the other root, 10 robot\<name>,
# 11 robot\<name>\Writer1. Names % 10: 0 default, 1 Robot Report, 2 Online,
# 3 Writers, 4 Ripping Application, 5-7 the options, 8 Installation
# Directory. Types % 10: 0 REG_SZ, 2 REG_EXPAND_SZ, 3 REG_BINARY, 4 REG_DWORD,
# 6 REG_MULTI_SZ, 7 REG_NONE, 8 REG_QWORD.


def value(key, name, type_choice, data, key_name=None):
    named = [len(key_name)] + list(key_name) if key_name is not None else []
    return [3, key] + named + [name, type_choice] + u16(len(data)) + list(data)


def deny(key, bits_choice):
    return [1, key, bits_choice]


def failing(operation, error, key, whole_key_only):
    """operation: createKey openKey openSubKey queryValue setValue enumKey."""
    return [2, operation, error, key, 1 if whole_key_only else 0]


ROBOT_READY = (value(1, 1, 0, b'Ready\x00') + value(2, 2, 4, u32(1)) + value(2, 3, 4, u32(2)) +
               value(4, 0, 0, b'E: Writer 1\x00') + value(5, 0, 0, b'F: Writer 2\x00'))
write('registry_readers', 'a-robot-ready-with-two-writers',
      [4 | 16] + ROBOT_READY +
      value(7, 8, 0, b'C:\\Program Files\\Windows Media Player\x00') +
      value(8, 0, 0, b'"C:\\Program Files\\iTunes\\iTunes.exe" /x\x00') +
      value(0, 4, 0, b'iTunes\x00') + value(0, 5, 4, u32(0)))
write('registry_readers', 'long-texts-without-zeros',
      [1] + value(1, 1, 0, b'Ready') + value(2, 2, 3, u32(7)) + value(2, 3, 4, u32(0xFFFFFFFF)) +
      value(4, 0, 0, b'E' * 300) + value(7, 8, 0, b'D:\\' + b'p' * 250) +
      value(0, 4, 0, b'n' * 256) + value(0, 6, 3, b'\x01\x00\x00\x00\x00') +
      value(10, 2, 4, u32(1), key_name=b'U' * 40))
MODULE = b'C:\\' + b'd' * 248 + b'\\spoolcat.exe'
write('registry_readers', 'long-module-path-and-denied-keys',
      [2 | 4 | 16] + u16(len(MODULE)) + list(MODULE) + deny(1, 3) + failing(3, 0, 0, True) +
      value(9, 4, 0, b'Windows Media Player\x00') + value(8, 0, 0, b'') +
      value(1, 0, 0, b'D:\\Robot\\ketmgr.exe'))

# --- device_broadcast: [event: < 200 arrival or removal by parity, else a
# u32 follows] [0xFF: no record] [the record].


def record(size, device_type, mask, length=16):
    return (u32(size) + u32(device_type) + u32(0) + u32(mask))[:length]


write('device_broadcast', 'arrival-e', [0, 0] + record(16, 2, 1 << 4))
write('device_broadcast', 'removal-header-only', [1, 0] + record(12, 2, 1 << 4, 12))
write('device_broadcast', 'size-claims-more', [1, 0] + record(1000, 2, 0x30, 10))
write('device_broadcast', 'other-event', [250] + u32(7) + [0] + record(16, 2, 1 << 4))
write('device_broadcast', 'no-record', [0, 0xFF])

# --- manager_command: [type: 0 REG_BINARY, else REG_SZ] [action: Check load
# unload reject Release] [caller: 0 from the input] [u16 length, writer]
# [u16 length, caller].


def command(writer, action=1, caller=None, binary=False):
    data = [0 if binary else 1, action, 1 if caller is None else 0] + u16(len(writer))
    data += list(writer)
    return data + (u16(len(caller)) + list(caller) if caller is not None else [])


write('manager_command', 'writer-e', command(b'E: Writer 1 (Unit A)'))
write('manager_command', 'writer-127-with-release',
      command(b'F: ' + b'x --action Release ' * 6 + b'y' * 10, action=4))
write('manager_command', 'writer-2000', command(b'E' + b'w' * 1999, action=2))
write('manager_command', 'writer-zero-and-binary',
      command(b'D: disc\x00 after the zero', action=3, binary=True))
write('manager_command', 'long-caller', command(b'E: Writer 1', action=0, caller=b'c' * 1900))
