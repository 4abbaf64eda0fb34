#!/usr/bin/env python3
"""Lay out the driver payload that the installer embeds as OWNER_DATA resources.

    make_payload.py --manifest payload/manifest.csv --authored payload/src
                    --out OUTDIR [--real REALDIR]

For every content of the manifest except the ones the build produces itself
(source "built"), OUTDIR/<letter>/<file name> receives, in this order of
preference:

1. REALDIR/<letter>/<file name>, the maker's real file, when --real is given
   and the file exists (a size other than the manifest's is reported);
2. for "authored" contents, payload/src/<letter>/<file name> as committed;
3. otherwise a deterministic stand-in of exactly the manifest size: one ASCII
   line naming the content, then pseudo-random bytes from SHA-256 in counter
   mode seeded by the letter, so two contents never share bytes.

OUTDIR/payload.rc then lists one `<id> OWNER_DATA "<path>"` line per resource
number, sorted. Files are only rewritten when their bytes change, so that a
build does not recompile the resource script for nothing.
"""

from __future__ import annotations

import argparse
import csv
import hashlib
import os
import sys
import tempfile
from dataclasses import dataclass
from pathlib import Path

COLUMNS = ("letter", "file", "role", "size", "identity", "identifiers", "source")
SOURCES = ("standin", "authored", "built")
PAYLOAD_DIR_OPTION = "QX710_PAYLOAD_DIR"
_UMASK = os.umask(0o022)
os.umask(_UMASK)


class PayloadError(Exception):
    """An inconsistency in the manifest or its inputs; stops the run."""


@dataclass(frozen=True)
class Content:
    line: int
    letter: str
    file: str
    size: int | None
    identifiers: tuple[int, ...]
    source: str


def read_manifest(path: Path) -> list[Content]:
    """Parse and check the manifest. Lines starting with '#' are comments."""
    try:
        text = path.read_text(encoding="utf-8")
    except OSError as exc:
        raise PayloadError(f"cannot read manifest {path}: {exc.strerror}") from None

    numbered = [(n, line) for n, line in enumerate(text.splitlines(), 1)
                if line.strip() and not line.lstrip().startswith("#")]
    if not numbered:
        raise PayloadError(f"{path}: no header row")
    reader = csv.reader(line for _, line in numbered)
    header = next(reader)
    if tuple(h.strip() for h in header) != COLUMNS:
        raise PayloadError(f"{path}:{numbered[0][0]}: header must be {','.join(COLUMNS)}")

    contents: list[Content] = []
    letters: dict[str, int] = {}
    owners: dict[int, tuple[str, int]] = {}
    for (n, _), row in zip(numbered[1:], reader):
        where = f"{path}:{n}"
        if len(row) != len(COLUMNS):
            raise PayloadError(f"{where}: expected {len(COLUMNS)} fields, found {len(row)}")
        letter, name, _role, size_text, _identity, ids_text, source = (f.strip() for f in row)

        if len(letter) != 1 or not ("A" <= letter <= "Z"):
            raise PayloadError(f"{where}: content letter must be one of A to Z, not {letter!r}")
        if letter in letters:
            raise PayloadError(f"{where}: content {letter} already defined on line {letters[letter]}")
        letters[letter] = n

        if not name or name in (".", "..") or any(c in name for c in '/\\:"'):
            raise PayloadError(f"{where}: content {letter}: bad file name {name!r}")
        if source not in SOURCES:
            raise PayloadError(f"{where}: content {letter}: source must be one of "
                               f"{', '.join(SOURCES)}, not {source!r}")

        size: int | None = None
        if size_text or source != "built":
            if not size_text.isdigit() or not size_text.isascii():
                raise PayloadError(f"{where}: content {letter}: bad size {size_text!r} "
                                   "(a whole number of bytes is needed)")
            size = int(size_text)

        ids: list[int] = []
        for token in ids_text.split():
            if not token.isdigit() or not token.isascii() or not 1 <= int(token) <= 65535:
                raise PayloadError(f"{where}: content {letter}: bad resource number {token!r}")
            number = int(token)
            if number in owners:
                other, other_line = owners[number]
                raise PayloadError(f"{where}: resource number {number} is given to content "
                                   f"{letter} and to content {other} (line {other_line})")
            owners[number] = (letter, n)
            ids.append(number)
        if not ids:
            raise PayloadError(f"{where}: content {letter} has no resource number")

        contents.append(Content(n, letter, name, size, tuple(ids), source))
    return contents


