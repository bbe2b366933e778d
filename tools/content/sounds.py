"""Synthesises the program's sounds: three short cues and sixteen celebrations.

Everything is made from numbers here (numpy), with SoX for the room echo; the random parts use
fixed seeds, so every run writes the same sounds. Voices (the choir, the crowd) are harmonics
of an exact pitch shaped by moving vowel formants. Every sound is brought to a loudness target
measured as ITU-R BS.1770 integrated loudness (K-weighting, 400 ms blocks, the -70 LUFS and
-10 LU gates: the EBU R128 measure), with its peaks held below -1 dBFS by a limiter.
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


# --- loudness ----------------------------------------------------------------------------
CELEBRATION_LUFS = -18.0  # every celebration alike
CUE_LUFS = -32.0          # clicks and key taps sit well below, so they never startle
PEAK_CEILING = 10 ** (-1.5 / 20)  # -1.5 dBFS: peaks stay below -1 dBFS after rounding


def _biquad(x, b, a):
    y = np.empty_like(x)
    x1 = x2 = y1 = y2 = 0.0
    b0, b1, b2 = b
    _, a1, a2 = a
    for n, v in enumerate(x.tolist()):
        out = b0 * v + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2
        x2, x1, y2, y1 = x1, v, y1, out
        y[n] = out
    return y


def k_weighting(rate):
    """The two BS.1770 K-weighting filters (high shelf, then high pass) for any sample rate,
    from their analogue prototypes; at 48 kHz they are the coefficients the standard lists."""
    k = np.tan(np.pi * 1681.974450955533 / rate)
    q = 0.7071752369554196
    vh = 10 ** (3.999843853973347 / 20)
    vb = vh ** 0.4996667741545416
    a0 = 1 + k / q + k * k
    shelf = ([(vh + vb * k / q + k * k) / a0, 2 * (k * k - vh) / a0, (vh - vb * k / q + k * k) / a0],
             [1, 2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0])
    k = np.tan(np.pi * 38.13547087602444 / rate)
    q = 0.5003270373238773
    a0 = 1 + k / q + k * k
    highpass = ([1, -2, 1], [1, 2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0])
    return shelf, highpass


def loudness(x, rate=RATE):
    """Integrated loudness in LUFS. A sound shorter than one 400 ms block is measured as one
    block with silence after it, which is how it reaches the ear among other sounds."""
    shelf, highpass = k_weighting(rate)
    y = _biquad(_biquad(np.asarray(x, dtype=float), *shelf), *highpass)
    block, step = int(0.4 * rate), int(0.1 * rate)
    if len(y) < block:
        y = np.concatenate([y, np.zeros(block - len(y))])
    power = np.array([np.mean(y[i:i + block] ** 2) for i in range(0, len(y) - block + 1, step)])
    level = -0.691 + 10 * np.log10(np.maximum(power, 1e-20))
    power = power[level > -70]
    if not len(power):
        return -70.0
    relative = -0.691 + 10 * np.log10(power.mean()) - 10
    level = -0.691 + 10 * np.log10(np.maximum(power, 1e-20))
    return float(-0.691 + 10 * np.log10(power[level > relative].mean()))


def limit(x, ceiling=PEAK_CEILING, window=0.012):
    """Holds the peaks at the ceiling with a smooth gain: the needed gain's running minimum,
    averaged over the same span, never exceeds the gain any sample needs."""
    need = np.minimum(1.0, ceiling / np.maximum(np.abs(x), 1e-9))
    if need.min() >= 1.0:
        return x
    w = int(window * RATE)
    padded = np.pad(need, w, constant_values=1.0)
    held = np.lib.stride_tricks.sliding_window_view(padded, 2 * w + 1).min(axis=1)
    kernel = np.ones(2 * w + 1) / (2 * w + 1)
    gain = np.convolve(np.pad(held, w, mode='edge'), kernel, mode='valid')
    return x * np.minimum(gain, need)


def to_loudness(x, target):
    """Gain to the target loudness, peaks limited; a few rounds, since limiting lowers it."""
    x = np.asarray(x, dtype=float)
    for _ in range(4):
        x = limit(x * 10 ** ((target - loudness(x)) / 20))
        if abs(loudness(x) - target) < 0.1:
            break
    return x


def write(path, x, peak=None):
    """Writes 16-bit PCM; with peak, the sound is first scaled to that peak (scratch files)."""
    x = np.asarray(x, dtype=float)
    if peak is not None:
        x = normalise(x, peak)
    fade = min(len(x), int(0.004 * RATE))
    x = x.copy()
    x[-fade:] *= np.linspace(1, 0, fade)
    data = np.round(np.clip(x, -1, 32767 / 32768) * 32768).astype('<i2').tobytes()
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
        # -D: no dither, whose noise would make every run's file differ.
        subprocess.run(['sox', '-D', a, '-r', str(RATE), '-c', '1', '-b', '16', b, *effects], check=True)
        return read(b)


def note_freq(name):
    names = {'C': -9, 'D': -7, 'E': -5, 'F': -4, 'G': -2, 'A': 0, 'B': 2}
    semitone = names[name[0]] + (1 if '#' in name else 0) - (1 if 'b' in name[1:] else 0)
    octave = int(name[-1])
    return 440.0 * 2 ** ((semitone + 12 * (octave - 4)) / 12)


# --- voices ------------------------------------------------------------------------------
# Formants (centre, bandwidth in Hz) of the sung and shouted vowels; 'l' and 'r' are the
# consonants' own resonances, passed through on the way between two vowels.
VOWELS = {
    'a': ((800, 90), (1200, 100), (2600, 140)),
    'e': ((480, 80), (1850, 100), (2600, 140)),
    'i': ((300, 70), (2250, 110), (3000, 160)),
    'o': ((500, 80), (880, 90), (2500, 140)),
    'u': ((330, 70), (800, 90), (2300, 140)),
    'l': ((360, 80), (1300, 110), (2700, 150)),
    'r': ((420, 80), (1250, 100), (1700, 150)),
}
FORMANT_GAINS = (1.0, 0.55, 0.3)


def glide(points, n):
    """A value per sample from (seconds, value) key points, straight between them."""
    times = [t for t, _ in points]
    values = [v for _, v in points]
    return np.interp(np.arange(n) / RATE, times, values)


def sung(f0, vowels, rng, tilt=1.0, vibrato_depth=0.006, breath=0.04):
    """One voice: every harmonic of the pitch curve f0 (Hz per sample), weighted by the vowel
    formants at its frequency, so the vowels move with the key points of vowels
    ((seconds, vowel), ...). tilt: how fast the harmonics fall (lower is brighter, a shout)."""
    n = len(f0)
    t = np.arange(n) / RATE
    rate = rng.uniform(4.8, 6.0)
    # No singer holds a note dead still: a slow drift of a few cents, and a slight unsteadiness
    # of breath in the loudness.
    drift = fast_lowpass(rng.normal(size=n), 3)
    drift *= 0.0015 / max(drift.std(), 1e-9)
    shimmer = fast_lowpass(rng.normal(size=n), 8)
    shimmer = 1 + 0.04 * shimmer / max(shimmer.std(), 1e-9)
    f0 = f0 * (1 + vibrato_depth * np.sin(2 * np.pi * rate * t + rng.uniform(0, 6.3)) * np.clip(t / 0.3, 0, 1)
               + drift)
    formants = [[glide([(at, VOWELS[v][i][0]) for at, v in vowels], n),
                 glide([(at, VOWELS[v][i][1]) for at, v in vowels], n)] for i in range(3)]
    phase = 2 * np.pi * np.cumsum(f0) / RATE
    out = np.zeros(n)
    for k in range(1, int(5000 / f0.min()) + 1):
        freq = k * f0
        weight = sum(g / (1 + ((freq - centre) / width) ** 2)
                     for g, (centre, width) in zip(FORMANT_GAINS, formants))
        audible = freq < 5200
        out += audible * (0.04 + weight) * np.sin(k * phase + rng.uniform(0, 6.3)) / k ** tilt
    # A little breath, shaped like the vowel's lower formants.
    air = bandpass(rng.normal(size=n), 400, 3500) * breath
    return (out + air) * shimmer


def choir(parts, rng, singers=4):
    """parts: for each voice part, the notes as (start seconds, note name) and the vowels as
    (seconds, vowel); several singers a part, each a few cents apart and a little early or late."""
    length = max(max(at for at, _ in notes) for notes, _, _ in parts) + 2.2
    track = np.zeros(int(length * RATE))
    for notes, vowels, level in parts:
        for _ in range(singers):
            lag = rng.uniform(0, 0.03)
            cents = rng.uniform(-7, 7)
            points = []
            for i, (at, name) in enumerate(notes):
                f = note_freq(name) * 2 ** (cents / 1200)
                if i:
                    points.append((at + lag, points[-1][1]))
                points.append((at + lag + 0.035, f))
            f0 = glide(points, len(track))
            shifted = [(at + lag, v) for at, v in vowels]
            track += sung(f0, shifted, rng) * level * rng.uniform(0.8, 1.0)
    return track


def calliope(freq, dur):
    """A steam organ's pipe: flute-like, with a breathy chiff at the start."""
    t = seconds(dur)
    f = freq * (1 + 0.008 * np.sin(2 * np.pi * 6.5 * t))
    phase = 2 * np.pi * np.cumsum(f) / RATE
    x = np.sin(phase) + 0.45 * np.sin(2 * phase) + 0.3 * np.sin(3 * phase) + 0.12 * np.sin(4 * phase)
    chiff = bandpass(np.random.default_rng(int(freq)).normal(size=len(t)), 1500, 6000) * decay(len(t), 60) * 0.4
    return (x + chiff) * envelope(len(t), 0.008, 0.03)


