#!/usr/bin/env python3
"""Builds the damaged Library and Module files of tests/fixtures/bad/ from good ones.

    scripts/make-bad-files.py           writes the files
    scripts/make-bad-files.py --check   exits 1 when a committed file differs

The good Module file tests/fixtures/model/movement.vtm is parsed into a tree of archive
objects (and written back byte for byte, as a check of this script's archive writer). A good
Library is built around that Module and a second one; it is kept as good-library.vtl. Every
other file is one of the two with a single, named damage, made either by changing the tree
before writing it or by changing the written bytes at a field whose place the writer noted.
"""

import os
import struct
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
GOOD_MODULE = os.path.join(ROOT, "tests", "fixtures", "model", "movement.vtm")
OUT = os.path.join(ROOT, "tests", "fixtures", "bad")

SCHEMA = 2
NODE_TAIL = {  # the fields each node class writes after the node record
    "CVObList": [("list_type", "I")],
    "CVCommand": [("description", "s"), ("param_type", "i"), ("image", "i"),
                  ("int_min", "h"), ("int_max", "h"), ("real_min", "f"), ("real_max", "f")],
    "CVBind": [("key", "H")],
    "CVAliasActSub": [],
    "CVConfig": [("author", "s"), ("module_reserved", "I")],
}
NODE_TAIL["CVAlias"] = NODE_TAIL["CVCommand"]
NODE_TAIL["CVAliasAct"] = NODE_TAIL["CVCommand"]
FRAGMENT = [("command", "s"), ("param", "s"), ("flags", "I"), ("reserved", "I"),
            ("param_type", "i"), ("image", "i"), ("int_min", "h"), ("int_max", "h"),
            ("real_min", "f"), ("real_max", "f")]


class Obj:
    """One archive object: its class name and its fields (children and fragments are lists
    of Obj; a Game's `modules` are position numbers)."""

    def __init__(self, cls, **fields):
        self.cls = cls
        self.f = fields


class BackRef:
    """A reference to an object already written, in place of a new object."""

    def __init__(self, target):
        self.target = target


class Raw:
    """Bytes written as they are where an object reference belongs."""

    def __init__(self, data):
        self.data = data


# --- Writing ---------------------------------------------------------------------------------

class Writer:
    def __init__(self):
        self.out = bytearray()
        self.next_index = 1
        self.classes = {}
        self.objects = {}
        self.marks = {}  # label -> offset where the field starts

    def mark(self, label):
        self.marks[label] = len(self.out)

    def u8(self, v):
        self.out += struct.pack("<B", v)

    def put(self, code, v):
        if code == "s":
            self.string(v)
        else:
            self.out += struct.pack("<" + code, v)

    def string(self, s):
        n = len(s)
        if n < 255:
            self.out += struct.pack("<B", n)
        elif n < 65534:
            self.out += struct.pack("<BH", 0xFF, n)
        else:
            self.out += struct.pack("<BHI", 0xFF, 0xFFFF, n)
        self.out += s

    def tag(self, index, is_class):
        if index < 0x7FFF:
            self.out += struct.pack("<H", index | (0x8000 if is_class else 0))
        else:
            self.out += struct.pack("<HI", 0x7FFF, index | (0x80000000 if is_class else 0))

    def ref(self, o, label):
        self.mark(label)
        if o is None:
            self.out += struct.pack("<H", 0)
            return
        if isinstance(o, Raw):
            self.out += o.data
            return
        if isinstance(o, BackRef):
            self.tag(self.objects[id(o.target)], False)
            return
        if o.cls in self.classes:
            self.tag(self.classes[o.cls], True)
        else:
            name = o.cls.encode()
            self.out += struct.pack("<HHH", 0xFFFF, SCHEMA, len(name)) + name
            self.classes[o.cls] = self.take()
        self.objects[id(o)] = self.take()
        self.record(o, label)

    def take(self):
        index = self.next_index
        self.next_index += 1
        return index

    def record(self, o, label):
        self.mark(label + ".record")
        if o.cls == "CCmdFrag":
            self.fields(o, FRAGMENT, label)
        elif o.cls == "CScript":
            self.fields(o, [("name", "s"), ("file", "s"), ("save", "I")], label)
            self.mark(label + ".module_count")
            self.put("i", len(o.f["modules"]))
            for i, m in enumerate(o.f["modules"]):
                self.mark("%s.module%d" % (label, i))
                self.put("I", m)
        else:
            self.fields(o, [("name", "s"), ("flags", "I"), ("reserved", "I")], label)
            self.mark(label + ".child_count")
            self.put("i", o.f.get("child_count", len(o.f["children"])))
            for i, c in enumerate(o.f["children"]):
                self.ref(c, "%s/%d" % (label, i))
            self.mark(label + ".fragment_count")
            self.put("i", o.f.get("fragment_count", len(o.f["fragments"])))
            for i, c in enumerate(o.f["fragments"]):
                self.ref(c, "%s/f%d" % (label, i))
            self.fields(o, NODE_TAIL[o.cls], label)

    def fields(self, o, layout, label):
        for name, code in layout:
            self.mark("%s.%s" % (label, name))
            self.put(code, o.f[name])


