"""Synthesises the program's sounds: three short cues and sixteen celebrations.

Everything is made from numbers here (numpy), with eSpeak NG for the voices and SoX for the
room echo; the random parts use fixed seeds, so every run writes the same sounds.
Output: 16-bit PCM mono WAV at 22050 Hz.

Usage: sounds.py <content/wav>
"""

import os
import subprocess
import sys
import tempfile
import wave

import numpy as np

RATE = 22050


def seconds(d):
    return np.arange(int(d * RATE)) / RATE


def envelope(n, attack=0.01, release=0.05):
    env = np.ones(n)
    a, r = max(1, int(attack * RATE)), max(1, int(release * RATE))
    env[:a] = np.linspace(0, 1, a)
    env[-r:] *= np.linspace(1, 0, r)
    return env


def decay(n, rate):
    return np.exp(-np.arange(n) / RATE * rate)


def place(track, sound, at):
    start = int(at * RATE)
    end = min(len(track), start + len(sound))
    track[start:end] += sound[:end - start]


def fast_lowpass(x, cutoff):
    # The same filter through an FFT mask, for long signals.
    spectrum = np.fft.rfft(x)
    freqs = np.fft.rfftfreq(len(x), 1 / RATE)
    spectrum *= 1 / (1 + (freqs / cutoff) ** 4)
    return np.fft.irfft(spectrum, len(x))


def bandpass(x, low, high):
    spectrum = np.fft.rfft(x)
    freqs = np.fft.rfftfreq(len(x), 1 / RATE)
    spectrum *= (1 / (1 + (low / np.maximum(freqs, 1)) ** 4)) * (1 / (1 + (freqs / high) ** 4))
    return np.fft.irfft(spectrum, len(x))


def normalise(x, peak=0.85):
    m = np.max(np.abs(x))
    return x * (peak / m) if m > 0 else x


def write(path, x, peak=0.85):
    x = normalise(np.asarray(x, dtype=float), peak)
    fade = min(len(x), int(0.004 * RATE))
    x[-fade:] *= np.linspace(1, 0, fade)
    data = (np.clip(x, -1, 1) * 32767).astype('<i2').tobytes()
    with wave.open(path, 'wb') as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(data)


def read(path):
    with wave.open(path, 'rb') as source:
        assert source.getframerate() == RATE and source.getnchannels() == 1
        return np.frombuffer(source.readframes(source.getnframes()), '<i2') / 32768.0


def sox(x, *effects):
    """Runs SoX effects (reverb, pitch ...) over a signal."""
    with tempfile.TemporaryDirectory() as tmp:
        a, b = os.path.join(tmp, 'a.wav'), os.path.join(tmp, 'b.wav')
        write(a, x, 0.5)
        subprocess.run(['sox', a, '-r', str(RATE), '-c', '1', '-b', '16', b, *effects], check=True)
        return read(b)


def voice(text, pitch=50, speed=150, voice_name='en-gb', amplitude=150):
    with tempfile.TemporaryDirectory() as tmp:
        raw = os.path.join(tmp, 'v.wav')
        out = os.path.join(tmp, 'r.wav')
        subprocess.run(['espeak-ng', '-v', voice_name, '-p', str(pitch), '-s', str(speed),
                        '-a', str(amplitude), '-w', raw, text], check=True)
        subprocess.run(['sox', raw, '-r', str(RATE), '-c', '1', '-b', '16', out], check=True)
        return read(out)


def note_freq(name):
    names = {'C': -9, 'D': -7, 'E': -5, 'F': -4, 'G': -2, 'A': 0, 'B': 2}
    semitone = names[name[0]] + (1 if '#' in name else 0) - (1 if 'b' in name[1:] else 0)
    octave = int(name[-1])
    return 440.0 * 2 ** ((semitone + 12 * (octave - 4)) / 12)


# --- instruments -------------------------------------------------------------------------
def brass(freq, dur, vibrato=5.0):
    t = seconds(dur)
    f = freq * (1 + 0.004 * np.sin(2 * np.pi * vibrato * t) * np.clip(t * 4, 0, 1))
    phase = 2 * np.pi * np.cumsum(f) / RATE
    # Brightness grows with the attack, as a trumpet's does.
    bright = np.clip(t / 0.05, 0.3, 1)
    x = sum((bright ** (k / 3)) * np.sin(k * phase) / k ** 1.1 for k in range(1, 12))
    return x * envelope(len(t), 0.02, 0.06)


