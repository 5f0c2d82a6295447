#!/usr/bin/env python3
"""Erzeugt app/klang/piep.wav: ein kurzer, weicher Zweiklang als Warnton."""
import math
import struct
import sys
import wave

RATE = 44100
DAUER = 0.22  # Sekunden


def probe(t: float) -> float:
    # Zwei Töne (a'' und e''), weich ein- und ausgeblendet, damit nichts knackt.
    ton = 0.6 * math.sin(2 * math.pi * 880 * t) + 0.4 * math.sin(2 * math.pi * 659.25 * t)
    einblenden = min(1.0, t / 0.01)
    ausblenden = math.exp(-t * 14)
    return ton * einblenden * ausblenden


def main(ziel: str) -> None:
    with wave.open(ziel, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        daten = b"".join(
            struct.pack("<h", int(32767 * 0.8 * probe(i / RATE))) for i in range(int(RATE * DAUER))
        )
        w.writeframes(daten)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "app/klang/piep.wav")
