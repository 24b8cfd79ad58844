#!/usr/bin/env python3
"""Writes resources/Zelvo.sf2: a tiny sound font of our own (one soft plucked tone) for the splash tune.
It keeps the tune light: a General MIDI font costs several megabytes of memory for two instruments."""
import math
import os
import struct

RATE = 22050
PERIOD = 100                      # samples per cycle: 220.5 Hz, close to A3 (key 57)
LENGTH = 40 * PERIOD
LOOP_START, LOOP_END = 20 * PERIOD, 40 * PERIOD


def chunk(tag, data):
    pad = b"\0" if len(data) % 2 else b""
    return tag + struct.pack("<I", len(data)) + data + pad


def listchunk(kind, *chunks):
    return chunk(b"LIST", kind + b"".join(chunks))


def name(text):
    return text.encode("ascii")[:20].ljust(20, b"\0")


def samples():
    out = []
    for i in range(LENGTH):
        phase = 2 * math.pi * i / PERIOD
        value = math.sin(phase) + 0.45 * math.sin(2 * phase) + 0.2 * math.sin(3 * phase) + 0.08 * math.sin(4 * phase)
        out.append(int(value / 1.73 * 20000))
    return struct.pack(f"<{LENGTH}h", *out) + b"\0" * 92  # 46 zero samples after the sample


def main():
    info = listchunk(b"INFO", chunk(b"ifil", struct.pack("<HH", 2, 1)), chunk(b"isng", b"EMU8000\0"),
                     chunk(b"INAM", b"Zelvo\0"))
    sdta = listchunk(b"sdta", chunk(b"smpl", samples()))
    presets = [(b"Pianoforte", 0), (b"Basso", 32)]
    phdr = b"".join(name(n.decode()) + struct.pack("<HHHIII", prog, 0, i, 0, 0, 0) for i, (n, prog) in enumerate(presets))
    phdr += name("EOP") + struct.pack("<HHHIII", 0, 0, len(presets), 0, 0, 0)
    pbag = b"".join(struct.pack("<HH", i, 0) for i in range(len(presets) + 1))
    pmod = b"\0" * 10
    pgen = b"".join(struct.pack("<Hh", 41, 0) for _ in presets) + struct.pack("<Hh", 0, 0)   # instrument 0
    inst = name("Tono") + struct.pack("<H", 0) + name("EOI") + struct.pack("<H", 1)
    igens = [(34, -7973 + 2400),  # attackVolEnv: about 20 ms
             (36, 702),           # decayVolEnv: 1.5 s
             (37, 250),           # sustainVolEnv: 25 dB down
             (38, -2084),         # releaseVolEnv: 0.3 s
             (48, 60),            # initialAttenuation: 6 dB
             (54, 1),             # sampleModes: loop
             (53, 0)]             # sampleID, always last
    ibag = struct.pack("<HH", 0, 0) + struct.pack("<HH", len(igens), 0)
    imod = b"\0" * 10
    igen = b"".join(struct.pack("<Hh", op, amount) for op, amount in igens) + struct.pack("<Hh", 0, 0)
    shdr = name("Tono") + struct.pack("<IIIIIBbHH", 0, LENGTH, LOOP_START, LOOP_END, RATE, 57, 4, 0, 1)
    shdr += name("EOS") + struct.pack("<IIIIIBbHH", 0, 0, 0, 0, 0, 0, 0, 0, 0)
    pdta = listchunk(b"pdta", chunk(b"phdr", phdr), chunk(b"pbag", pbag), chunk(b"pmod", pmod),
                     chunk(b"pgen", pgen), chunk(b"inst", inst), chunk(b"ibag", ibag), chunk(b"imod", imod),
                     chunk(b"igen", igen), chunk(b"shdr", shdr))
    body = b"sfbk" + info + sdta + pdta
    path = os.path.join(os.path.dirname(__file__), "..", "resources", "Zelvo.sf2")
    with open(path, "wb") as f:
        f.write(b"RIFF" + struct.pack("<I", len(body)) + body)


if __name__ == "__main__":
    main()
