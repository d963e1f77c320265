#!/usr/bin/env python3
"""Writes the seven scenario files of Corvanta into app/resources/, each with
its material card (X.card beside X.ams).

Each scenario is built from crystal blocks (face-centred cubic, nearest
neighbours at the energy minimum of their pair) and random gas atoms. Every
material stands for a real substance (water, quartz, nitrogen, oxygen): its
pair depth puts the model's melting point near the real one, and the masses
of a file stand in the ratio of the real molar masses. The card names the
substances, their real melting and boiling points with the source, the
model's melting point and the real size of the length and mass units. The
figures behind every choice were measured with pavex-run and
bench/melting_point; see docs/materials.md and the notes below.

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


def fmt_mass(value):
    """Masses keep six significant digits: the masses of two materials stand
    in the ratio of their real molar masses."""
    return "%.6g" % value


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
    lines += ["Type %d has mass %s" % (t, fmt_mass(m)) for t, m in enumerate(masses_by_type)]
    lines.append("Potential functions:")
    lines += ["%s, %s, %s, %s" % tuple(fmt(v) for v in pair) for pair in pairs]
    lines.append(" x, y, z, vx, vy, vz, mass, type")
    for k, (x, y, z, mass, atom_type) in enumerate(atoms):
        lines.append("%d, %s, %s, %s, 0, 0, 0, %s, %d" % (k, fmt(x), fmt(y), fmt(z), fmt_mass(mass),
                                                         atom_type))
    lines.append("**** End Of File ****")
    with open(path, "w", newline="") as out:
        out.write("\r\n".join(lines) + "\r\n")


# Every material is a real substance. The engine's energy unit is the kelvin
# (Boltzmann's constant is 1), and every pair has b = 1, C = 1412, D = 2048:
# with b = 1 the energy minimum lies at r0 = 1624 and the finite core (about
# 9.6 A at r = 0) stays far above what a site gains by merging two atoms, so
# dense phases keep their structure (with b = 2 they collapse), and the
# engine's neighbour search reaches about 2048 whatever the pair table says.
# At these b, C and D the melting point is proportional to the depth A:
# bench/melting_point, a crystal block of 600 atoms beside its melt, finds
# 0.131 A (nitrogen 0.1316, oxygen 0.1317, quartz 0.1306). That holds while
# A / m stays at or below about 2048: stiffer or lighter, the time step of 1
# is coarse for the vibration, the kinetic temperature reads low, and the
# crystal melts at a lower reading (0.126 A at A / m = 4096, 0.120 A at 4160).
# So every condensed material keeps A / m at or below 2048, and A is the
# melting point aimed at over 0.131: water a little below its real melting
# point, as it must stay liquid at 273 K (see docs/materials.md).
# With one length unit of 0.2 pm, r0 = 1624 is 3.25 angstrom.
LENGTH_UNIT = "0.2 pm"
CRC = ("CRC Handbook of Chemistry and Physics, 97th ed. (2016), "
       "Physical Constants of Inorganic Compounds")
IAPWS = ("IAPWS R6-95(2018), IAPWS Formulation 1995 for the Thermodynamic Properties of "
         "Ordinary Water Substance")
NIST = "NIST Chemistry WebBook, NIST Standard Reference Database 69, Fluid Properties"


class StatePoint:
    """A real substance's triple or critical point: kelvin, kilopascals and
    the source that gives them."""

    def __init__(self, kelvin, kilopascals, source):
        self.kelvin = kelvin
        self.kilopascals = kilopascals
        self.source = source


class Material:
    """A real substance: its name, a chemical symbol for trajectory viewers,
    its molar mass (u), real melting and boiling points (K, None where the
    source gives none), the model's pair depth A, the melting point
    measured for that A with bench/melting_point (K), and the real triple
    and critical points (StatePoint, None where no source gives one; then
    `missing` says why, as a comment on the card)."""

    def __init__(self, name, symbol, molar_mass, melting, boiling, depth, model_melting,
                 triple=None, critical=None, missing=None):
        self.name = name
        self.symbol = symbol
        self.molar_mass = molar_mass
        self.melting = melting
        self.boiling = boiling
        self.pair = (depth, 1.0, 1412.0, 2048.0)
        self.model_melting = model_melting
        self.triple = triple
        self.critical = critical
        self.missing = missing


WATER = Material("water", "O", 18.015, 273.15, 373.12, 2020.0, 268,
                 StatePoint(273.16, 0.611657, IAPWS), StatePoint(647.096, 22064.0, IAPWS))
# Silica's liquid-vapour critical point lies far beyond what has been
# measured (only theoretical estimates exist), and neither the CRC Handbook
# nor the NIST WebBook gives its triple point: the card gives neither.
QUARTZ = Material("quartz", "Si", 60.08, 1986.0, None, 15360.0, 2006,
                  missing="No measured triple point or liquid-vapour critical point of silica "
                          "is given by the CRC Handbook or the NIST WebBook: the card gives none.")
NITROGEN = Material("nitrogen", "N", 28.014, 63.15, 77.36, 488.0, 64,
                    StatePoint(63.151, 12.52, NIST), StatePoint(126.192, 3395.8, NIST))
OXYGEN = Material("oxygen", "O", 31.998, 54.36, 90.19, 420.0, 55,
                  StatePoint(54.361, 0.14633, NIST), StatePoint(154.581, 5043.0, NIST))


def cross(depth):
    return (depth, 1.0, 1412.0, 2048.0)


# Pairs between two materials. Water rests on quartz with a slight attraction
# (a quarter of water's own): as strong as water's own, its lowest layers froze
# onto the crystal, whose sites match its spacing. A gas hardly attracts a
# condensed phase. Nitrogen and oxygen attract each other as the geometric mean
# of their own depths.
WATER_ON_QUARTZ = cross(WATER.pair[0] / 4.0)
GAS_ON_CONDENSED = cross(128.0)
NITROGEN_OXYGEN = cross(round(math.sqrt(NITROGEN.pair[0] * OXYGEN.pair[0])))

R0 = minimum_distance(WATER.pair)  # the same for every pair

# The room temperature of the files: the clamp drives the mean kinetic energy
# per atom to the file's temperature, so the atoms settle at 2/3 of it, 296 K.
ROOM = 444.0


def masses_for(materials, first_mass):
    """Engine masses in the ratio of the real molar masses, the first
    material's being first_mass: one mass unit per file."""
    unit = materials[0].molar_mass / first_mass
    return [m.molar_mass / unit for m in materials]


