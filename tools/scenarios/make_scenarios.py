#!/usr/bin/env python3
"""Writes the seven scenario files of Corvanta into app/resources/.

Each scenario is built from crystal blocks (face-centred cubic, nearest
neighbours at the energy minimum of their pair) and random gas atoms, with
pair parameters chosen per material. The figures behind every choice were
measured with pavex-run; see the notes beside each scenario below.

usage: make_scenarios.py PAVEX_RUN [OUTPUT_FOLDER]

PAVEX_RUN is the pavex-run program of a build (build/bin/pavex-run): the
liquids are molten and settled by running the engine before they are written,
so every liquid starts as a liquid. OUTPUT_FOLDER defaults to app/resources.
The output is the same on every run with the same engine.
"""
import math
import os
import random
import subprocess
import sys
import tempfile

WALL_SKIN = 2048.0  # the walls push back within this distance of each face


def minimum_distance(pair):
    """Distance of the energy minimum of a pair (A, b, C, D)."""
    _, b, c, d = pair
    return math.sqrt(d * d - math.sqrt(b / 2.0) * (d * d - c * c))


def fcc_block(cells, spacing, origin):
    """Face-centred cubic sites: cells = (nx, ny, nz) cubes of edge
    spacing * sqrt(2), so nearest neighbours sit at spacing."""
    a = spacing * math.sqrt(2.0)
    basis = [(0, 0, 0), (0.5, 0.5, 0), (0.5, 0, 0.5), (0, 0.5, 0.5)]
    sites = []
    for iy in range(cells[1]):
        for ix in range(cells[0]):
            for iz in range(cells[2]):
                for bx, by, bz in basis:
                    sites.append((origin[0] + (ix + bx) * a, origin[1] + (iy + by) * a,
                                  origin[2] + (iz + bz) * a))
    return sites


def gas_sites(count, low, high, spacing, rng, taken=()):
    """Random sites in the region low..high, no two closer than spacing."""
    sites = []
    others = list(taken)
    for _ in range(1000 * count):
        if len(sites) == count:
            return sites
        p = tuple(rng.uniform(low[k], high[k]) for k in range(3))
        if all(sum((p[k] - q[k]) ** 2 for k in range(3)) >= spacing * spacing
               for q in others):
            sites.append(p)
            others.append(p)
    if len(sites) < count:
        raise RuntimeError("no room for %d gas atoms between %s and %s" % (count, low, high))
    return sites


def fmt(value):
    return ("%.3f" % value).rstrip("0").rstrip(".")


def write_scenario(path, temperature, gravity, box, pairs, atoms, masses_by_type):
    """atoms: list of (x, y, z, mass, type). pairs: (A, b, C, D) in the
    order (0,0), (1,0), (1,1). Lines end in CR LF."""
    types = len(masses_by_type)
    lines = [
        "Version = 1.0",
        "Number of atoms = %d" % len(atoms),
        "Number of types = %d" % types,
        "Temperature = %s" % fmt(temperature),
        "Gravity = %s" % fmt(gravity),
        "Timestep = 1",
        "Steps per run = 5",
        "box min dimensions = %s, %s, %s" % tuple(fmt(v) for v in box[:3]),
        "box max dimensions = %s, %s, %s" % tuple(fmt(v) for v in box[3:]),
    ]
    lines += ["Type %d has mass %s" % (t, fmt(m)) for t, m in enumerate(masses_by_type)]
    lines.append("Potential functions:")
    lines += ["%s, %s, %s, %s" % tuple(fmt(v) for v in pair) for pair in pairs]
    lines.append(" x, y, z, vx, vy, vz, mass, type")
    for k, (x, y, z, mass, atom_type) in enumerate(atoms):
        lines.append("%d, %s, %s, %s, 0, 0, 0, %s, %d" % (k, fmt(x), fmt(y), fmt(z), fmt(mass),
                                                         atom_type))
    lines.append("**** End Of File ****")
    with open(path, "w", newline="") as out:
        out.write("\r\n".join(lines) + "\r\n")


# Materials: pair parameters (A, b, C, D). With b = 1 the energy minimum lies
# at r0 = 1624 and the finite core (about 9.6 A at r = 0) stays far above what
# a site gains by merging two atoms, so dense phases keep their structure
# (with b = 2 they collapse). Every cut-off stays at 2048: the engine's
# neighbour search reaches about 2048 whatever the pair table says.
LIQUID = (4096.0, 1.0, 1412.0, 2048.0)   # well depth 1024, mass 1
CRYSTAL = (8192.0, 1.0, 1412.0, 2048.0)  # well depth 2048, mass 2: same vibration
                                         # frequency as the liquid, twice the melting point
