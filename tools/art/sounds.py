"""The four game sounds, synthesised: 16-bit PCM mono at 22050 Hz."""
import math
import os
import struct
import wave

RATE = 22050
PEAK = 10 ** (-3 / 20)  # -3 dBFS
FADE_IN = 0.004
FADE_OUT = 0.02


def _note(freq):
    """Equal-tempered frequency of a note name such as 'C5' or 'Eb4'."""
    names = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}
    semis = names[freq[0]]
    rest = freq[1:]
    if rest.startswith("b"):
        semis, rest = semis - 1, rest[1:]
    elif rest.startswith("#"):
        semis, rest = semis + 1, rest[1:]
    midi = 12 * (int(rest) + 1) + semis
    return 440.0 * 2 ** ((midi - 69) / 12)


def _add_tone(buf, start, freq, length, partials, decay, amp=1.0, attack=0.004):
    """Adds a decaying tone; partials are (frequency ratio, level, decay factor)."""
    first = int(start * RATE)
    for i in range(int(length * RATE)):
        if first + i >= len(buf):
            break
        t = i / RATE
        env = min(1.0, t / attack) * math.exp(-t / decay)
        s = 0.0
        for ratio, level, dfac in partials:
            s += level * math.exp(-t * dfac / decay) * math.sin(2 * math.pi * freq * ratio * t)
        buf[first + i] += amp * env * s


def _finish(buf):
    """Fades both ends and scales the peak to -3 dBFS."""
    n = len(buf)
    fin, fout = int(FADE_IN * RATE), int(FADE_OUT * RATE)
    for i in range(min(fin, n)):
        buf[i] *= i / fin
    for i in range(min(fout, n)):
        buf[n - 1 - i] *= i / fout
    top = max(abs(v) for v in buf) or 1.0
    return [v * PEAK / top for v in buf]


BELL = [(1.0, 1.0, 1.0), (2.0, 0.35, 1.8), (3.0, 0.12, 2.6), (4.16, 0.06, 3.5)]
SOFT = [(1.0, 1.0, 1.0), (2.0, 0.25, 1.5), (3.0, 0.08, 2.0)]


def make_hit():
    buf = [0.0] * int(0.08 * RATE)
    # a soft wooden pluck: low body plus a short bright tick
    _add_tone(buf, 0.0, 660.0, 0.08, [(1.0, 1.0, 1.0), (2.76, 0.4, 2.5)], 0.022, attack=0.001)
    _add_tone(buf, 0.0, 1980.0, 0.03, [(1.0, 1.0, 1.0)], 0.006, amp=0.35, attack=0.0005)
    return _finish(buf)


def make_and():
    buf = [0.0] * int(0.35 * RATE)
    _add_tone(buf, 0.0, _note("E6"), 0.35, BELL, 0.11, attack=0.002)
    _add_tone(buf, 0.085, _note("B6"), 0.265, BELL, 0.12, amp=0.9, attack=0.002)
    return _finish(buf)


def make_gameover():
    buf = [0.0] * int(1.2 * RATE)
    phrase = [("G4", 0.0, 0.28), ("Eb4", 0.25, 0.28), ("C4", 0.5, 0.28), ("G3", 0.75, 0.45)]
    for name, start, length in phrase:
        _add_tone(buf, start, _note(name), length + 0.1, SOFT, 0.22, attack=0.01)
    _add_tone(buf, 0.75, _note("Eb3"), 0.45, SOFT, 0.25, amp=0.5, attack=0.01)
    return _finish(buf)


def make_gamewin():
    buf = [0.0] * int(1.2 * RATE)
    for k, name in enumerate(["C5", "E5", "G5", "C6"]):
        _add_tone(buf, k * 0.11, _note(name), 0.5, BELL, 0.16, amp=0.8, attack=0.003)
    for name in ("C5", "E5", "G5", "C6"):
        _add_tone(buf, 0.46, _note(name), 0.74, BELL, 0.28, amp=0.45, attack=0.004)
    return _finish(buf)


def write_wav(path, samples):
    frames = b"".join(struct.pack("<h", max(-32767, min(32767, int(round(v * 32767)))))
                      for v in samples)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


def write_sounds(out_dir):
    os.makedirs(out_dir, exist_ok=True)
    for name, maker in (("hit", make_hit), ("and", make_and), ("gameover", make_gameover),
                        ("gamewin", make_gamewin)):
        write_wav(os.path.join(out_dir, name + ".wav"), maker())
