#!/usr/bin/env python3
"""Writes resources/Internet.mid: the short, cheerful tune of the splash window (our own)."""
import os
import struct

TICKS = 240  # per quarter note


def var_len(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.insert(0, (value & 0x7F) | 0x80)
        value >>= 7
    return bytes(out)


# (note, quarters) for the melody; 0 is a rest. C major, a rising phrase and a cadence.
MELODY = [(72, 1), (76, 1), (79, 1), (84, 2), (79, 1), (81, 1), (79, 1), (77, 1), (76, 2), (0, 1),
          (74, 1), (77, 1), (81, 1), (79, 2), (76, 1), (74, 1), (72, 3), (0, 1)]
BASS = [(48, 4), (53, 4), (55, 4), (48, 4), (50, 4), (55, 4), (48, 4)]


def channel_events(notes, channel, velocity):
    events, time = [], 0
    for note, quarters in notes:
        length = quarters * TICKS
        if note:
            events.append((time, bytes([0x90 | channel, note, velocity])))
            events.append((time + length - 10, bytes([0x80 | channel, note, 0])))
        time += length
    return events


def main():
    events = [(0, bytes([0xFF, 0x51, 0x03]) + (500000).to_bytes(3, "big")),
              (0, bytes([0xC0, 0])), (0, bytes([0xC1, 32]))]
    events += channel_events(MELODY, 0, 96) + channel_events(BASS, 1, 70)
    events.sort(key=lambda e: e[0])
    track, last = b"", 0
    for time, data in events:
        track += var_len(time - last) + data
        last = time
    track += var_len(0) + bytes([0xFF, 0x2F, 0x00])
    data = b"MThd" + struct.pack(">IHHH", 6, 0, 1, TICKS) + b"MTrk" + struct.pack(">I", len(track)) + track
    path = os.path.join(os.path.dirname(__file__), "..", "resources", "Internet.mid")
    with open(path, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