def bulb_horn(freq, dur):
    """A clown's squeeze horn: a reedy, buzzing note that bends up as it is squeezed."""
    t = seconds(dur)
    f = freq * (1 + 0.12 * np.clip(t / 0.05, 0, 1)) * (1 + 0.03 * np.sin(2 * np.pi * 28 * t))
    phase = 2 * np.pi * np.cumsum(f) / RATE
    x = sum(np.sin(k * phase) / k ** 0.7 for k in range(1, 16))
    return bandpass(x, 350, 4000) * envelope(len(t), 0.01, 0.04)


def whistle(rng, start_freq, end_freq, dur):
    """A finger whistle in a crowd."""
    t = seconds(dur)
    f = glide([(0, start_freq), (dur * 0.3, end_freq * 1.05), (dur, end_freq)], len(t))
    phase = 2 * np.pi * np.cumsum(f * (1 + 0.004 * np.sin(2 * np.pi * 9 * t))) / RATE
    air = bandpass(rng.normal(size=len(t)), 1500, 5000) * 0.08
    return (np.sin(phase) + air) * envelope(len(t), 0.03, 0.12)


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
    # A choir of sixteen (four soprano, alto, tenor and bass voices) sings "Hal-le-lu-jah" on
    # I - IV - V - I in C major, in tune (equal temperament from A = 440 Hz), in a church echo,
    # over a quiet organ. Vowels: ah, eh, oo, then "ee-ah" for "jah"; the l's pass between.
    rng = np.random.default_rng(71)
    beats = (0.0, 0.42, 0.64, 1.06)  # Hal, le, lu, jah
    chords = {'soprano': ('E5', 'F5', 'D5', 'E5'), 'alto': ('G4', 'A4', 'G4', 'G4'),
              'tenor': ('C4', 'C4', 'B3', 'C4'), 'bass': ('C3', 'F3', 'G2', 'C3')}
    levels = {'soprano': 0.8, 'alto': 0.8, 'tenor': 0.9, 'bass': 1.0}
    vowels = [(0.0, 'a'), (0.34, 'a'), (0.42, 'l'), (0.47, 'e'), (0.58, 'e'), (0.64, 'l'),
              (0.69, 'u'), (1.0, 'u'), (1.06, 'i'), (1.14, 'a'), (3.0, 'a')]
    parts = [(list(zip(beats, chords[p])) + [(2.6, chords[p][-1])], vowels, levels[p]) for p in chords]
    track = choir(parts, rng)
    n = len(track)
    # The words' rhythm: a soft "h", dips for the consonants, a swell and fade on "jah".
    shape = glide([(0, 0), (0.06, 0.9), (0.38, 1.0), (0.44, 0.55), (0.5, 0.9), (0.62, 0.9), (0.66, 0.5),
                   (0.72, 0.95), (1.03, 0.9), (1.08, 0.6), (1.18, 1.0), (1.9, 1.15), (2.55, 1.0),
                   (2.95, 0)], n)
    track *= shape
    t = seconds(n / RATE)
    organ = sum(np.sin(2 * np.pi * note_freq(x) * t) + 0.3 * np.sin(4 * np.pi * note_freq(x) * t)
                for x in ('C3', 'G3', 'C4', 'E4'))
    organ *= glide([(0, 0), (1.06, 0), (1.4, 0.12), (2.5, 0.12), (3.0, 0)], n)
    return sox(normalise(track) + organ, 'reverb', '70', '50', '100', 'trim', '0', '3.8')


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


