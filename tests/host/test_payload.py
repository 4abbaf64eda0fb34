#!/usr/bin/env python3
"""Checks of the driver payload and of tools/make_payload.py.

    python3 tests/host/test_payload.py [OUTDIR] [unittest options]

With OUTDIR, the payload checks look at that generated folder (for example
the one a build produced); without it, the payload is generated into a
temporary folder first. The generator's own behaviour (stand-ins, overrides,
refusals) is always exercised in temporary folders.
"""

from __future__ import annotations

import csv
import hashlib
import io
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
MANIFEST = ROOT / "payload" / "manifest.csv"
AUTHORED = ROOT / "payload" / "src"
GENERATOR = ROOT / "tools" / "make_payload.py"

# Resource numbers the installer writes as driver payload; 255, the
# uninstaller, comes from the build and is not part of payload.rc.
EXPECTED_IDS = (set(range(149, 202)) - {160, 167, 180, 181}) | set(range(249, 255))

DRVVELT_INI = (b"[OEMFiles]\r\n"
               b"OEMDriverFile1=VELTD.DLL\r\n"
               b"OEMConfigFile1=VELTF.DLL\r\n"
               b"\r\n")

RC_LINE = re.compile(r'^(\d+) OWNER_DATA "([^"]+)"$')

OUTDIR: Path | None = None      # set from the command line
_temp: tempfile.TemporaryDirectory | None = None


def run_generator(out: Path, *, manifest: Path = MANIFEST, authored: Path = AUTHORED,
                  real: Path | None = None) -> subprocess.CompletedProcess:
    cmd = [sys.executable, str(GENERATOR), "--manifest", str(manifest),
           "--authored", str(authored), "--out", str(out)]
    if real is not None:
        cmd += ["--real", str(real)]
    return subprocess.run(cmd, capture_output=True, text=True)


def read_manifest(path: Path = MANIFEST) -> list[dict[str, str]]:
    lines = [line for line in path.read_text(encoding="utf-8").splitlines()
             if line.strip() and not line.startswith("#")]
    return list(csv.DictReader(io.StringIO("\n".join(lines))))


def read_rc(out: Path) -> list[tuple[int, str]]:
    entries = []
    for line in (out / "payload.rc").read_text(encoding="utf-8").splitlines():
        match = RC_LINE.match(line)
        if not match:
            raise AssertionError(f"payload.rc line not understood: {line!r}")
        entries.append((int(match.group(1)), match.group(2)))
    return entries


def sha256(path: Path) -> str:
    return hashlib.sha256(path.read_bytes()).hexdigest()


def setUpModule():
    global OUTDIR, _temp
    if OUTDIR is None:
        _temp = tempfile.TemporaryDirectory(prefix="qx710-payload-")
        OUTDIR = Path(_temp.name)
        result = run_generator(OUTDIR)
        if result.returncode != 0:
            raise RuntimeError(f"make_payload.py failed:\n{result.stderr}")


def tearDownModule():
    if _temp is not None:
        _temp.cleanup()


class ManifestTest(unittest.TestCase):
    def test_rows_are_the_contents_a_to_w(self):
        rows = read_manifest()
        self.assertEqual([r["letter"] for r in rows], [chr(c) for c in range(ord("A"), ord("X"))])
        sources = {r["letter"]: r["source"] for r in rows}
        self.assertEqual({l for l, s in sources.items() if s == "authored"}, {"M", "N", "O"})
        self.assertEqual({l for l, s in sources.items() if s == "built"}, {"W"})
        self.assertEqual(next(r for r in rows if r["letter"] == "W")["identifiers"], "255")