WEAK = (256.0, 1.0, 1412.0, 2048.0)      # well depth 64: never condenses at these temperatures
CRYSTAL_MASS = 2.0
HARD_CRYSTAL = (16384.0, 1.0, 1412.0, 2048.0)  # well depth 4096, mass 4: again the same
HARD_CRYSTAL_MASS = 4.0                        # frequency, four times the liquid's melting point
SLIGHT = (1024.0, 1.0, 1412.0, 2048.0)   # well depth 256: a liquid resting on a crystal without
                                         # freezing onto it
R0 = minimum_distance(LIQUID)           # the same for all three


class Engine:
    """Runs pavex-run on a scenario and returns the final atom positions."""

    def __init__(self, pavex_run):
        self.pavex_run = pavex_run
        self.folder = tempfile.mkdtemp(prefix="corvanta-scenarios-")

    def run(self, temperature, gravity, box, pairs, atoms, masses, steps):
        scenario = os.path.join(self.folder, "stage.ams")
        trajectory = os.path.join(self.folder, "stage.xyz")
        write_scenario(scenario, temperature, gravity, box, pairs, atoms, masses)
        subprocess.run([self.pavex_run, scenario, "--steps", str(steps), "--every", str(steps),
                        "--xyz", trajectory], check=True, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)
        with open(trajectory) as xyz:
            lines = xyz.read().splitlines()
        count = int(lines[0])
        last = lines[-count:]
        return [tuple(float(v) for v in line.split()[1:4]) for line in last]


def liquid_body(engine, cells, box, gravity, temperature):
    """A face-centred block of the liquid material on the floor, molten at
    a high temperature and settled at the scenario's: a crystal heated just
    above its melting point stays a superheated crystal for a long time."""
    a = R0 * math.sqrt(2.0)
    origin = ((box[3] - cells[0] * a) / 2 + a / 4, box[1] + WALL_SKIN,
              (box[5] - cells[2] * a) / 2 + a / 4)
    atoms = [(x, y, z, 1.0, 0) for x, y, z in fcc_block(cells, R0, origin)]
    sites = engine.run(1000.0, gravity, box, [LIQUID], atoms, [1.0], 4000)
    atoms = [(x, y, z, 1.0, 0) for x, y, z in sites]
    return engine.run(temperature, gravity, box, [LIQUID], atoms, [1.0], 4000)


def crystal_slab(cells, box, lift=0.0):
    """A face-centred crystal of the crystal material, centred in x and z,
    its lowest layer at the inner edge of the floor's wall skin."""
    a = R0 * math.sqrt(2.0)
    origin = ((box[3] - cells[0] * a) / 2 + a / 4, WALL_SKIN + lift,
              (box[5] - cells[2] * a) / 2 + a / 4)
    return fcc_block(cells, R0, origin)


def surface_height(sites):
    """Height below which 95 % of the atoms lie: the top of a condensed body
    without the odd atom of its vapour."""
    heights = sorted(y for _, y, _ in sites)
    return heights[int(0.95 * (len(heights) - 1))]


def inner_region(box, floor=0.0):
    """The part of the box the walls leave free, from height floor up."""
    low = (box[0] + WALL_SKIN, max(box[1] + WALL_SKIN, floor), box[2] + WALL_SKIN)
    high = (box[3] - WALL_SKIN, box[4] - WALL_SKIN, box[5] - WALL_SKIN)
    return low, high


def gas(count, box, rng, floor=0.0, taken=()):
    low, high = inner_region(box, floor)
    return gas_sites(count, low, high, R0, rng, taken)


# Each scenario: (temperature, gravity, box, pairs, atoms as (x, y, z, mass,
# type), mass per type). The temperature is both the set-point and the
# clamp's target for the mean kinetic energy per atom.

def solid(engine, rng):
    """A crystal at a quarter of its well depth per atom: kicks by the
    time-of-day control (mean kinetic energy 380-475) stay far from melting."""
    box = (0.0, 0.0, 0.0, 32000.0, 24000.0, 22000.0)
    atoms = [(x, y, z, CRYSTAL_MASS, 0) for x, y, z in crystal_slab((6, 5, 6), box)]
    return 300.0, 0.05, box, [CRYSTAL], atoms, [CRYSTAL_MASS]


def liquid(engine, rng):
    """A molten drop resting on the floor; at 550 it diffuses freely and
    hardly evaporates."""
    box = (0.0, 0.0, 0.0, 32000.0, 24000.0, 22000.0)
    sites = liquid_body(engine, (7, 4, 7), box, 0.05, 700.0)
    return 700.0, 0.05, box, [LIQUID], [(x, y, z, 1.0, 0) for x, y, z in sites], [1.0]