# Engine masses. A condensed material vibrates with a frequency per step of
# sqrt(A / m); A / m stays at or below 2048 (see above): water 1.0 alone
# (2020), quartz 7.5 in every file (2048). Quartz also needs it beside a gas
# or liquid: at A / m = 4096 or 5120 its crystal gains energy from the
# integrator faster than it hands it on through the weak pairs, so the clamp,
# which scales all atoms alike, kept the crystal near 375 K and cooled the
# nitrogen of solid-gas.ams to 130 K and below, where it froze onto the rock,
# and froze the water of solid-liquid.ams; at 2048 both keep moving. The
# other material of a file follows from the ratio of the real molar masses
# (water 2.25 beside quartz, nitrogen 3.50 beside quartz, 1.56 beside water).
# A gas's speed sqrt(3T / m) stays at or below about 34 length units per step
# at 296 K (nitrogen 0.75 alone): a much lighter gas crosses the 600-unit
# force range in too few steps.
QUARTZ_MASS = 7.5
WATER_ALONE = 1.0
NITROGEN_ALONE = 0.75


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


def liquid_body(engine, material, mass, cells, box, gravity, temperature):
    """A face-centred block of a liquid on the floor, molten at a high
    temperature and settled at the scenario's: a crystal heated just above its
    melting point stays a superheated crystal for a long time. The block is
    molten inside walls around its own volume: in the open box it would boil
    away and the settled liquid would be a fog of droplets (these liquids
    evaporate at about 1.1 to 1.5 times their melting point)."""
    a = R0 * math.sqrt(2.0)
    origin = ((box[3] - cells[0] * a) / 2 + a / 4, box[1] + WALL_SKIN,
              (box[5] - cells[2] * a) / 2 + a / 4)
    atoms = [(x, y, z, mass, 0) for x, y, z in fcc_block(cells, R0, origin)]
    confined = (origin[0] - a / 4 - WALL_SKIN, box[1], origin[2] - a / 4 - WALL_SKIN,
                origin[0] + (cells[0] - 0.25) * a + WALL_SKIN,
                origin[1] + (cells[1] - 0.25) * a + WALL_SKIN,
                origin[2] + (cells[2] - 0.25) * a + WALL_SKIN)
    # Twice the melting point as measured temperature; the clamp's target is
    # 3/2 of that.
    hot = 1.5 * 2.0 * material.model_melting
    sites = engine.run(hot, gravity, confined, [material.pair], atoms, [mass], 4000)
    # Cooled to the scenario's temperature still inside the walls: released
    # hot, the compressed melt would burst into a spray.
    sites = engine.run(temperature, gravity, confined, [material.pair],
                       [(x, y, z, mass, 0) for x, y, z in sites], [mass], 3000)
    return engine.run(temperature, gravity, box, [material.pair],
                      [(x, y, z, mass, 0) for x, y, z in sites], [mass], 6000)


