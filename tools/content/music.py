"""The four music loops: the title theme and one mood per world.

Each piece is composed from a chord progression by a seeded phrase writer
(motifs repeated with a varied answer, chord tones on strong beats), played
by the small synthesiser of audio.py into a looping buffer: note tails and
the reverb wrap around to the start, so the end flows into the beginning
without a click.
"""

import os
from functools import lru_cache

import numpy as np

from . import audio as A
from .audio import midi_hz

# Chord names to pitch classes above the root.
QUALITY = {"maj": (0, 4, 7), "min": (0, 3, 7), "sus": (0, 5, 7), "maj7": (0, 4, 7, 11),
           "min7": (0, 3, 7, 10), "dom7": (0, 4, 7, 10), "add9": (0, 4, 7, 14)}


def chord(root, quality):
    return [root + i for i in QUALITY[quality]]


# ---------------------------------------------------------------- instruments

@lru_cache(maxsize=None)
def marimba(note, dur):
    f = midi_hz(note)
    tone = A.additive(f, dur + 0.6, [(1, 1.0, 0.45), (3.93, 0.3, 0.05), (9.8, 0.08, 0.015)])
    return tone * A.envelope(len(tone), 0.002, 10.0, 1.0, 0.05)


@lru_cache(maxsize=None)
def flute(note, dur):
    f = midi_hz(note)
    length = dur + 0.25
    tone = A.additive(f, length, [(1, 1.0, None), (2, 0.22, None), (3, 0.08, None)], vibrato=0.004)
    breath = A.band(A.noise(len(tone), note), f, f * 3) * 0.05
    env = A.envelope(len(tone), 0.06, 0.8, 0.75, 0.22)
    return (tone + breath) * env


@lru_cache(maxsize=None)
def glass(note, dur):
    f = midi_hz(note)
    length = dur + 0.8
    tone = A.additive(f, length, [(1, 1.0, 1.2), (3, 0.18, 0.4), (4.2, 0.06, 0.2)], vibrato=0.002)
    return tone * A.envelope(len(tone), 0.03, 10.0, 1.0, 0.3)


@lru_cache(maxsize=None)
def pluck(note, dur, bright=0.5):
    tone = A.pluck(midi_hz(note), dur + 0.5, bright, seed=note)
    return tone * A.envelope(len(tone), 0.001, 10.0, 1.0, 0.08)


@lru_cache(maxsize=None)
def bell(note, dur):
    length = dur + 1.0
    t = A.time_axis(length)
    tone = A.fm(midi_hz(note), length, 3.5, 1.6, 0.25) * np.exp(-t / 0.9)
    return tone * A.envelope(len(tone), 0.002, 10.0, 1.0, 0.1)


@lru_cache(maxsize=None)
def bass(note, dur):
    f = midi_hz(note)
    length = dur + 0.1
    tone = A.additive(f, length, [(1, 1.0, None), (2, 0.35, 0.3), (3, 0.12, 0.15)])
    return tone * A.envelope(len(tone), 0.008, 0.5, 0.55, 0.08)


@lru_cache(maxsize=None)
def pad(note, dur):
    f = midi_hz(note)
    length = dur + 0.6
    parts = [(k * d, 0.5 / k, None) for k in range(1, 9) for d in (0.998, 1.002)]
    tone = A.additive(f, length, parts, phase_seed=note)
    return tone * A.envelope(len(tone), 0.5, 1.0, 1.0, 0.6)


