#!/usr/bin/python3
"""Checks the simulated CAD's DXF against ezdxf, an independent reader and auditor.

ezdxf writes drawings (R12, R2000, R2018; CP932 and UTF-8; ASCII and binary) holding Japanese
TEXT, block references with attributes and prompts, a multi-line attribute, xdata and groups.
Each file must save unchanged when opened and saved without an edit. Then the simulated CAD
edits it through its automation objects (texts changed, erased and copied at dX/dY, attribute
values changed) and ezdxf reads the result: every edited value where it should be, every other
entity unchanged (matched by handle), and no audit error that the original did not have.

usage: dxf-ezdxf-check.py TOOL WORKDIR    (TOOL is tavor_dxf_tool; exit 77 without ezdxf)
"""
import os
import re
import subprocess
import sys

try:
    import ezdxf
    from ezdxf.entities import MText
except ImportError:
    print("python3-ezdxf is not installed; skipped")
    sys.exit(77)

TOOL, WORK = sys.argv[1], sys.argv[2]
os.makedirs(WORK, exist_ok=True)
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL", what)


def build(version, codepage):
    doc = ezdxf.new(version)
    if codepage:
        doc.encoding = {"ANSI_932": "cp932", "ANSI_1252": "cp1252"}[codepage]
    doc.layers.new("LOCKED", dxfattribs={"flags": 4, "color": 1})
    doc.appids.new("TAVOR")
    block = doc.blocks.new("DEV")
    block.add_line((0, 0), (20, 0))
    block.add_circle((10, 5), 3)
    block.add_attdef("NAME", (0, -3), dxfattribs={"prompt": "機器名", "height": 2.5})
    block.add_attdef("SPEC", (0, -6), dxfattribs={"prompt": "仕様", "height": 2.5})
    msp = doc.modelspace()
    texts = {}
    texts["left"] = msp.add_text("配線番号 W101", dxfattribs={"insert": (0, 0), "height": 2.5})
    texts["centred"] = msp.add_text(
        "端子台", dxfattribs={"insert": (0, 10), "align_point": (5, 10), "halign": 1,
                             "valign": 2, "height": 2.5})
    texts["erased"] = msp.add_text("消す文字", dxfattribs={"insert": (0, 20)})
    texts["locked"] = msp.add_text("ロック", dxfattribs={"insert": (0, 25), "layer": "LOCKED"})
    texts["kept"] = msp.add_text("そのまま", dxfattribs={"insert": (0, 30)})
    texts["kept"].set_xdata("TAVOR", [(1000, "拡張データ"), (1040, 1.5)])
    ref = msp.add_blockref("DEV", (50, 50))
    ref.add_auto_attribs({"NAME": "MC-1", "SPEC": "AC200V"})
    ref2 = msp.add_blockref("DEV", (90, 50))
    ref2.add_auto_attribs({"NAME": "MC-2", "SPEC": "DC24V"})
    msp.add_line((0, -10), (100, -10))
    if version == "R12":
        msp.add_polyline2d([(0, -20), (10, -20), (10, -30)], close=True)
    else:
        msp.add_lwpolyline([(0, -20), (10, -20), (10, -30)], close=True)
    msp.add_arc((50, -20), 5, 0, 90)
    if version != "R12":
        msp.add_mtext("注記\\P二行目", dxfattribs={"insert": (0, -40)})
    multi = None
    if version == "R2018":
        multi = ref.add_attrib("NOTE", "", (50, 40))
        mtext = MText.new(dxfattribs={"insert": (50, 40), "char_height": 2.5})
        mtext.text = "一行目\\P二行目"
        multi.embed_mtext(mtext)
    if version != "R12":
        group = doc.groups.new("TEXTS")
        group.extend([texts["left"], texts["erased"], texts["kept"]])
    return doc, texts, ref, ref2, multi


def plain(text):
    """The text with its \\U+XXXX escapes resolved (this ezdxf keeps them as read)."""
    return re.sub(r"\\[Uu]\+([0-9A-Fa-f]{4})", lambda m: chr(int(m.group(1), 16)), text)


def attrib(ref, tag):
    for a in ref.attribs:
        if a.dxf.tag == tag:
            return a
    return None


def snapshot(doc, seed):
    """The entities and table entries the file holds, by handle. Objects that ezdxf makes up
    while loading (handles from $HANDSEED on; an R12 file's block records and layouts) and
    owner links to them are left out: they follow the seed, not the file."""
    out = {}
    for e in doc.entitydb.values():
        if not e.is_alive or int(e.dxf.handle, 16) >= seed:
            continue
        if e.dxftype() in ("GROUP", "DICTIONARY", "BLOCK_RECORD", "LAYOUT", "TABLE"):
            continue
        attribs = dict(e.dxfattribs())
        for key in [k for k in attribs if k == "owner" or k.endswith("_handle")]:
            attribs.pop(key)
        xdata = str(e.get_xdata("TAVOR")) if e.has_xdata("TAVOR") else None
        out[e.dxf.handle] = (e.dxftype(), attribs, xdata)
    return out


def audit_codes(doc):
    return sorted(str(err.code) for err in doc.audit().errors)