# --- Reading (enough for the good Module file) -------------------------------------------------

class Reader:
    def __init__(self, data):
        self.data = data
        self.pos = 0
        self.entries = []  # index i is entries[i - 1]: ("class", name) or ("object", Obj)

    def get(self, code):
        if code == "s":
            return self.string()
        size = struct.calcsize("<" + code)
        (v,) = struct.unpack_from("<" + code, self.data, self.pos)
        self.pos += size
        return v

    def string(self):
        n = self.get("B")
        if n == 0xFF:
            n = self.get("H")
            if n == 0xFFFF:
                n = self.get("I")
        s = self.data[self.pos:self.pos + n]
        self.pos += n
        return s

    def ref(self):
        tag = self.get("H")
        if tag == 0:
            return None
        if tag == 0xFFFF:
            self.get("H")
            n = self.get("H")
            cls = self.data[self.pos:self.pos + n].decode()
            self.pos += n
            self.entries.append(("class", cls))
        elif tag & 0x8000:
            cls = self.entries[(tag & 0x7FFF) - 1][1]
        else:
            raise ValueError("unexpected back-reference in the good file")
        o = Obj(cls)
        self.entries.append(("object", o))
        self.record(o)
        return o

    def record(self, o):
        if o.cls == "CCmdFrag":
            self.fields(o, FRAGMENT)
            return
        self.fields(o, [("name", "s"), ("flags", "I"), ("reserved", "I")])
        o.f["children"] = [self.ref() for _ in range(self.get("i"))]
        o.f["fragments"] = [self.ref() for _ in range(self.get("i"))]
        self.fields(o, NODE_TAIL[o.cls])

    def fields(self, o, layout):
        for name, code in layout:
            o.f[name] = self.get(code)


def write_module_file(module):
    w = Writer()
    w.record(module, "m")
    return bytes(w.out), w.marks


def write_library(head, modules, games):
    w = Writer()
    for name, code in [("folder", "s"), ("reserved", "I"), ("write_all", "I"),
                       ("game_width", "i"), ("module_width", "i")]:
        w.mark(name)
        w.put(code, head[name])
    w.mark("module_count")
    w.put("i", head.get("module_count", len(modules)))
    w.mark("game_count")
    w.put("i", head.get("game_count", len(games)))
    for i, m in enumerate(modules):
        w.ref(m, "m%d" % i)
    for i, g in enumerate(games):
        w.ref(g, "g%d" % i)
    return bytes(w.out), w.marks


# --- The good files ------------------------------------------------------------------------

