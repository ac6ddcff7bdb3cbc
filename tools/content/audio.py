"""Small additive synthesiser shared by the sound effects and the music.

Everything is rendered with numpy at 44.1 kHz in stereo float arrays of shape
(n, 2), then written as 16-bit WAV and encoded to Ogg Vorbis with oggenc.
Random numbers come from seeded generators, so every run gives the same
samples.
"""

import os
import subprocess
import wave

import numpy as np

RATE = 44100


def seconds(n):
    return int(round(n * RATE))


def midi_hz(note):
    return 440.0 * 2.0 ** ((note - 69) / 12.0)


def time_axis(duration):
    return np.arange(seconds(duration)) / RATE


def envelope(n, attack, decay, sustain=0.0, release=0.0):
    """Attack to 1, exponential decay toward the sustain level, linear release
    over the last `release` seconds."""
    t = np.arange(n) / RATE
    env = np.where(t < attack, t / max(attack, 1e-6), 1.0)
    after = np.clip(t - attack, 0, None)
    body = sustain + (1.0 - sustain) * np.exp(-after / max(decay, 1e-6))
    env = np.where(t < attack, env, body)
    if release > 0:
        r = seconds(release)
        if 0 < r < n:
            env[-r:] *= np.linspace(1.0, 0.0, r)
    return env


def additive(freq, duration, partials, vibrato=0.0, vib_rate=5.5, phase_seed=0):
    """Sum of sine partials [(ratio, amplitude, decay seconds or None)]."""
    t = time_axis(duration)
    out = np.zeros_like(t)
    mod = 1.0 + vibrato * np.sin(2 * np.pi * vib_rate * t) * np.clip(t / 0.3, 0, 1)
    phase_base = 2 * np.pi * freq * np.cumsum(mod) / RATE
    rng = np.random.default_rng(phase_seed)
    for ratio, amp, decay in partials:
        if freq * ratio >= RATE / 2.2:
            continue
        wave_ = np.sin(phase_base * ratio + rng.uniform(0, 2 * np.pi))
        if decay is not None:
            wave_ *= np.exp(-t / decay)
        out += amp * wave_
    return out


def fm(freq, duration, ratio, index, index_decay):
    t = time_axis(duration)
    mod = index * np.exp(-t / index_decay) * np.sin(2 * np.pi * freq * ratio * t)
    return np.sin(2 * np.pi * freq * t + mod)


def noise(n, seed):
    return np.random.default_rng(seed).uniform(-1.0, 1.0, n)


def band(signal, low, high, soft=0.15):
    """Band-pass by masking the spectrum (soft edges avoid ringing)."""
    n = len(signal)
    spectrum = np.fft.rfft(signal)
    f = np.fft.rfftfreq(n, 1.0 / RATE)
    mask = np.ones_like(f)
    if low > 0:
        mask *= 1.0 / (1.0 + (low / np.maximum(f, 1e-3)) ** (1.0 / soft))
    if high < RATE / 2:
        mask *= 1.0 / (1.0 + (np.maximum(f, 1e-3) / high) ** (1.0 / soft))
    return np.fft.irfft(spectrum * mask, n)


def pluck(freq, duration, brightness=0.5, seed=0):
    """Plucked string (Karplus-Strong), computed one period at a time."""
    n = seconds(duration)
    period = max(2, int(round(RATE / freq)))
    rng = np.random.default_rng(seed)
    first = rng.uniform(-1, 1, period)
    # A softer excitation for darker strings.
    for _ in range(int((1 - brightness) * 4)):
        first = 0.5 * (first + np.roll(first, 1))
    out = np.zeros(n + period + 1)
    out[:period] = first
    damping = 0.996
    pos = period
    while pos < n:
        end = min(pos + period, n)
        prev = out[pos - period:end - period]
        prev2 = out[pos - period - 1:end - period - 1] if pos - period - 1 >= 0 else \
            np.concatenate(([0.0], out[pos - period:end - period - 1]))
        out[pos:end] = damping * 0.5 * (prev + prev2)
        pos = end
    out = out[:n]
    return out - np.mean(out)


def pan(mono, position):
    """Equal-power pan, position -1 (left) to 1 (right)."""
    angle = (position + 1) * np.pi / 4
    return np.stack([mono * np.cos(angle), mono * np.sin(angle)], axis=1)


def fade_edges(sound, fade_in=0.002, fade_out=0.01):
    a, b = seconds(fade_in), seconds(fade_out)
    if a:
        sound[:a] *= np.linspace(0, 1, a)[:, None]
    if b:
        sound[-b:] *= np.linspace(1, 0, b)[:, None]
    return sound


class Track:
    """A stereo mix buffer; with `loop` set, sounds that run past the end wrap
    around to the start, so the buffer repeats without a seam."""

    def __init__(self, duration, loop=False):
        self.n = seconds(duration)
        self.loop = loop
        self.data = np.zeros((self.n, 2))

    def add(self, sound, at, gain=1.0):
        start = seconds(at)
        if sound.ndim == 1:
            sound = pan(sound, 0.0)
        sound = sound * gain
        if self.loop:
            pos = start % self.n
            while len(sound):
                take = min(len(sound), self.n - pos)
                self.data[pos:pos + take] += sound[:take]
                sound = sound[take:]
                pos = 0
        else:
            end = min(self.n, start + len(sound))
            if end > start:
                self.data[start:end] += sound[:end - start]


def reverb(data, seconds_, wet, seed, loop):
    """Convolution with a decaying noise tail; circular for loops."""
    n_ir = seconds(seconds_)
    rng = np.random.default_rng(seed)
    t = np.arange(n_ir) / RATE
    out = data * (1.0 - wet * 0.3)
    for ch in range(2):
        ir = rng.standard_normal(n_ir) * np.exp(-t * 6.9 / seconds_)
        ir = band(ir, 200, 6000)
        ir[: seconds(0.012)] = 0.0
        ir /= np.sqrt(np.sum(ir ** 2)) + 1e-9
        if loop:
            size = len(data)
            kernel = np.zeros(size)
            kernel[: min(n_ir, size)] = ir[:size]
            wet_sig = np.fft.irfft(np.fft.rfft(data[:, ch]) * np.fft.rfft(kernel), size)
        else:
            size = len(data) + n_ir
            wet_sig = np.fft.irfft(np.fft.rfft(data[:, ch], size) * np.fft.rfft(ir, size), size)
            wet_sig = wet_sig[: len(data)]
        out[:, ch] += wet * wet_sig
    return out


def normalise(data, peak_db=-1.0):
    peak = np.max(np.abs(data))
    if peak > 0:
        data = data * (10 ** (peak_db / 20.0) / peak)
    return data


def write_ogg(data, path, quality, work_dir):
    """16-bit WAV in the work folder, then oggenc with a fixed stream serial
    so the output is the same on every run."""
    os.makedirs(work_dir, exist_ok=True)
    wav_path = os.path.join(work_dir, os.path.basename(path) + ".wav")
    pcm = np.clip(np.round(data * 32767.0), -32768, 32767).astype("<i2")
    with wave.open(wav_path, "wb") as w:
        w.setnchannels(2)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(pcm.tobytes())
    subprocess.run(["oggenc", "-Q", "-q", str(quality), "-s", "1",
                    "-o", path, wav_path], check=True)
    return wav_path
