"""Sound effects: short, bright and soft-edged, in the mood of the art
direction (wood, brass, water and glass; no harsh buzzers)."""

import os

import numpy as np

from . import audio as A
from .audio import midi_hz


def _bell(note, duration, gain=1.0, decay=0.6):
    f = midi_hz(note)
    tone = A.fm(f, duration, 3.5, 2.2, decay * 0.3) * np.exp(-A.time_axis(duration) / decay)
    return tone * gain


def _marimba(note, duration=0.6, gain=1.0):
    f = midi_hz(note)
    tone = A.additive(f, duration, [(1, 1.0, 0.35), (3.93, 0.35, 0.06), (9.8, 0.12, 0.02)])
    return tone * A.envelope(len(tone), 0.002, 10.0) * gain


def button_click():
    n = A.seconds(0.09)
    t = np.arange(n) / A.RATE
    tock = np.sin(2 * np.pi * 1250 * t) * np.exp(-t / 0.012)
    body = np.sin(2 * np.pi * 420 * t) * np.exp(-t / 0.025) * 0.6
    tick = A.band(A.noise(n, 11), 2500, 9000) * np.exp(-t / 0.004) * 0.5
    return A.pan(tock + body + tick, 0.0)


def gui_window():
    n = A.seconds(0.45)
    t = np.arange(n) / A.RATE
    swoosh = A.band(A.noise(n, 21), 500, 4000) * np.sin(np.pi * t / t[-1]) ** 2 * 0.5
    chime = np.zeros(n)
    for i, note in enumerate((79, 86)):
        start = A.seconds(0.12 + 0.07 * i)
        b = _bell(note, 0.45 - 0.12 - 0.07 * i, 0.35, 0.25)
        chime[start:start + len(b)] += b[: n - start]
    left = swoosh * np.linspace(1.0, 0.4, n) + chime
    right = swoosh * np.linspace(0.4, 1.0, n) + chime
    return np.stack([left, right], axis=1)


def water_flow():
    """Two seconds of running water that loops without a seam: every part is
    periodic over the buffer."""
    duration = 2.0
    n = A.seconds(duration)
    t = np.arange(n) / A.RATE
    out = np.zeros((n, 2))
    for ch in range(2):
        rush = A.band(A.noise(n, 31 + ch), 300, 2200)  # FFT filtering is circular
        swell = 0.7 + 0.3 * np.sin(2 * np.pi * t / duration * (2 + ch))
        out[:, ch] = rush * swell * 0.35
    rng = np.random.default_rng(41)
    for _ in range(70):
        start = rng.uniform(0, duration)
        f0 = rng.uniform(500, 1400)
        length = rng.uniform(0.02, 0.06)
        bt = A.time_axis(length)
        chirp = np.sin(2 * np.pi * f0 * bt * (1 + 2.5 * bt / length)) * np.sin(np.pi * bt / length)
        position = rng.uniform(-0.7, 0.7)
        idx = (A.seconds(start) + np.arange(len(chirp))) % n
        stereo = A.pan(chirp * rng.uniform(0.15, 0.35), position)
        out[idx] += stereo
    return out


def tube_place():
    n = A.seconds(0.3)
    t = np.arange(n) / A.RATE
    thump = np.sin(2 * np.pi * (140 - 60 * t / t[-1]) * t) * np.exp(-t / 0.05)
    ring = sum(a * np.sin(2 * np.pi * f * t) * np.exp(-t / d)
               for f, a, d in ((820, 0.35, 0.09), (1370, 0.25, 0.06), (2230, 0.15, 0.04)))
    click = A.band(A.noise(n, 51), 1500, 7000) * np.exp(-t / 0.006) * 0.4
    return A.pan(thump + ring + click, 0.0)


def tube_wrong():
    out = np.zeros(A.seconds(0.36))
    for i, note in enumerate((55, 50)):
        f = midi_hz(note)
        tone = A.additive(f, 0.16, [(1, 1.0, None), (2, 0.3, None), (3, 0.25, None), (5, 0.08, None)])
        tone *= A.envelope(len(tone), 0.005, 0.08, 0.3, 0.04)
        start = A.seconds(0.17 * i)
        out[start:start + len(tone)] += tone * 0.6
    return A.pan(out, 0.0)


def tube_box():
    n = A.seconds(0.6)
    t = np.arange(n) / A.RATE
    slam = np.sin(2 * np.pi * 70 * t) * np.exp(-t / 0.09)
    crunch = np.zeros(n)
    rng = np.random.default_rng(61)
    for i in range(6):
        start = A.seconds(0.05 + i * 0.055 + rng.uniform(0, 0.02))
        length = A.seconds(0.05)
        burst = A.band(A.noise(length, 70 + i), 700, 5000) * np.exp(-np.arange(length) / A.RATE / 0.015)
        crunch[start:start + length] += burst * (0.7 - i * 0.08)
    clang = sum(a * np.sin(2 * np.pi * f * t) * np.exp(-t / 0.12) for f, a in ((460, 0.2), (1130, 0.12)))
    out = slam + crunch + clang
    return np.stack([out, np.roll(out, A.seconds(0.004))], axis=1)