def node(cls, name, children=(), fragments=(), flags=0, **tail):
    return Obj(cls, name=name, flags=flags, reserved=0, children=list(children),
               fragments=list(fragments), **tail)


def fragment(command, param=b"", param_type=8, image=8, flags=0):
    return Obj("CCmdFrag", command=command, param=param, flags=flags, reserved=0,
               param_type=param_type, image=image, int_min=0, int_max=1000, real_min=0.0,
               real_max=1.0)


def command_tail(description=b"", param_type=1, image=7, int_min=0, int_max=1000):
    return dict(description=description, param_type=param_type, image=image, int_min=int_min,
                int_max=int_max, real_min=0.0, real_max=1.0)


def lists(definitions=(), aliases=(), binds=(), startups=()):
    return [node("CVObList", b"Definitions", definitions, list_type=17),
            node("CVObList", b"Aliases", aliases, list_type=18),
            node("CVObList", b"Binds", binds, list_type=19),
            node("CVObList", b"Startups", (), startups, list_type=20)]


def weapons_module():
    """A second Module: a long description (the WORD string form), a user-defined command
    that names a Definition, an Action Alias, a Bind and two startup commands."""
    return node(
        "CVConfig", b"Weapons",
        lists(definitions=[node("CVCommand", b"impulse", **command_tail(b"weapon", 4, 4, 0, 255))],
              aliases=[node("CVAlias", b"rocket", (), [fragment(b"impulse", b"7"),
                                                      fragment(b"echo", b"Rocket")],
                            **command_tail(b"x" * 300)),
                       node("CVAliasAct", b"fire",
                            [node("CVAliasActSub", b"+fire", (), [fragment(b"attack", b"1", 2, 1)],
                                  flags=0x100),
                             node("CVAliasActSub", b"-fire", (), [fragment(b"attack", b"0", 2, 1)])],
                            **command_tail(b"", 2))],
              binds=[node("CVBind", b"mouse1", (), [fragment(b"fire", b"1", 2, 1)], key=0x200)],
              startups=[fragment(b"cl_bob", b"0"), fragment(b"echo", b"Ready")]),
        author=b"Bo", module_reserved=1)


def game(name, file, save, modules):
    return Obj("CScript", name=name, file=file, save=save, modules=list(modules))


def library_parts():
    with open(GOOD_MODULE, "rb") as f:
        movement = Reader(f.read())
    module = Obj("CVConfig")
    movement.record(module)
    head = dict(folder=b"/games/quake", reserved=0, write_all=1, game_width=160, module_width=0)
    games = [game(b"DM", b"/games/quake/dm.cfg", 1, [1, 0]), game(b"Coop", b"", 0, [1])]
    return head, [module, weapons_module()], games


# --- The damaged files ---------------------------------------------------------------------

def cut(data, at):
    return data[:at]


def splice(data, at, old_size, new):
    return data[:at] + new + data[at + old_size:]


def dword(v):
    return struct.pack("<I", v & 0xFFFFFFFF)


def nested(depth):
    inner = node("CVAlias", b"deep", **command_tail())
    for _ in range(depth):
        inner = node("CVAlias", b"deep", [inner], **command_tail())
    return inner


