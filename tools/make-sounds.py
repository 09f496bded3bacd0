#!/usr/bin/env python3
"""Synthesises the game's eight sound effects as 16-bit mono WAV files.

Run from anywhere:  python3 tools/make-sounds.py [output folder]
(default: resources/sounds next to this script's folder). Only the standard
library is used, and a fixed random seed makes the files identical on every
run, so the committed WAVs can be checked by regenerating them.
"""
import math
import os
import random
import struct
import sys
import wave

RATE = 22050


def envelope(t, attack, decay):
    """Fast rise, exponential fall: the shape of a struck or plucked sound."""
    if t < attack:
        return t / attack
    return math.exp(-(t - attack) / decay)


def bell(freq, length, decay, partials=((1.0, 1.0), (2.0, 0.35), (3.01, 0.15))):
    """A soft bell: a few harmonic partials under one decaying envelope."""
    out = []
    for i in range(int(length * RATE)):
        t = i / RATE
        s = sum(a * math.sin(2 * math.pi * freq * m * t) for m, a in partials)
        out.append(s * envelope(t, 0.004, decay))
    return out


def knock(freq, length, decay, noise, rng):
    """A card touching the table: a low thud with a little filtered noise."""
    out, low = [], 0.0
    for i in range(int(length * RATE)):
        t = i / RATE
        low += 0.25 * (rng.uniform(-1, 1) - low)  # one-pole low-pass
        body = math.sin(2 * math.pi * freq * t * (1 - 0.3 * t / length))
        out.append((body + noise * low) * envelope(t, 0.002, decay))
    return out


def swish(length, rng, cutoff=0.35):
    """Filtered noise swelling and fading: a card sliding off the stock."""
    out, low = [], 0.0
    for i in range(int(length * RATE)):
        t = i / RATE
        low += cutoff * (rng.uniform(-1, 1) - low)
        out.append(low * math.sin(math.pi * t / length) ** 2)
    return out


def place(target, sound, start, gain=1.0):
    offset = int(start * RATE)
    need = offset + len(sound)
    if need > len(target):
        target.extend([0.0] * (need - len(target)))
    for i, s in enumerate(sound):
        target[offset + i] += gain * s


def sequence(notes, decay, step):
    out = []
    for n, f in enumerate(notes):
        place(out, bell(f, decay * 5, decay), n * step)
    return out


def shuffle(rng):
    """A riffle: a quick run of soft ticks, denser in the middle."""
    out = []
    t = 0.0
    while t < 0.55:
        place(out, knock(rng.uniform(900, 1400), 0.03, 0.006, 1.5, rng), t, rng.uniform(0.3, 0.6))
        t += 0.018 + 0.02 * abs(math.cos(math.pi * t / 0.55))
    return out


def normalise(samples, peak):
    top = max(abs(s) for s in samples) or 1.0
    fade = int(0.005 * RATE)  # no click at the very end
    out = [s * peak / top for s in samples]
    for i in range(1, fade + 1):
        out[-i] *= i / fade
    return out


def write(folder, name, samples, peak=0.6):
    data = normalise(samples, peak)
    with wave.open(os.path.join(folder, name + ".wav"), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", int(max(-1, min(1, s)) * 32767)) for s in data))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "resources", "sounds")
    os.makedirs(folder, exist_ok=True)
    rng = random.Random(20240501)
    c5, e5, g5, c6, e6, g6 = 523.25, 659.25, 783.99, 1046.5, 1318.5, 1568.0
    write(folder, "CARDDOWN", knock(170, 0.09, 0.025, 0.8, rng), 0.55)
    write(folder, "CARDUP", knock(420, 0.07, 0.015, 1.2, rng), 0.45)
    write(folder, "SEL", bell(880, 0.12, 0.03), 0.4)
    write(folder, "STOCK", swish(0.14, rng), 0.45)
    write(folder, "START", shuffle(rng), 0.5)
    write(folder, "UNDO", sequence([g5, e5], 0.05, 0.07), 0.45)
    write(folder, "AUTOPLAY", sequence([e6, g6], 0.04, 0.05), 0.4)
    write(folder, "WIN", sequence([c5, e5, g5, c6, e6, g6, c6 * 2], 0.16, 0.11), 0.6)


if __name__ == "__main__":
    main()
