#!/usr/bin/env python3
"""Writes the program's alarm sound daten/klang/alarm.wav: two short chimes (a fifth apart)
with a soft decay, 16 kHz, 16-bit mono, about a second and a half."""
import math
import struct
import sys
import wave

RATE = 16000


def glocke(frequenz, dauer, lautstaerke):
    proben = []
    for i in range(int(RATE * dauer)):
        t = i / RATE
        huelle = min(1.0, t / 0.01) * math.exp(-t * 4.0)
        ton = (math.sin(2 * math.pi * frequenz * t) + 0.35 * math.sin(4 * math.pi * frequenz * t)
               + 0.15 * math.sin(6 * math.pi * frequenz * t))
        proben.append(lautstaerke * huelle * ton / 1.5)
    return proben


def main(ziel):
    folge = glocke(880.0, 0.6, 0.8) + glocke(1318.5, 0.9, 0.8)
    with wave.open(ziel, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", int(max(-1.0, min(1.0, p)) * 32767))
                               for p in folge))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "daten/klang/alarm.wav")