def crystal_slab(cells, box, lift=0.0):
    """A face-centred crystal of the crystal material, centred in x and z,
    its lowest layer at the inner edge of the floor's wall skin."""
    a = R0 * math.sqrt(2.0)
    origin = ((box[3] - cells[0] * a) / 2 + a / 4, WALL_SKIN + lift,
              (box[5] - cells[2] * a) / 2 + a / 4)
    return fcc_block(cells, R0, origin)


def surface_height(sites):
    """Height below which 80 % of the atoms lie: the top of a condensed body
    without its vapour (water at room temperature, 1.1 times its melting point
    here, keeps about a tenth of its atoms as vapour in these boxes)."""
    heights = sorted(y for _, y, _ in sites)
    return heights[int(0.80 * (len(heights) - 1))]


def inner_region(box, floor=0.0):
    """The part of the box the walls leave free, from height floor up."""
    low = (box[0] + WALL_SKIN, max(box[1] + WALL_SKIN, floor), box[2] + WALL_SKIN)
    high = (box[3] - WALL_SKIN, box[4] - WALL_SKIN, box[5] - WALL_SKIN)
    return low, high


def gas(count, box, rng, floor=0.0, taken=()):
    low, high = inner_region(box, floor)
    return gas_sites(count, low, high, R0, rng, taken)


# Each scenario: (temperature, gravity, box, pairs, atoms as (x, y, z, mass,
# type), mass per type, material per type). The temperature is both the
# set-point and the clamp's target for the mean kinetic energy per atom.
# Gravity: a liquid rests on the floor at any of these; a gas fills the box
# when its scale height T / (g m) is several times the box's height.

def solid(engine, rng):
    """Quartz rock at room temperature, a seventh of its melting point: kicks
    by the time-of-day control (255-317 K) stay far from melting."""
    box = (0.0, 0.0, 0.0, 32000.0, 24000.0, 22000.0)
    atoms = [(x, y, z, QUARTZ_MASS, 0) for x, y, z in crystal_slab((6, 5, 6), box)]
    return ROOM, 0.05, box, [QUARTZ.pair], atoms, [QUARTZ_MASS], [QUARTZ]


def liquid(engine, rng):
    """A drop of water resting on the floor at room temperature."""
    box = (0.0, 0.0, 0.0, 32000.0, 24000.0, 22000.0)
    sites = liquid_body(engine, WATER, WATER_ALONE, (7, 4, 7), box, 0.05, ROOM)
    return (ROOM, 0.05, box, [WATER.pair], [(x, y, z, WATER_ALONE, 0) for x, y, z in sites],
            [WATER_ALONE], [WATER])


def gas_only(engine, rng):
    """Air as nitrogen at room temperature, far above its boiling point;
    gravity small enough that it fills the height of the box (its scale height
    is seven times the box's)."""
    box = (0.0, 0.0, 0.0, 36000.0, 27000.0, 24000.0)
    atoms = [(x, y, z, NITROGEN_ALONE, 0) for x, y, z in gas(500, box, rng)]
    return ROOM, 0.002, box, [NITROGEN.pair], atoms, [NITROGEN_ALONE], [NITROGEN]


def gas_gas(engine, rng):
    """Nitrogen over oxygen, started apart: they mix by diffusion (their
    masses differ by only 14 %, so gravity hardly sorts them)."""
    box = (0.0, 0.0, 0.0, 36000.0, 27000.0, 24000.0)
    low, high = inner_region(box)
    middle = (low[1] + high[1]) / 2
    masses = masses_for([NITROGEN, OXYGEN], NITROGEN_ALONE)
    heavy = gas_sites(300, low, (high[0], middle, high[2]), R0, rng)
    light = gas_sites(300, (low[0], middle, low[2]), high, R0, rng)
    atoms = ([(x, y, z, masses[0], 0) for x, y, z in light] +
             [(x, y, z, masses[1], 1) for x, y, z in heavy])
    return (ROOM, 0.002, box, [NITROGEN.pair, NITROGEN_OXYGEN, OXYGEN.pair], atoms, masses,
            [NITROGEN, OXYGEN])