def flute_note(freq, dur):
    t = seconds(dur)
    f = freq * (1 + 0.006 * np.sin(2 * np.pi * 5.5 * t) * np.clip(t * 3, 0, 1))
    phase = 2 * np.pi * np.cumsum(f) / RATE
    x = np.sin(phase) + 0.25 * np.sin(2 * phase) + 0.08 * np.sin(3 * phase)
    breath = fast_lowpass(np.random.default_rng(int(freq)).normal(size=len(t)), 3000) * 0.05
    return (x + breath) * envelope(len(t), 0.05, 0.08)


def bell(freq, dur, rate=6.0):
    t = seconds(dur)
    partials = [(1, 1.0), (2.0, 0.5), (2.76, 0.35), (5.4, 0.2), (8.9, 0.08)]
    return sum(a * np.sin(2 * np.pi * freq * p * t) * decay(len(t), rate * p ** 0.5) for p, a in partials)


def clap(rng, strength=1.0):
    n = int(0.06 * RATE)
    burst = bandpass(rng.normal(size=n), 800, 5000)
    # A clap is a few quick reflections of one burst.
    env = decay(n, 90) + 0.6 * np.roll(decay(n, 110), int(0.008 * RATE)) * (np.arange(n) > 0.008 * RATE)
    return burst * env * strength


def applause(rng, dur, claps_per_second, swell=True):
    track = np.zeros(int(dur * RATE))
    count = int(dur * claps_per_second)
    times = np.sort(rng.uniform(0, dur - 0.07, count))
    for t in times:
        level = np.sin(np.pi * t / dur) ** 0.5 if swell else 1.0
        place(track, clap(rng, rng.uniform(0.4, 1.0) * level), t)
    return track


def crowd_noise(rng, dur):
    n = int(dur * RATE)
    noise = bandpass(rng.normal(size=n), 250, 2500)
    t = seconds(dur)
    swell = np.clip(t / 0.3, 0, 1) * np.clip((dur - t) / 0.8, 0, 1)
    flutter = 1 + 0.3 * fast_lowpass(rng.normal(size=n), 6) / 0.05
    return noise * swell * np.clip(flutter, 0.3, 2)


def snare(rng, strength=1.0):
    n = int(0.09 * RATE)
    t = seconds(0.09)
    tone = np.sin(2 * np.pi * 190 * t) * decay(n, 40)
    rattle = bandpass(rng.normal(size=n), 1500, 8000) * decay(n, 35)
    return (0.5 * tone + rattle) * strength


def cymbal(rng, dur):
    n = int(dur * RATE)
    return bandpass(rng.normal(size=n), 3000, 10000) * decay(n, 1.8) * envelope(n, 0.003, 0.3)


# --- the cues ----------------------------------------------------------------------------
def click():
    n = int(0.03 * RATE)
    t = seconds(0.03)
    tick = np.sin(2 * np.pi * 2200 * t) * decay(n, 260)
    body = np.sin(2 * np.pi * 900 * t) * decay(n, 160) * 0.6
    return tick + body


def typekey():
    rng = np.random.default_rng(3)
    n = int(0.07 * RATE)
    t = seconds(0.07)
    hit = bandpass(rng.normal(size=n), 1800, 7000) * decay(n, 120)
    thock = np.sin(2 * np.pi * 420 * t) * decay(n, 70) * 0.5
    return hit + thock


def thud():
    rng = np.random.default_rng(4)
    n = int(0.12 * RATE)
    t = seconds(0.12)
    f = 95 * np.exp(-t * 6)
    body = np.sin(2 * np.pi * np.cumsum(f) / RATE) * decay(n, 28)
    knock = fast_lowpass(rng.normal(size=n), 500) * decay(n, 60) * 6
    return body + knock