def crowd_voices(rng, count, start, spread, shout):
    """A crowd's voices: each its own pitch (children and grown-ups), vowel and moment.
    shout(rng) gives one voice's (pitch key points, vowel key points, length)."""
    track = np.zeros(int(3.9 * RATE))
    for _ in range(count):
        pitch, vowels, dur = shout(rng)
        n = int(dur * RATE)
        v = sung(glide(pitch, n), vowels, rng, tilt=0.8, vibrato_depth=0.01, breath=0.12)
        v *= glide([(0, 0), (0.04, 1), (dur * 0.6, 0.9), (dur, 0)], n) * rng.uniform(0.4, 1.0)
        place(track, v, start + rng.uniform(0, spread))
    return track


def crowd():
    # A crowd celebrating: thirty people whoop "woo!" and "yeah!" at their own moments,
    # over clapping that swells and fades and two finger whistles.
    rng = np.random.default_rng(21)

    def whoop(rng):
        f = rng.choice([rng.uniform(170, 260), rng.uniform(280, 420)])
        dur = rng.uniform(0.5, 1.2)
        pitch = [(0, f * 0.85), (0.12, f * 1.25), (dur, f * 0.8)]
        vowels = ([(0, 'u'), (dur, 'u')] if rng.random() < 0.5 else
                  [(0, 'i'), (0.08, 'e'), (0.2, 'a'), (dur, 'a')])
        return pitch, vowels, dur

    track = crowd_voices(rng, 30, 0.05, 1.6, whoop)
    track += np.pad(applause(rng, 3.2, 70), (0, len(track) - int(3.2 * RATE))) * 0.45
    place(track, whistle(rng, 1800, 2600, 0.5) * 0.2, 0.5)
    place(track, whistle(rng, 2200, 3100, 0.6) * 0.2, 1.5)
    return track[:int(3.3 * RATE)] * glide([(0, 1), (2.7, 1), (3.3, 0)], int(3.3 * RATE))