class GeneratedPayloadTest(unittest.TestCase):
    """The generated folder, whether stand-ins or real files."""

    @classmethod
    def setUpClass(cls):
        cls.rows = [r for r in read_manifest() if r["source"] != "built"]
        cls.rc = read_rc(OUTDIR)

    def path_of(self, row) -> Path:
        return OUTDIR / row["letter"] / row["file"]

    def test_rc_names_each_payload_identifier_once_in_order(self):
        numbers = [n for n, _ in self.rc]
        self.assertEqual(sorted(numbers), sorted(EXPECTED_IDS))
        self.assertEqual(len(numbers), len(set(numbers)))
        self.assertEqual(numbers, sorted(numbers))
        for _, path in self.rc:
            self.assertTrue(Path(path).is_absolute(), path)
            self.assertNotIn("\\", path)

    def test_identifiers_of_a_content_point_at_its_one_file(self):
        by_number = {n: Path(p).resolve() for n, p in self.rc}
        for row in self.rows:
            with self.subTest(content=row["letter"]):
                targets = {by_number[int(n)] for n in row["identifiers"].split()}
                self.assertEqual(targets, {self.path_of(row).resolve()})
                self.assertTrue(self.path_of(row).is_file())

    def test_files_have_manifest_sizes(self):
        for row in self.rows:
            with self.subTest(content=row["letter"], file=row["file"]):
                self.assertEqual(self.path_of(row).stat().st_size, int(row["size"]))

    def test_contents_differ_pairwise(self):
        # Equal sizes (G and I, T and U) must not mean equal bytes.
        seen: dict[str, str] = {}
        for row in self.rows:
            digest = sha256(self.path_of(row))
            self.assertNotIn(digest, seen,
                             f"{row['letter']} has the same bytes as {seen.get(digest)}")
            seen[digest] = row["letter"]

    def test_drvvelt_ini_bytes(self):
        self.assertEqual((OUTDIR / "O" / "DRVVELT.INI").read_bytes(), DRVVELT_INI)
        self.assertEqual(len(DRVVELT_INI), 66)


class AuthoredGpdTest(unittest.TestCase):
    REQUIRED_LINES = (b'*ModelName: "QX710"',
                      b'*ResourceDLL: "RESVELT.DLL"',
                      b'*Include: "stdnames.gpd"',
                      b'*GPDFileName: "CONVELT.GPD"')

    def test_gpds(self):
        for letter in ("M", "N"):
            with self.subTest(content=letter):
                data = (AUTHORED / letter / "CONVELT.GPD").read_bytes()
                data.decode("ascii")  # raises on any non-ASCII byte
                self.assertEqual(data.count(b"\n"), data.count(b"\r\n"), "bare LF")
                self.assertEqual(data.count(b"\r"), data.count(b"\r\n"), "bare CR")
                self.assertTrue(data.endswith(b"\r\n"))
                lines = [line.strip() for line in data.split(b"\r\n")]
                for required in self.REQUIRED_LINES:
                    self.assertIn(required, lines)
                # A stray brace makes Unidrv reject the whole file.
                depth = 0
                for number, line in enumerate(lines, 1):
                    code = line.split(b"*%", 1)[0]
                    depth += code.count(b"{") - code.count(b"}")
                    self.assertGreaterEqual(depth, 0, f"line {number}: unmatched }}")
                self.assertEqual(depth, 0, "unclosed {")

    def test_windows_2000_build_differs(self):
        self.assertNotEqual((AUTHORED / "M" / "CONVELT.GPD").read_bytes(),
                            (AUTHORED / "N" / "CONVELT.GPD").read_bytes())