def standin_bytes(letter: str, name: str, size: int) -> bytes:
    """Deterministic filler for a file we do not have: same input, same bytes."""
    head = (f"QX710 payload stand-in for content {letter} {name} {size} bytes; "
            f"not the real file, which is supplied with -D{PAYLOAD_DIR_OPTION}=<folder>\r\n"
            ).encode("ascii")
    if size <= len(head):
        return head[:size]
    seed = hashlib.sha256(f"qx710 payload stand-in {letter}".encode("ascii")).digest()
    chunks = [head]
    have = len(head)
    counter = 0
    while have < size:
        block = hashlib.sha256(seed + counter.to_bytes(8, "little")).digest()
        chunks.append(block)
        have += len(block)
        counter += 1
    return b"".join(chunks)[:size]


def find_real(real_dir: Path, letter: str, name: str) -> Path | None:
    """The maker's file for a content; the name is matched without regard to case,
    as Windows does, because suppliers spell e.g. VELTD.dll either way."""
    folder = real_dir / letter
    exact = folder / name
    if exact.is_file():
        return exact
    if folder.is_dir():
        for entry in sorted(folder.iterdir()):
            if entry.name.casefold() == name.casefold() and entry.is_file():
                return entry
    return None


def write_if_changed(path: Path, data: bytes) -> bool:
    """Write atomically, but leave the file (and its time stamp) alone when
    its bytes are already right. Returns whether the file was written."""
    try:
        if path.stat().st_size == len(data) and path.read_bytes() == data:
            return False
    except OSError:
        pass
    path.parent.mkdir(parents=True, exist_ok=True)
    fd, tmp = tempfile.mkstemp(prefix=f".{path.name}.", dir=path.parent)
    try:
        with os.fdopen(fd, "wb") as out:
            out.write(data)
        os.chmod(tmp, 0o666 & ~_UMASK)  # mkstemp creates 0600
        os.replace(tmp, path)
    except BaseException:
        try:
            os.unlink(tmp)
        except OSError:
            pass
        raise
    return True


def rc_path(path: Path) -> str:
    text = path.resolve().as_posix()
    if '"' in text:
        raise PayloadError(f"output path {text} contains a double quote, which the resource "
                           "script cannot hold")
    return text


def make_payload(manifest: Path, authored: Path, out: Path, real: Path | None,
                 warn=lambda message: print(message, file=sys.stderr)) -> None:
    contents = read_manifest(manifest)
    if real is not None and not real.is_dir():
        raise PayloadError(f"real payload folder {real} does not exist")

    # Gather every file before writing anything, so a failing run leaves
    # the previous output untouched.
    planned: list[tuple[Content, bytes]] = []
    for content in contents:
        if content.source == "built":
            continue
        label = f"content {content.letter} ({content.file})"
        real_file = find_real(real, content.letter, content.file) if real else None
        if real_file is not None:
            data = real_file.read_bytes()
            if len(data) != content.size:
                warn(f"make_payload: warning: {label}: {real_file} has {len(data)} bytes, "
                     f"the manifest says {content.size}")
        elif content.source == "authored":
            source_file = authored / content.letter / content.file
            try:
                data = source_file.read_bytes()
            except OSError:
                raise PayloadError(f"{label}: authored file {source_file} is missing") from None
            if len(data) != content.size:
                raise PayloadError(f"{label}: {source_file} has {len(data)} bytes, "
                                   f"the manifest says {content.size}")
        else:
            data = standin_bytes(content.letter, content.file, content.size)
        planned.append((content, data))

    if real is not None:
        missing = [c.letter for c, _ in planned
                   if c.source == "standin" and not find_real(real, c.letter, c.file)]
        if missing:
            warn(f"make_payload: note: no real file for {' '.join(missing)}; "
                 "stand-ins used for these")

    lines = []
    for content, data in planned:
        target = out / content.letter / content.file
        write_if_changed(target, data)
        lines.extend((number, rc_path(target)) for number in content.identifiers)
    lines.sort()
    rc_text = "".join(f'{number} OWNER_DATA "{path}"\n' for number, path in lines)
    write_if_changed(out / "payload.rc", rc_text.encode("utf-8"))


def main(argv: list[str] | None = None) -> int:
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--manifest", required=True, type=Path, help="payload/manifest.csv")
    parser.add_argument("--authored", required=True, type=Path,
                        help="folder with one subfolder per authored content (payload/src)")
    parser.add_argument("--out", required=True, type=Path, help="output folder")
    parser.add_argument("--real", default="",
                        help="folder with the maker's real files, one subfolder per content "
                             "letter; empty or absent: stand-ins")
    args = parser.parse_args(argv)
    real = Path(args.real) if args.real else None
    try:
        make_payload(args.manifest, args.authored, args.out, real)
    except PayloadError as exc:
        print(f"make_payload: error: {exc}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