@lru_cache(maxsize=None)
def drum(kind):
    if kind == "kick":
        t = A.time_axis(0.35)
        sweep = 45 + 90 * np.exp(-t / 0.04)
        return np.sin(2 * np.pi * np.cumsum(sweep) / A.RATE) * np.exp(-t / 0.13)
    if kind == "clap":
        n = A.seconds(0.25)
        t = np.arange(n) / A.RATE
        hit = A.band(A.noise(n, 7), 900, 3500)
        env = sum(np.exp(-np.clip(t - d, 0, None) / 0.012) * (t >= d) for d in (0.0, 0.012, 0.024))
        return hit * (env * 0.5 + np.exp(-t / 0.08) * (t >= 0.024) * 0.6)
    if kind == "shaker":
        n = A.seconds(0.08)
        t = np.arange(n) / A.RATE
        return A.band(A.noise(n, 9), 5000, 13000) * np.clip(t / 0.008, 0, 1) * np.exp(-t / 0.02)
    if kind in ("tom_low", "tom_high"):
        base = 95 if kind == "tom_low" else 150
        t = A.time_axis(0.4)
        sweep = base * (1 + 0.5 * np.exp(-t / 0.03))
        body = np.sin(2 * np.pi * np.cumsum(sweep) / A.RATE) * np.exp(-t / 0.16)
        slap = A.band(A.noise(len(t), base), 400, 3000) * np.exp(-t / 0.015) * 0.3
        return body + slap
    if kind == "drip":
        t = A.time_axis(0.25)
        sweep = 1800 * np.exp(-t / 0.05) + 900
        return np.sin(2 * np.pi * np.cumsum(sweep) / A.RATE) * np.exp(-t / 0.05)
    if kind == "bird":
        t = A.time_axis(0.3)
        sweep = 2600 + 900 * np.sin(2 * np.pi * 18 * t)
        return np.sin(2 * np.pi * np.cumsum(sweep) / A.RATE) * np.sin(np.pi * t / 0.3) ** 2
    raise ValueError(kind)


# ---------------------------------------------------------------- composition

RHYTHMS = [  # one bar of 4 beats: (start beat, length in beats)
    [(0, 1), (1, 0.5), (1.5, 0.5), (2, 1.5), (3.5, 0.5)],
    [(0, 1.5), (1.5, 0.5), (2, 1), (3, 1)],
    [(0, 0.5), (0.5, 0.5), (1, 1), (2, 0.5), (2.5, 0.5), (3, 1)],
    [(0, 2), (2, 1), (3, 0.5), (3.5, 0.5)],
    [(0, 1), (1, 1), (2, 2)],
    [(0.5, 0.5), (1, 0.5), (1.5, 1), (2.5, 0.5), (3, 1)],
]
ENDING = [(0, 1), (1, 1), (2, 2)]