# --- the celebrations --------------------------------------------------------------------
def hallelujah():
    # A short choir: four voices sing "Hallelujah" on a rising cadence, over an organ chord.
    parts = []
    for pitch, semis in ((35, 0), (50, 4), (65, 7), (80, 12)):
        v = voice('Hallelujah!', pitch=pitch, speed=95)
        v = sox(v, 'pitch', str(semis * 20), 'tempo', '0.9')
        parts.append(v)
    n = max(len(p) for p in parts) + int(0.9 * RATE)
    track = np.zeros(n)
    for p in parts:
        place(track, normalise(p, 0.4), 0.05)
    t = seconds(n / RATE)
    chord = sum(np.sin(2 * np.pi * note_freq(x) * t) + 0.3 * np.sin(4 * np.pi * note_freq(x) * t)
                for x in ('C3', 'G3', 'C4', 'E4'))
    track += 0.18 * chord * envelope(n, 0.3, 0.6)
    return sox(track, 'reverb', '60', 'trim', '0', '3.6')


def fanfare(notes, tempo):
    track = np.zeros(int((sum(d for _, d in notes) * tempo + 0.6) * RATE))
    at = 0.0
    for name, beats in notes:
        dur = beats * tempo
        for voice_name in name.split('+'):
            place(track, brass(note_freq(voice_name), dur * 0.95 + 0.05), at)
        at += dur
    return sox(track, 'reverb', '35')


def slot_payoff():
    rng = np.random.default_rng(11)
    track = np.zeros(int(2.8 * RATE))
    # Coins dropping into the tray, then the win bell.
    for i in range(26):
        at = 0.08 * i + rng.uniform(0, 0.02)
        place(track, bell(rng.choice([2600, 2900, 3300]), 0.25, 14) * 0.5, at)
    for k, name in enumerate(('C6', 'E6', 'G6', 'C7', 'G6', 'C7')):
        place(track, bell(note_freq(name), 0.6, 5), 0.1 + 0.18 * k)
    return track


def crowd():
    rng = np.random.default_rng(21)
    track = crowd_noise(rng, 3.2)
    for pitch, at in ((60, 0.3), (45, 0.5), (75, 0.7), (55, 1.1)):
        place(track, normalise(voice('Yay!', pitch=pitch, speed=120), 0.25), at)
    return track


def cheer2():
    rng = np.random.default_rng(22)
    track = crowd_noise(rng, 2.8) * 0.8
    place(track, normalise(voice('Hip hip', pitch=45, speed=140), 0.6), 0.1)
    place(track, normalise(voice('hooray!', pitch=70, speed=130), 0.7), 0.9)
    place(track, applause(rng, 1.8, 40) * 0.5, 0.9)
    return track


def klaxon():
    track = np.zeros(int(1.6 * RATE))
    for at in (0.0, 0.75):
        t = seconds(0.7)
        # "Ah-OO-gah": the pitch swoops up and settles.
        f = 180 + 260 * np.clip(t / 0.35, 0, 1) ** 0.7
        phase = 2 * np.pi * np.cumsum(f) / RATE
        x = np.sign(np.sin(phase)) * 0.6 + np.sin(2 * phase) * 0.3
        x = bandpass(x, 300, 2600)
        place(track, x * envelope(len(t), 0.02, 0.08), at)
    return track


def flute():
    melody = [('G5', 0.16), ('A5', 0.16), ('B5', 0.16), ('D6', 0.32), ('B5', 0.16), ('D6', 0.7)]
    track = np.zeros(int(2.2 * RATE))
    at = 0.0
    for name, dur in melody:
        place(track, flute_note(note_freq(name), dur + 0.05), at)
        at += dur
    return sox(track, 'reverb', '40')


def gong():
    t = seconds(3.6)
    n = len(t)
    partials = [(1.0, 1.0, 1.1), (1.52, 0.6, 1.5), (2.0, 0.45, 1.8), (2.74, 0.4, 2.2),
                (3.6, 0.25, 2.8), (4.9, 0.15, 3.5), (6.3, 0.1, 4.5)]
    base = 110.0
    x = sum(a * np.sin(2 * np.pi * base * p * t + p) * decay(n, r) for p, a, r in partials)
    # The shimmer of a struck gong: a slow beat between close partials.
    x += 0.3 * np.sin(2 * np.pi * base * 1.505 * t) * decay(n, 1.3)
    strike = fast_lowpass(np.random.default_rng(5).normal(size=n), 1200) * decay(n, 30) * 8
    return (x + strike) * envelope(n, 0.004, 0.4)


def clap2():
    return applause(np.random.default_rng(31), 2.6, 55)