def cheer2():
    # A cheer: a crowd shouts "Hoo-ray!" together (each voice a little early or late, on its
    # own pitch, the "ray" rising and falling away), then claps and whistles.
    rng = np.random.default_rng(22)

    def hooray(rng):
        f = rng.choice([rng.uniform(160, 240), rng.uniform(260, 380)])
        dur = rng.uniform(1.0, 1.3)
        pitch = [(0, f), (0.22, f * 0.95), (0.3, f * 1.4), (0.55, f * 1.45), (dur, f * 0.95)]
        vowels = [(0, 'u'), (0.2, 'u'), (0.27, 'r'), (0.34, 'e'), (0.7, 'e'), (dur, 'i')]
        return pitch, vowels, dur

    track = crowd_voices(rng, 26, 0.1, 0.08, hooray) * 0.6
    clapping = applause(rng, 2.2, 65)
    place(track, clapping, 0.9)
    place(track, whistle(rng, 2000, 2900, 0.55) * 0.2, 1.25)
    return track[:int(3.2 * RATE)] * glide([(0, 1), (2.6, 1), (3.2, 0)], int(3.2 * RATE))


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
    # A circus "ta-da!": two squeezes of a clown's horn, a steam organ running up the scale,
    # and a brass chord with a cymbal to finish, all in C major.
    rng = np.random.default_rng(81)
    track = np.zeros(int(2.4 * RATE))
    place(track, bulb_horn(note_freq('G4'), 0.16), 0.0)
    place(track, bulb_horn(note_freq('C5'), 0.2), 0.2)
    run = ('C5', 'D5', 'E5', 'F5', 'G5', 'A5', 'B5', 'C6')
    for k, name in enumerate(run):
        place(track, calliope(note_freq(name), 0.09) * 0.7, 0.5 + 0.065 * k)
    # "Ta-" (G major, short), "-da!" (C major, held).
    for name in ('G4', 'B4', 'D5', 'G5'):
        place(track, brass(note_freq(name), 0.14) * 0.5, 1.04)
        place(track, calliope(note_freq(name), 0.12) * 0.3, 1.04)
    for name in ('C4', 'E4', 'G4', 'C5', 'E5', 'G5'):
        place(track, brass(note_freq(name), 0.9) * 0.45, 1.24)
        place(track, calliope(note_freq(name), 0.85) * 0.25, 1.24)
    place(track, cymbal(rng, 1.0) * 0.5, 1.24)
    boom = np.sin(2 * np.pi * 70 * seconds(0.35)) * decay(int(0.35 * RATE), 10)
    place(track, boom * 0.8, 1.24)
    return sox(track, 'reverb', '25')


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
    cues = ('click', 'typekey', 'thud3')
    for name, make in sounds.items():
        x = make()
        longest = 0.14 if name in cues else 3.9
        x = x[:int(longest * RATE)]
        x = to_loudness(x, CUE_LUFS if name in cues else CELEBRATION_LUFS)
        write(os.path.join(out_dir, name + '.wav'), x)


if __name__ == '__main__':
    main(sys.argv[1])