class PhraseWriter:
    def __init__(self, scale_notes, low, high, seed):
        self.scale = [n for n in scale_notes if low <= n <= high]
        self.rng = np.random.default_rng(seed)
        self.current = self.scale[len(self.scale) // 2]

    def _nearest(self, candidates):
        return min(candidates, key=lambda n: (abs(n - self.current), n))

    def bar(self, harmony, rhythm, final=False):
        tones = [n for n in self.scale if n % 12 in {c % 12 for c in harmony}]
        notes = []
        for i, (start, length) in enumerate(rhythm):
            strong = start in (0, 2) or length >= 1.5
            last = final and i == len(rhythm) - 1
            if last:
                roots = [n for n in self.scale if n % 12 == harmony[0] % 12]
                pitch = self._nearest(roots)
            elif strong:
                pitch = self._nearest([n for n in tones if n != self.current] or tones)
            else:
                idx = self.scale.index(self._nearest(self.scale))
                step = int(self.rng.choice([-2, -1, -1, 1, 1, 2]))
                if idx + step < 0 or idx + step >= len(self.scale):
                    step = -step
                pitch = self.scale[idx + step]
            self.current = pitch
            notes.append((start, length, pitch))
        return notes

    def phrase(self, harmonies, rhythms):
        """Bars alternate the two rhythms of the motif, so the phrase
        repeats itself with new pitches; the last bar lands on the root."""
        out = []
        for i, harmony in enumerate(harmonies):
            final = i == len(harmonies) - 1
            out.append(self.bar(harmony, ENDING if final else rhythms[i % 2], final))
        return out


def scale_notes(root, steps):
    notes = []
    for octave in range(-2, 5):
        for s in steps:
            notes.append(root + 12 * octave + s)
    return sorted(notes)


MAJOR = (0, 2, 4, 5, 7, 9, 11)
DORIAN = (0, 2, 3, 5, 7, 9, 10)
MINOR = (0, 2, 3, 5, 7, 8, 10)


class Song:
    def __init__(self, name, bpm, progression, seed):
        self.name = name
        self.beat = 60.0 / bpm
        self.progression = progression
        self.bars = len(progression)
        self.track = A.Track(self.bars * 4 * self.beat, loop=True)
        self.rng = np.random.default_rng(seed)

    def at(self, bar, beat):
        jitter = self.rng.normal(0, 0.004)
        return (bar * 4 + beat) * self.beat + jitter

    def play(self, instrument, note, bar, beat, length, gain, position=0.0):
        sound = instrument(note, round(length * self.beat, 3))
        velocity = gain * self.rng.uniform(0.85, 1.0)
        self.track.add(A.pan(sound, position), self.at(bar, beat), velocity)

    def hit(self, kind, bar, beat, gain, position=0.0):
        self.track.add(A.pan(drum(kind), position), self.at(bar, beat), gain * self.rng.uniform(0.8, 1.0))

    def melody(self, instrument, writer, sections, gain, position=0.0, octave=0):
        """sections: list of (first bar, rhythm pair) for four-bar phrases."""
        for first, rhythms in sections:
            harmonies = self.progression[first:first + 4]
            for b, bar_notes in enumerate(writer.phrase(harmonies, rhythms)):
                for start, length, pitch in bar_notes:
                    self.play(instrument, pitch + octave, first + b, start, length, gain, position)

    def render(self, reverb_time, wet):
        data = A.reverb(self.track.data, reverb_time, wet, 3, loop=True)
        return A.normalise(data, -1.5)


# ---------------------------------------------------------------- the pieces

def title_theme():
    c, am, f, g = chord(60, "maj"), chord(57, "min"), chord(53, "maj"), chord(55, "maj")
    em, dm = chord(52, "min"), chord(50, "min")
    prog = [c, am, f, g] * 2 + [f, g, em, am, dm, g, c, g] + [c, am, f, g] * 3 + [f, g, c, c]
    song = Song("music_title", 112, prog, 101)
    writer = PhraseWriter(scale_notes(60, MAJOR), 67, 88, 102)
    pairs = [(RHYTHMS[0], RHYTHMS[2]), (RHYTHMS[1], RHYTHMS[5])]
    sections = [(b, pairs[(b // 4) % 2]) for b in range(0, song.bars, 4) if b >= 4]
    song.melody(marimba, writer, sections, 0.55, 0.1)
    for bar, harmony in enumerate(prog):
        root = harmony[0] - 12
        for beat in range(4):
            song.play(bass, root + (7 if beat == 2 else 0), bar, beat, 0.9, 0.5)
        for step in range(8):
            note = harmony[step % 3] + (12 if step % 4 == 3 else 0)
            song.play(pluck, note, bar, step * 0.5, 0.5, 0.18, -0.45)
        song.hit("kick", bar, 0, 0.6)
        song.hit("kick", bar, 2.5 if bar % 2 else 2, 0.45)
        song.hit("clap", bar, 1, 0.28, 0.1)
        song.hit("clap", bar, 3, 0.28, 0.1)
        for step in range(8):
            song.hit("shaker", bar, step * 0.5, 0.12 if step % 2 else 0.2, 0.4)
        if bar % 4 == 0:
            song.play(bell, harmony[0] + 24, bar, 0, 2, 0.12, 0.5)
        if bar % 8 == 7:  # a clap roll and a rising run into the next section
            for i, beat in enumerate((3, 3.25, 3.5, 3.75)):
                song.hit("clap", bar, beat, 0.15 + 0.05 * i, -0.3 + 0.2 * i)
            for i, note in enumerate(harmony + [harmony[0] + 12]):
                song.play(marimba, note + 12, bar, 2 + 0.25 * i, 0.25, 0.25, 0.3)
    return song.render(1.4, 0.22)


def world_meadows():
    g, em, c, d = chord(55, "maj"), chord(52, "min"), chord(48, "add9"), chord(50, "sus")
    am, bm, d7 = chord(57, "min7"), chord(59, "min"), chord(50, "dom7")
    prog = [g, em, c, d] * 2 + [c, d, bm, em, am, bm, c, d7] + [g, em, c, d] * 2 + [c, d, g, d7]
    song = Song("music_track1", 100, prog, 201)
    writer = PhraseWriter(scale_notes(55, MAJOR), 67, 86, 202)
    pairs = [(RHYTHMS[3], RHYTHMS[4]), (RHYTHMS[1], RHYTHMS[4])]
    sections = [(b, pairs[(b // 4) % 2]) for b in range(0, song.bars, 4) if b not in (0, 16)]
    song.melody(flute, writer, sections, 0.42, 0.15)
    for bar, harmony in enumerate(prog):
        root = harmony[0] - 12
        song.play(bass, root, bar, 0, 1.5, 0.5)
        song.play(bass, root + 7, bar, 2, 1.0, 0.4)
        song.play(bass, root + 12, bar, 3, 1.0, 0.35)
        for step, offset in enumerate((0, 1, 2, 1, 3 if len(harmony) > 3 else 0, 2, 1, 2)):
            note = harmony[offset % len(harmony)] + (12 if offset == 3 and len(harmony) <= 3 else 0)
            song.play(lambda n, d: pluck(n, d, 0.35), note, bar, step * 0.5, 0.5, 0.2, -0.5)
        for note in harmony[:3]:
            song.play(pad, note, bar, 0, 4, 0.05, 0.0)
        song.hit("kick", bar, 0, 0.35)
        for step in range(8):
            song.hit("shaker", bar, step * 0.5, 0.1 if step % 2 else 0.16, -0.3)
        if bar % 8 == 0:  # a soft strum opens each section
            for i, note in enumerate(harmony[:3] + [harmony[0] + 12]):
                song.play(lambda n, d: pluck(n, d, 0.6), note, bar, 0.04 * i, 2, 0.16, 0.4)
        if bar % 6 == 3:
            song.hit("bird", bar, 1.5, 0.06, 0.7)
            song.hit("bird", bar, 1.75, 0.05, 0.75)
    return song.render(1.8, 0.28)


def world_canyon():
    dm, em, c, am = chord(50, "min7"), chord(52, "min"), chord(48, "maj"), chord(57, "min")
    g, f = chord(55, "maj"), chord(53, "maj")
    prog = [dm, em, dm, c] * 2 + [f, g, am, am, f, g, c, c] + [dm, em, dm, c] * 2 + [g, f, em, am]
    song = Song("music_track2", 96, prog, 301)
    writer = PhraseWriter(scale_notes(50, DORIAN), 62, 81, 302)
    pairs = [(RHYTHMS[5], RHYTHMS[0]), (RHYTHMS[2], RHYTHMS[3])]
    sections = [(b, pairs[(b // 4) % 2]) for b in range(0, song.bars, 4) if b >= 4]
    song.melody(lambda n, d: pluck(n, d, 0.75), writer, sections, 0.5, 0.2)
    counter = PhraseWriter(scale_notes(50, DORIAN), 57, 72, 303)
    song.melody(marimba, counter, [(b, (RHYTHMS[4], RHYTHMS[1])) for b in (8, 12, 24, 28)], 0.22, -0.4)
    groove = [0, 0.75, 1.5, 2.5, 3, 3.5]
    for bar, harmony in enumerate(prog):
        root = harmony[0] - 12
        for i, beat in enumerate(groove):
            note = root + (7 if i in (2, 4) else 0) + (12 if i == 5 else 0)
            song.play(bass, note, bar, beat, 0.6, 0.45)
        for note in harmony[:3]:
            song.play(pad, note, bar, 0, 4, 0.04, 0.0)
        for beat, kind, gain in ((0, "tom_low", 0.5), (0.75, "tom_high", 0.3), (1.5, "tom_high", 0.35),
                                 (2, "tom_low", 0.45), (2.75, "tom_high", 0.25), (3.5, "tom_low", 0.3)):
            song.hit(kind, bar, beat, gain, -0.2 if kind == "tom_low" else 0.3)
        for step in range(16):
            song.hit("shaker", bar, step * 0.25, 0.14 if step % 4 == 2 else 0.07, 0.45)
        song.hit("clap", bar, 3, 0.18, -0.1)
        if bar % 4 == 3:  # a tom fill closes each phrase
            for i, beat in enumerate((3.25, 3.5, 3.75)):
                song.hit("tom_high" if i < 2 else "tom_low", bar, beat, 0.3, 0.3 - 0.3 * i)
    return song.render(1.5, 0.24)


def world_caverns():
    am, f, c, g = chord(57, "min"), chord(53, "maj7"), chord(48, "maj"), chord(55, "maj")
    dm, em = chord(50, "min7"), chord(52, "min")
    prog = [am, f, c, g] * 2 + [dm, em, f, em, dm, f, em, em] + [am, f, c, g] * 2
    song = Song("music_track3", 84, prog, 401)
    writer = PhraseWriter(scale_notes(57, MINOR), 69, 88, 402)
    pairs = [(RHYTHMS[3], RHYTHMS[4]), (RHYTHMS[4], RHYTHMS[1])]
    sections = [(b, pairs[(b // 4) % 2]) for b in range(8, song.bars, 4)]
    song.melody(glass, writer, sections, 0.35, -0.1)
    for bar, harmony in enumerate(prog):
        root = harmony[0] - 24
        song.play(bass, root, bar, 0, 3.5, 0.55)
        for step in range(8):
            idx = (0, 1, 2, 1, 2, 0, 1, 2)[step]
            note = harmony[idx] + 12 + (12 if step in (4, 7) else 0)
            song.play(bell, note, bar, step * 0.5, 0.5, 0.12, 0.5 if step % 2 else -0.5)
        for note in harmony[:4]:
            song.play(pad, note - 12, bar, 0, 4, 0.06, 0.0)
        song.hit("kick", bar, 0, 0.35)
        if bar % 2 == 1:
            song.hit("kick", bar, 2.5, 0.2)
        for beat in (1.25, 3.75):
            if song.rng.uniform() < 0.5:
                song.hit("drip", bar, beat, 0.12, float(song.rng.uniform(-0.8, 0.8)))
        for step in range(8):
            song.hit("shaker", bar, step * 0.5, 0.05 if step % 2 else 0.08, 0.2)
        if bar % 8 == 0:  # high glass chord opening each section
            for i, note in enumerate(harmony[:3]):
                song.play(glass, note + 24, bar, 0.1 * i, 3, 0.08, -0.5 + 0.5 * i)
    return song.render(2.6, 0.35)


PIECES = {
    "music_title": title_theme,
    "music_track1": world_meadows,
    "music_track2": world_canyon,
    "music_track3": world_caverns,
}


def build_all(resources, work_dir):
    out_dir = os.path.join(resources, "music")
    os.makedirs(out_dir, exist_ok=True)
    for name, make in PIECES.items():
        A.write_ogg(make(), os.path.join(out_dir, name + ".ogg"), 1, work_dir)
    return list(PIECES)