def gas_only(engine, rng):
    """Weakly attracting atoms far apart; gravity small enough that the gas
    fills the height of the box (its scale height is ten times the box's)."""
    box = (0.0, 0.0, 0.0, 36000.0, 27000.0, 24000.0)
    atoms = [(x, y, z, 1.0, 0) for x, y, z in gas(500, box, rng)]
    return 600.0, 0.005, box, [WEAK], atoms, [1.0]


def gas_gas(engine, rng):
    """A light gas over a heavy one (mass 4): they mix by diffusion, but
    gravity keeps the heavy gas low (its scale height is a quarter of the
    light one's)."""
    box = (0.0, 0.0, 0.0, 36000.0, 27000.0, 24000.0)
    low, high = inner_region(box)
    middle = (low[1] + high[1]) / 2
    heavy = gas_sites(300, low, (high[0], middle, high[2]), R0, rng)
    light = gas_sites(300, (low[0], middle, low[2]), high, R0, rng)
    atoms = [(x, y, z, 1.0, 0) for x, y, z in light] + [(x, y, z, 4.0, 1) for x, y, z in heavy]
    return 600.0, 0.02, box, [WEAK, WEAK, WEAK], atoms, [1.0, 4.0]


def liquid_gas(engine, rng):
    """A drop of liquid on the floor under a gas that hardly attracts it."""
    box = (0.0, 0.0, 0.0, 32000.0, 24000.0, 22000.0)
    sites = liquid_body(engine, (7, 3, 7), box, 0.02, 700.0)
    top = surface_height(sites) + R0
    atoms = [(x, y, z, 1.0, 0) for x, y, z in sites]
    atoms += [(x, y, z, 1.0, 1) for x, y, z in gas(250, box, rng, top, sites)]
    return 700.0, 0.02, box, [LIQUID, WEAK, WEAK], atoms, [1.0, 1.0]


def solid_liquid(engine, rng):
    """A liquid resting on a crystal slab. Where the two attracted each other
    as strongly as the liquid attracts itself, the liquid's lowest layers
    froze onto the crystal, whose sites match its own spacing: over 5,000-step
    windows only about half of its atoms moved half a bond length. With a
    slight attraction between them every liquid atom keeps moving (over 95 %
    per window) and the liquid rests on the crystal as a flat drop. The hard
    crystal, at under a third of its melting point, vibrates in place (under
    1 % of its atoms move), also where the liquid touches it."""
    box = (0.0, 0.0, 0.0, 28000.0, 24000.0, 18000.0)
    slab = crystal_slab((10, 2, 6), box)
    # The liquid is molten in the space above the slab, whose floor lies one
    # neighbour distance above the slab's top layer.
    above = (box[0], max(y for _, y, _ in slab) + R0 - WALL_SKIN) + box[2:]
    body = liquid_body(engine, (6, 3, 6), above, 0.05, 750.0)
    atoms = [(x, y, z, HARD_CRYSTAL_MASS, 0) for x, y, z in slab]
    atoms += [(x, y, z, 1.0, 1) for x, y, z in body]
    return (750.0, 0.05, box, [HARD_CRYSTAL, SLIGHT, LIQUID], atoms,
            [HARD_CRYSTAL_MASS, 1.0])


def solid_gas(engine, rng):
    """A crystal on the floor in a gas that hardly attracts it."""
    box = (0.0, 0.0, 0.0, 32000.0, 24000.0, 22000.0)
    block = crystal_slab((6, 4, 6), box)
    atoms = [(x, y, z, CRYSTAL_MASS, 0) for x, y, z in block]
    atoms += [(x, y, z, 1.0, 1) for x, y, z in gas(300, box, rng, 0.0, block)]
    return 400.0, 0.01, box, [CRYSTAL, WEAK, WEAK], atoms, [CRYSTAL_MASS, 1.0]


SCENARIOS = {
    "solid.ams": solid,
    "liquid.ams": liquid,
    "gas.ams": gas_only,
    "gas-gas.ams": gas_gas,
    "liquid-gas.ams": liquid_gas,
    "solid-liquid.ams": solid_liquid,
    "solid-gas.ams": solid_gas,
}


def main(argv):
    if len(argv) < 2 or len(argv) > 3:
        sys.exit(__doc__)
    engine = Engine(os.path.abspath(argv[1]))
    here = os.path.dirname(os.path.abspath(__file__))
    folder = argv[2] if len(argv) == 3 else os.path.join(here, "..", "..", "app", "resources")
    for name, build in SCENARIOS.items():
        rng = random.Random(name)
        temperature, gravity, box, pairs, atoms, masses = build(engine, rng)
        write_scenario(os.path.join(folder, name), temperature, gravity, box, pairs, atoms, masses)
        print("%-17s %5d atoms" % (name, len(atoms)))


if __name__ == "__main__":
    main(sys.argv)