def equip_connect():
    n = A.seconds(0.9)
    t = np.arange(n) / A.RATE
    spin = np.sin(2 * np.pi * np.cumsum(90 + 260 * np.clip(t / 0.4, 0, 1)) / A.RATE)
    spin *= np.clip(t / 0.05, 0, 1) * np.exp(-np.clip(t - 0.35, 0, None) / 0.1) * 0.35
    chime = np.zeros(n)
    for i, note in enumerate((72, 79)):
        start = A.seconds(0.3 + 0.12 * i)
        b = _marimba(note, 0.5, 0.7)
        chime[start:start + len(b)] += b[: n - start]
    return A.pan(spin, -0.2) + A.pan(chime, 0.2)


def bonus_fill():
    n = A.seconds(0.9)
    out = np.zeros((n, 2))
    for i, note in enumerate((72, 76, 79, 84, 88)):
        start = A.seconds(0.07 * i)
        b = _bell(note, 0.6, 0.5, 0.3)
        out[start:start + len(b)] += A.pan(b, -0.6 + 0.3 * i)[: n - start]
    return out


def bonus_destroy():
    n = A.seconds(0.8)
    t = np.arange(n) / A.RATE
    boom = np.sin(2 * np.pi * (90 - 50 * np.clip(t / 0.3, 0, 1)) * t) * np.exp(-t / 0.18)
    out = np.zeros((n, 2))
    for ch in range(2):
        burst = A.band(A.noise(n, 81 + ch), 150, 3000) * np.exp(-t / 0.12)
        out[:, ch] = boom * 0.9 + burst * 0.6
    return out


def receive_bonus_reward():
    n = A.seconds(0.8)
    out = np.zeros((n, 2))
    for note, at, position in ((79, 0.0, -0.3), (84, 0.1, 0.3)):
        start = A.seconds(at)
        m = _marimba(note, 0.7, 0.8)
        out[start:start + len(m)] += A.pan(m, position)[: n - start]
    sparkle = _bell(96, 0.5, 0.25, 0.2)
    start = A.seconds(0.15)
    out[start:start + len(sparkle)] += A.pan(sparkle, 0.0)[: n - start]
    return out


def money_received():
    n = A.seconds(0.5)
    out = np.zeros((n, 2))
    for note, at, position in ((95, 0.0, -0.25), (100, 0.07, 0.25)):
        start = A.seconds(at)
        f = midi_hz(note)
        tone = A.additive(f, 0.43, [(1, 1.0, 0.18), (2.76, 0.4, 0.06), (5.4, 0.2, 0.03)])
        out[start:start + len(tone)] += A.pan(tone * 0.5, position)[: n - start]
    return out


def level_finished():
    n = A.seconds(2.8)
    out = np.zeros((n, 2))
    melody = ((72, 0.0), (76, 0.12), (79, 0.24), (84, 0.36), (79, 0.6), (84, 0.72))
    for note, at in melody:
        m = _marimba(note, 0.8, 0.6)
        start = A.seconds(at)
        out[start:start + len(m)] += A.pan(m, 0.2)[: n - start]
    start = A.seconds(0.95)
    for i, note in enumerate((60, 64, 67, 72, 76)):
        b = _bell(note + 12, 1.8, 0.18, 0.8)
        out[start:start + len(b)] += A.pan(b, -0.5 + 0.25 * i)[: n - start]
        pad = A.additive(midi_hz(note), 1.8, [(1, 1.0, None), (2, 0.3, None), (3, 0.1, None)])
        pad *= A.envelope(len(pad), 0.05, 0.9, 0.0) * 0.12
        out[start:start + len(pad)] += A.pan(pad, 0.0)[: n - start]
    return A.reverb(out, 1.2, 0.25, 5, loop=False)


def get_trophy():
    n = A.seconds(2.0)
    out = np.zeros((n, 2))
    for i, note in enumerate((79, 83, 86, 91, 95)):
        b = _bell(note, 1.4, 0.35, 0.5)
        start = A.seconds(0.08 * i)
        out[start:start + len(b)] += A.pan(b, -0.6 + 0.3 * i)[: n - start]
    t = np.arange(n) / A.RATE
    shimmer = A.band(A.noise(n, 91), 6000, 14000) * np.exp(-t / 0.5) * np.clip(t / 0.3, 0, 1) * 0.12
    out += A.pan(shimmer, 0.0)
    return A.reverb(out, 1.0, 0.3, 6, loop=False)


SOUNDS = {
    "sound_button_click": button_click,
    "sound_gui_window": gui_window,
    "sound_water_flow": water_flow,
    "sound_tube_place": tube_place,
    "sound_tube_wrong": tube_wrong,
    "sound_tube_box": tube_box,
    "sound_equip_connect": equip_connect,
    "sound_bonus_fill": bonus_fill,
    "sound_bonus_destroy": bonus_destroy,
    "sound_receive_bonus_reward": receive_bonus_reward,
    "sound_money_received": money_received,
    "sound_level_finished": level_finished,
    "sound_get_trophy": get_trophy,
}

# Sounds that the game loops; they stay seamless (no edge fades).
LOOPED = {"sound_water_flow"}


def build_all(resources, work_dir):
    out_dir = os.path.join(resources, "sounds")
    os.makedirs(out_dir, exist_ok=True)
    made = []
    for name, make in SOUNDS.items():
        data = make()
        if name not in LOOPED:
            data = A.fade_edges(data)
        data = A.normalise(data, -3.0 if name != "sound_water_flow" else -8.0)
        path = os.path.join(out_dir, name + ".ogg")
        A.write_ogg(data, path, 3, work_dir)
        made.append(name)
    return made