class GeneratorTest(unittest.TestCase):
    """Behaviour of make_payload.py itself, in scratch folders."""

    def setUp(self):
        self.tmp = Path(tempfile.mkdtemp(prefix="qx710-gen-"))
        self.addCleanup(shutil.rmtree, self.tmp)

    def generate(self, out: Path, **kwargs) -> subprocess.CompletedProcess:
        result = run_generator(out, **kwargs)
        self.assertEqual(result.returncode, 0, result.stderr)
        return result

    def test_standins_are_deterministic_and_labelled(self):
        first, second = self.tmp / "one", self.tmp / "two"
        self.generate(first)
        self.generate(second)
        for row in read_manifest():
            if row["source"] == "built":
                self.assertFalse((first / row["letter"]).exists())
                continue
            name = Path(row["letter"]) / row["file"]
            self.assertEqual((first / name).read_bytes(), (second / name).read_bytes(), name)
            if row["source"] == "standin":
                head = (first / name).read_bytes().split(b"\r\n", 1)[0].decode("ascii")
                self.assertIn(f"stand-in for content {row['letter']} {row['file']} "
                              f"{row['size']}", head)
                self.assertIn("QX710_PAYLOAD_DIR", head)

    def test_unchanged_outputs_are_not_rewritten(self):
        out = self.tmp / "out"
        self.generate(out)
        old = 1_000_000_000
        touched = [out / "payload.rc", out / "M" / "CONVELT.GPD", out / "H" / "UNIRES.DLL"]
        for path in touched:
            os.utime(path, ns=(old, old))
        self.generate(out)
        for path in touched:
            self.assertEqual(path.stat().st_mtime_ns, old, path)
        # A damaged output is repaired.
        (out / "H" / "UNIRES.DLL").write_bytes(b"x")
        self.generate(out)
        self.assertEqual((out / "H" / "UNIRES.DLL").stat().st_size, 619520)

    def test_real_files_override(self):
        cases = [
            # letter, file name in REALDIR, bytes, size warning expected
            ("V", "ZIKUVELT.UFM", b"real font metrics", True),
            ("T", "RESVELT.DLL", b"R" * 5120, False),
            ("P", "veltd.DLL", b"real plug-in", True),    # other case spelling
            ("M", "CONVELT.GPD", b"*% real GPD\r\n", True),  # an authored content too
        ]
        for letter, name, data, warns in cases:
            with self.subTest(content=letter):
                real, out = self.tmp / f"real{letter}", self.tmp / f"out{letter}"
                (real / letter).mkdir(parents=True)
                (real / letter / name).write_bytes(data)
                result = self.generate(out, real=real)
                row = next(r for r in read_manifest() if r["letter"] == letter)
                self.assertEqual((out / letter / row["file"]).read_bytes(), data)
                warned = [line for line in result.stderr.splitlines() if "warning" in line]
                if warns:
                    self.assertEqual(len(warned), 1, result.stderr)
                    self.assertIn(f"content {letter}", warned[0])
                else:
                    self.assertEqual(warned, [], result.stderr)
                # Contents without a real file still get their stand-ins.
                self.assertEqual((out / "A" / "UNIDRV.DLL").stat().st_size, 264704)

    def test_missing_real_folder_is_refused(self):
        result = run_generator(self.tmp / "out", real=self.tmp / "absent")
        self.assertNotEqual(result.returncode, 0)
        self.assertIn("absent", result.stderr)

    def test_inconsistent_inputs_are_refused(self):
        text = MANIFEST.read_text(encoding="utf-8")
        cases = [
            # name, text replaced, replacement, words expected in the message
            ("duplicate identifier", ",154,standin", ",154 158,standin", "158"),
            ("size not a number", ",496,,154,", ",496b,,154,", "size"),
            ("negative size", ",496,,154,", ",-496,,154,", "size"),
            ("size missing", ",496,,154,", ",,,154,", "size"),
            ("letter twice", "\nB,UNIDRV.DLL,", "\nA,UNIDRV.DLL,", "content A"),
            ("unknown source", ",154,standin", ",154,borrowed", "source"),
            ("wrong authored size", ",9865,,169,", ",9866,,169,", "9866"),
        ]
        for name, old, new, expected in cases:
            with self.subTest(case=name):
                self.assertEqual(text.count(old), 1, old)
                manifest = self.tmp / f"{name}.csv"
                manifest.write_text(text.replace(old, new), encoding="utf-8")
                out = self.tmp / name
                result = run_generator(out, manifest=manifest)
                self.assertEqual(result.returncode, 1, result.stderr)
                self.assertIn("error", result.stderr)
                self.assertIn(expected, result.stderr)
                self.assertFalse((out / "payload.rc").exists())

    def test_missing_authored_file_is_refused(self):
        authored = self.tmp / "src"
        shutil.copytree(AUTHORED, authored)
        (authored / "N" / "CONVELT.GPD").unlink()
        result = run_generator(self.tmp / "out", authored=authored)
        self.assertEqual(result.returncode, 1)
        self.assertIn("content N", result.stderr)
        self.assertIn("missing", result.stderr)


if __name__ == "__main__":
    if len(sys.argv) > 1 and not sys.argv[1].startswith("-"):
        OUTDIR = Path(sys.argv.pop(1)).resolve()
        if not (OUTDIR / "payload.rc").is_file():
            sys.exit(f"{OUTDIR}: no payload.rc; generate the payload first")
    unittest.main()