def bad_files():
    """(file name, bytes) of every damaged file, good files first."""
    with open(GOOD_MODULE, "rb") as f:
        module_bytes = f.read()
    head, modules, games = library_parts()
    module_again, mod_marks = write_module_file(modules[0])
    if module_again != module_bytes:
        raise SystemExit("the archive writer does not reproduce " + GOOD_MODULE)
    good, marks = write_library(head, modules, games)
    files = [("good-library.vtl", good)]

    def lib(change):
        h, m, g = library_parts()
        change(h, m, g)
        return write_library(h, m, g)[0]

    def mod(change):
        m = library_parts()[1][0]
        change(m)
        return write_module_file(m)[0]

    def alias_list(m):
        return m.f["children"][1].f["children"]

    # The Library head: one file per field, cut inside it or given an impossible value.
    files += [
        ("lib-empty.vtl", b""),
        ("lib-folder-length.vtl", splice(good, 0, 1 + len(head["folder"]),
                                         b"\xff\xff\xff" + dword(0x7FFFFFF0) + head["folder"])),
        ("lib-cut-reserved.vtl", cut(good, marks["reserved"] + 2)),
        ("lib-cut-write-all.vtl", cut(good, marks["write_all"] + 3)),
        ("lib-cut-game-width.vtl", cut(good, marks["game_width"] + 1)),
        ("lib-cut-module-width.vtl", cut(good, marks["module_width"] + 2)),
        ("lib-cut-module-count.vtl", cut(good, marks["module_count"] + 3)),
        ("lib-cut-game-count.vtl", cut(good, marks["game_count"] + 1)),
        ("lib-module-count-huge.vtl", splice(good, marks["module_count"], 4, dword(0x7FFFFFFF))),
        ("lib-game-count-huge.vtl", splice(good, marks["game_count"], 4, dword(0x00FFFFFF))),
    ]
    # Strings and class descriptors.
    name_at = marks["m0.name"]
    files += [
        ("lib-string-length.vtl", splice(good, name_at, 1, b"\xff\xff\xff" + dword(0x10000000))),
        ("lib-wide-length-overflow.vtl",
         splice(good, name_at, 1 + 8, b"\xff\xfe\xff\xff\xff\xff" + dword(0x80000001))),
        ("lib-class-name-empty.vtl", splice(good, marks["m0"] + 4, 2 + 8, b"\x00\x00")),
        ("lib-cut-class-descriptor.vtl", cut(good, marks["m0"] + 5)),
        ("lib-bad-schema.vtl", splice(good, marks["m0"] + 2, 2, b"\x01\x00")),
        ("lib-bad-schema-fragment.vtl",
         splice(good, marks["m0/1/0/f0"] + 2, 2, b"\x03\x00")),
        ("lib-unknown-class.vtl", splice(good, marks["m0"] + 6, 8, b"CVConfug")),
        ("lib-class-name-too-long.vtl",
         splice(good, marks["m0"] + 4, 2 + 8, struct.pack("<H", 64) + b"CVConfig" + b"x" * 56)),
    ]
    # Object references and indices.
    files += [
        ("lib-reference-unassigned.vtl",
         lib(lambda h, m, g: alias_list(m[0]).insert(0, Raw(b"\x40\x00")))),
        ("lib-class-unassigned.vtl",
         lib(lambda h, m, g: alias_list(m[0]).insert(0, Raw(b"\x40\x80")))),
        ("lib-index-escape.vtl",
         lib(lambda h, m, g: alias_list(m[0]).insert(
             0, Raw(b"\xff\x7f" + dword(0x80000000 | 0x3FFFFFF0))))),
        ("lib-cut-index-escape.vtl", cut(good, marks["m1/1"]) + b"\xff\x7f\x01"),
        ("lib-fragment-as-node.vtl",
         lib(lambda h, m, g: alias_list(m[1]).insert(0, fragment(b"say", b"hi")))),
        ("lib-game-as-module.vtl", lib(lambda h, m, g: m.insert(0, g[1]))),
        ("lib-null-module.vtl", lib(lambda h, m, g: m.insert(1, None))),
        ("lib-module-in-list.vtl",
         lib(lambda h, m, g: alias_list(m[1]).append(weapons_module()))),
        ("lib-back-reference-owned.vtl",
         lib(lambda h, m, g: alias_list(m[1]).append(BackRef(alias_list(m[0])[0])))),
        ("lib-back-reference-module.vtl", lib(lambda h, m, g: m.append(BackRef(m[0])))),
        ("lib-nesting-too-deep.vtl", lib(lambda h, m, g: alias_list(m[1]).append(nested(70)))),
        ("lib-child-count-huge.vtl",
         splice(good, marks["m1/1.child_count"], 4, dword(0x00100000))),
        ("lib-fragment-count-huge.vtl",
         splice(good, marks["m1/1/0.fragment_count"], 4, dword(0x7FFFFFFF))),
    ]
    # Records that are whole but wrong.
    def swap_lists(h, m, g):
        c = m[1].f["children"]
        c[1], c[2] = c[2], c[1]

    def two_plus(h, m, g):
        alias_list(m[1])[1].f["children"][1].f["flags"] = 0x100

    files += [
        ("lib-module-lists-swapped.vtl", lib(swap_lists)),
        ("lib-module-three-lists.vtl", lib(lambda h, m, g: m[1].f["children"].pop())),
        ("lib-action-alias-two-plus-halves.vtl", lib(two_plus)),
        ("lib-game-position-out-of-range.vtl", splice(good, marks["g1.module0"], 4, dword(2))),
        ("lib-game-position-negative.vtl", splice(good, marks["g0.module1"], 4, dword(-1))),
        ("lib-game-count-in-game-huge.vtl",
         splice(good, marks["g1.module_count"], 4, dword(0x7FFFFFFF))),
        ("lib-last-byte-missing.vtl", cut(good, len(good) - 1)),
    ]
    # Module files, from the good Module file.
    files += [
        ("mod-empty.vtm", b""),
        ("mod-last-byte-missing.vtm", cut(module_bytes, len(module_bytes) - 1)),
        ("mod-cut-author.vtm", cut(module_bytes, mod_marks["m.author"] + 2)),
        ("mod-author-length.vtm",
         splice(module_bytes, mod_marks["m.author"], 1, b"\xff\xfe\xff" + b"\xf0")),
        ("mod-three-lists.vtm", mod(lambda m: m.f["children"].pop(0))),
        ("mod-lists-swapped.vtm",
         mod(lambda m: m.f["children"].insert(0, m.f["children"].pop(3)))),
        ("mod-null-list.vtm", mod(lambda m: m.f["children"].__setitem__(2, None))),
        ("mod-module-inside.vtm", mod(lambda m: alias_list(m).append(weapons_module()))),
        ("mod-game-inside.vtm",
         mod(lambda m: m.f["children"][2].f["children"].append(game(b"G", b"", 1, [])))),
        ("mod-fragment-as-node.vtm", mod(lambda m: alias_list(m).insert(1, fragment(b"x")))),
        ("mod-node-as-fragment.vtm",
         mod(lambda m: alias_list(m)[0].f["fragments"].append(node("CVAlias", b"y",
                                                                   **command_tail())))),
        ("mod-action-alias-one-half.vtm",
         mod(lambda m: alias_list(m)[1].f["children"].pop())),
        ("mod-nesting-too-deep.vtm", mod(lambda m: alias_list(m).append(nested(64)))),
        ("mod-fragment-count-huge.vtm",
         splice(module_bytes, mod_marks["m/1/0.fragment_count"], 4, dword(0x01000000))),
    ]
    return files


def main():
    check = sys.argv[1:] == ["--check"]
    files = bad_files()
    names = set()
    stale = []
    for name, data in files:
        if name in names:
            raise SystemExit("two files named " + name)
        names.add(name)
        path = os.path.join(OUT, name)
        if check:
            try:
                with open(path, "rb") as f:
                    if f.read() != data:
                        stale.append(name)
            except FileNotFoundError:
                stale.append(name)
        else:
            os.makedirs(OUT, exist_ok=True)
            with open(path, "wb") as f:
                f.write(data)
    if check:
        for name in stale:
            print("differs from what scripts/make-bad-files.py makes: " + name)
        sys.exit(1 if stale else 0)
    print("%d files in %s" % (len(files), os.path.relpath(OUT, ROOT)))


if __name__ == "__main__":
    main()