def drumroll():
    rng = np.random.default_rng(41)
    track = np.zeros(int(3.0 * RATE))
    at = 0.0
    while at < 1.9:
        place(track, snare(rng, 0.25 + 0.55 * at / 1.9), at)
        at += 0.045
    place(track, snare(rng, 1.2), 1.95)
    place(track, cymbal(rng, 1.0) * 0.8, 1.95)
    boom = np.sin(2 * np.pi * 60 * seconds(0.4)) * decay(int(0.4 * RATE), 8)
    place(track, boom, 1.95)
    return track


def laser2():
    track = np.zeros(int(0.9 * RATE))
    for at in (0.0, 0.3):
        t = seconds(0.28)
        f = 2400 * np.exp(-t * 9) + 180
        phase = 2 * np.pi * np.cumsum(f) / RATE
        x = np.sign(np.sin(phase)) * 0.5 + np.sin(phase)
        place(track, x * envelope(len(t), 0.003, 0.05) * decay(len(t), 3), at)
    return sox(track, 'echo', '0.8', '0.7', '60', '0.3')


def whizz():
    rng = np.random.default_rng(51)
    t = seconds(1.2)
    f = 500 + 2600 * (t / 1.2) ** 1.5
    phase = 2 * np.pi * np.cumsum(f) / RATE
    whistle = np.sin(phase) * envelope(len(t), 0.05, 0.02)
    hiss = bandpass(rng.normal(size=len(t)), 2000, 7000) * 0.2 * (t / 1.2)
    track = np.zeros(int(2.2 * RATE))
    place(track, whistle + hiss, 0.0)
    pop = fast_lowpass(rng.normal(size=int(0.9 * RATE)), 900) * decay(int(0.9 * RATE), 6) * 4
    place(track, pop, 1.2)
    for k in range(30):
        sparkle = bell(rng.uniform(3000, 6000), 0.12, 30) * 0.15
        place(track, sparkle, 1.25 + rng.uniform(0, 0.8))
    return track


def clap3():
    return applause(np.random.default_rng(61), 1.8, 35)


def clown():
    # Two squeezes of a bulb horn, then a slide whistle falling away.
    track = np.zeros(int(2.2 * RATE))
    for at, base in ((0.0, 330), (0.35, 300)):
        t = seconds(0.28)
        f = base * (1 + 0.05 * np.sin(2 * np.pi * 18 * t))
        phase = 2 * np.pi * np.cumsum(f) / RATE
        x = sum(np.sin(k * phase) / k ** 0.6 for k in range(1, 14))
        x = bandpass(x, 500, 3500)
        place(track, x * envelope(len(t), 0.01, 0.05), at)
    t = seconds(1.2)
    f = 1400 - 900 * (t / 1.2) + 40 * np.sin(2 * np.pi * 7 * t)
    slide = np.sin(2 * np.pi * np.cumsum(f) / RATE) * envelope(len(t), 0.05, 0.3) * 0.7
    place(track, slide, 0.8)
    return track


def main(out_dir):
    os.makedirs(out_dir, exist_ok=True)
    sounds = {
        'click': click, 'typekey': typekey, 'thud3': thud,
        'halleluj': hallelujah,
        'fanf4': lambda: fanfare([('C5', 1), ('C5', 0.5), ('C5', 0.5), ('G5', 1), ('E5', 0.5),
                                  ('G5', 0.5), ('C6+E5+G5', 3)], 0.22),
        'slot_payoff': slot_payoff,
        'fanf2': lambda: fanfare([('G4', 0.5), ('C5', 0.5), ('E5', 0.5), ('G5', 1.5), ('E5', 0.5),
                                  ('G5+C5', 3)], 0.22),
        'fanf3': lambda: fanfare([('D5', 0.33), ('D5', 0.33), ('D5', 0.33), ('D5', 1), ('A#4', 1),
                                  ('C5', 1), ('D5', 0.66), ('C5', 0.33), ('D5+A4', 2.5)], 0.24),
        'crowd': crowd, 'cheer2': cheer2, 'klaxon': klaxon, 'flute': flute, 'gong': gong,
        'clap2': clap2, 'drumroll': drumroll, 'laser2': laser2, 'whizz': whizz, 'clap3': clap3,
        'clown': clown,
    }
    for name, make in sounds.items():
        x = make()
        limit = 0.14 if name in ('click', 'typekey', 'thud3') else 3.9
        x = x[:int(limit * RATE)]
        write(os.path.join(out_dir, name + '.wav'), x)


if __name__ == '__main__':
    main(sys.argv[1])