def run_case(name, version, codepage, fmt):
    doc, texts, ref, ref2, multi = build(version, codepage)
    path = os.path.join(WORK, name + ".dxf")
    doc.saveas(path, fmt=fmt)
    result = subprocess.run([TOOL, "roundtrip", path], capture_output=True, text=True)
    check(result.returncode == 0, f"{name}: unchanged save ({result.stdout.strip()})")

    original = ezdxf.readfile(path)
    seed = int(original.header["$HANDSEED"], 16)
    before = snapshot(original, seed)
    before_audit = audit_codes(ezdxf.readfile(path))
    h = {k: v.dxf.handle for k, v in texts.items()}
    script = [
        f"text {h['left']} 配線番号 W102",
        f"erase {h['erased']}",
        f"copy {h['left']} 0 -5",
        f"copy {h['centred']} 10 0",
        f"attrib {ref.dxf.handle} NAME MC-10",
        f"attrib {ref2.dxf.handle} SPEC 三相 AC400V",
        f"erase {ref2.dxf.handle}" if name.endswith("erase_insert") else "",
    ]
    if multi is not None:
        script.append(f"attrib {ref.dxf.handle} NOTE 新一行目\\P新二行目")
    out = os.path.join(WORK, name + "-edited.dxf")
    result = subprocess.run([TOOL, "edit", path, out], input="\n".join(script) + "\n",
                            capture_output=True, encoding="utf-8")
    check(result.returncode == 0, f"{name}: edit ({result.stderr.strip()})")
    if result.returncode != 0:
        return
    copies = result.stdout.split()
    edited = ezdxf.readfile(out)
    after = snapshot(edited, seed)
    db = edited.entitydb

    check(plain(db[h["left"]].dxf.text) == "配線番号 W102", f"{name}: changed text")
    check(h["erased"] not in db or not db[h["erased"]].is_alive, f"{name}: erased text gone")
    check(len(copies) == 2, f"{name}: two copies made")
    if len(copies) == 2:
        left, centred = db.get(copies[0]), db.get(copies[1])
        check(left is not None and plain(left.dxf.text) == "配線番号 W102"
              and tuple(left.dxf.insert)[:2] == (0, -5), f"{name}: copy moved by dY")
        check(centred is not None and tuple(centred.dxf.align_point)[:2] == (15, 10)
              and tuple(centred.dxf.insert)[:2] != (0, 10), f"{name}: justified copy moved")
        seed = int(edited.header["$HANDSEED"], 16)
        check(all(int(c, 16) < seed for c in copies), f"{name}: $HANDSEED above the copies")
        check(left is not None and not left.reactors,
              f"{name}: copy has no reactors")
    check(attrib(db[ref.dxf.handle], "NAME").dxf.text == "MC-10", f"{name}: attribute value")
    if name.endswith("erase_insert"):
        gone = [ref2.dxf.handle] + [a.dxf.handle for a in ref2.attribs]
        check(not any(g in db and db[g].is_alive for g in gone),
              f"{name}: block reference gone with its attributes")
    else:
        check(plain(attrib(db[ref2.dxf.handle], "SPEC").dxf.text) == "三相 AC400V",
              f"{name}: Japanese attribute value")
    if multi is not None:
        m = attrib(db[ref.dxf.handle], "NOTE")
        check(m.has_embedded_mtext_entity and m.plain_mtext() == "新一行目\n新二行目",
              f"{name}: multi-line attribute")
    if version != "R12":
        members = {e.dxf.handle for e in edited.groups.get("TEXTS")}
        check(members == {h["left"], h["kept"]}, f"{name}: group lost the erased text only")

    touched = {h["left"], h["erased"], ref.dxf.handle, ref2.dxf.handle}
    touched |= {a.dxf.handle for a in ref.attribs} | {a.dxf.handle for a in ref2.attribs}
    touched.add(ref2.seqend.dxf.handle)
    for handle, state in before.items():
        if handle in touched:
            continue
        check(after.get(handle) == state, f"{name}: {state[0]} {handle} unchanged")
    new_errors = [c for c in audit_codes(edited) if c not in before_audit]
    check(not new_errors, f"{name}: no new audit errors ({new_errors})")
    print("ok" if not [f for f in failures if f.startswith(name + ":")] else "FAILED", name)


CASES = [
    ("r12_cp932", "R12", "ANSI_932", "asc"),
    ("r2000_cp932", "R2000", "ANSI_932", "asc"),
    ("r2000_ansi1252_escapes", "R2000", "ANSI_1252", "asc"),
    ("r2018_utf8", "R2018", None, "asc"),
    ("r2000_cp932_binary", "R2000", "ANSI_932", "bin"),
    ("r2018_binary", "R2018", None, "bin"),
    ("r12_binary", "R12", "ANSI_932", "bin"),
    ("r2018_erase_insert", "R2018", None, "asc"),
]

for case in CASES:
    try:
        run_case(*case)
    except Exception as e:  # one broken case must not hide the others
        check(False, f"{case[0]}: {type(e).__name__}: {e}")

print(f"{len(CASES)} cases, {len(failures)} failures")
sys.exit(1 if failures else 0)