def liquid_gas(engine, rng):
    """A drop of water on the floor under air (nitrogen) that hardly
    attracts it. Gravity 0.005: the nitrogen's scale height is four times the
    box's, and the drop, some 15,000 units across, rests on the floor a little
    flattened (in a weaker pull it stands as a ball)."""
    box = (0.0, 0.0, 0.0, 32000.0, 24000.0, 22000.0)
    masses = masses_for([WATER, NITROGEN], WATER_ALONE)
    sites = liquid_body(engine, WATER, masses[0], (7, 3, 7), box, 0.005, ROOM)
    top = surface_height(sites) + R0
    atoms = [(x, y, z, masses[0], 0) for x, y, z in sites]
    atoms += [(x, y, z, masses[1], 1) for x, y, z in gas(250, box, rng, top, sites)]
    return (ROOM, 0.005, box, [WATER.pair, GAS_ON_CONDENSED, NITROGEN.pair], atoms, masses,
            [WATER, NITROGEN])


def solid_liquid(engine, rng):
    """Water resting on a quartz slab. Where the two attracted each other as
    strongly as water attracts itself, water's lowest layers froze onto the
    crystal, whose sites match its own spacing; with a slight attraction every
    water atom keeps moving and the water rests on the crystal as a flat drop.
    Quartz, at a seventh of its melting point, vibrates in place, also where
    the water touches it."""
    box = (0.0, 0.0, 0.0, 28000.0, 24000.0, 18000.0)
    masses = masses_for([QUARTZ, WATER], QUARTZ_MASS)
    slab = crystal_slab((10, 2, 6), box)
    # The water is molten in the space above the slab, whose floor lies one
    # neighbour distance above the slab's top layer.
    above = (box[0], max(y for _, y, _ in slab) + R0 - WALL_SKIN) + box[2:]
    body = liquid_body(engine, WATER, masses[1], (6, 3, 6), above, 0.05, ROOM)
    atoms = [(x, y, z, masses[0], 0) for x, y, z in slab]
    atoms += [(x, y, z, masses[1], 1) for x, y, z in body]
    return (ROOM, 0.05, box, [QUARTZ.pair, WATER_ON_QUARTZ, WATER.pair], atoms, masses,
            [QUARTZ, WATER])


def solid_gas(engine, rng):
    """A quartz rock on the floor in air (nitrogen) that hardly attracts it."""
    box = (0.0, 0.0, 0.0, 32000.0, 24000.0, 22000.0)
    masses = masses_for([QUARTZ, NITROGEN], QUARTZ_MASS)
    block = crystal_slab((6, 4, 6), box)
    atoms = [(x, y, z, masses[0], 0) for x, y, z in block]
    atoms += [(x, y, z, masses[1], 1) for x, y, z in gas(300, box, rng, 0.0, block)]
    return (ROOM, 0.003, box, [QUARTZ.pair, GAS_ON_CONDENSED, NITROGEN.pair], atoms, masses,
            [QUARTZ, NITROGEN])


def write_card(path, scenario, masses, materials):
    """The material card beside a scenario file: the real substance of every
    material type and the real size of the length and mass units. The mass
    unit is the first material's molar mass over its engine mass."""
    lines = [
        "# Material card of %s: the real substance behind each material" % scenario,
        '# and the real size of the model\'s units. Lines are "key = value"; "#" starts a comment.',
        "length unit = %s" % LENGTH_UNIT,
        "mass unit = %.4g u" % (materials[0].molar_mass / masses[0]),
    ]
    for number, material in enumerate(materials):
        lines += ["", "material %d" % number, "name = %s" % material.name,
                  "symbol = %s" % material.symbol,
                  "melting point = %s K" % fmt(material.melting),
                  "melting point source = %s" % CRC]
        if material.boiling is not None:
            lines += ["boiling point = %s K" % fmt(material.boiling),
                      "boiling point source = %s" % CRC]
        lines.append("model melting point = %d K" % material.model_melting)
        for key, point in (("triple point", material.triple),
                           ("critical point", material.critical)):
            if point is not None:
                lines += ["%s = %.6g K, %.6g kPa" % (key, point.kelvin, point.kilopascals),
                          "%s source = %s" % (key, point.source)]
        if material.missing:
            lines.append("# " + material.missing)
    with open(path, "w", newline="") as out:
        out.write("\n".join(lines) + "\n")


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
        temperature, gravity, box, pairs, atoms, masses, materials = build(engine, rng)
        write_scenario(os.path.join(folder, name), temperature, gravity, box, pairs, atoms, masses)
        write_card(os.path.join(folder, name[:-len(".ams")] + ".card"), name, masses, materials)
        print("%-17s %5d atoms, %s" % (name, len(atoms), ", ".join(m.name for m in materials)))


if __name__ == "__main__":
    main(sys.argv)
