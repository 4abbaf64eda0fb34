#!/usr/bin/env python3
"""Encode a UTF-8 text source into the 8-bit form the installer embeds.

The string sets and the default setting file are kept in the repository as
UTF-8 with LF line ends so that they can be reviewed; the program reads them
with the ANSI profile functions, so the embedded copies must be in the code
page of their language, with CR LF line ends and no byte-order mark.

    python3 tools/encode_text.py --encoding {gbk,big5,ascii} INPUT OUTPUT
"""

import argparse
import sys

# Target name -> Python codec. cp950 is the Windows flavour of Big5.
CODECS = {"gbk": "gbk", "big5": "cp950", "ascii": "ascii"}


class EncodeError(Exception):
    pass


def encode_text(text, encoding):
    """Return the bytes of `text` in `encoding` with CR LF line ends.

    Raises EncodeError naming the first offending line.
    """
    codec = CODECS[encoding]
    if text.startswith("\ufeff"):
        raise EncodeError("line 1: byte-order mark is not allowed")
    # Accept sources that were checked out with CR LF, but nothing else.
    text = text.replace("\r\n", "\n")
    lines = text.split("\n")
    for number, line in enumerate(lines, 1):
        if "\r" in line:
            raise EncodeError(f"line {number}: stray carriage return")
        if "\ufeff" in line:
            raise EncodeError(f"line {number}: byte-order mark is not allowed")
        try:
            line.encode(codec)
        except UnicodeEncodeError as err:
            char = line[err.start]
            raise EncodeError(
                f"line {number}, column {err.start + 1}: character "
                f"{char!r} (U+{ord(char):04X}) cannot be encoded in {encoding}"
                f" ({codec}): {line}"
            ) from None
    return "\r\n".join(lines).encode(codec)


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--encoding", required=True, choices=sorted(CODECS))
    parser.add_argument("input")
    parser.add_argument("output")
    args = parser.parse_args(argv)

    try:
        with open(args.input, "rb") as f:
            raw = f.read()
    except OSError as err:
        print(f"{args.input}: {err.strerror}", file=sys.stderr)
        return 1
    if raw.startswith(b"\xef\xbb\xbf"):
        print(f"{args.input}: line 1: byte-order mark is not allowed",
              file=sys.stderr)
        return 1
    try:
        text = raw.decode("utf-8")
    except UnicodeDecodeError as err:
        line = raw.count(b"\n", 0, err.start) + 1
        print(f"{args.input}: line {line}: not valid UTF-8", file=sys.stderr)
        return 1
    try:
        data = encode_text(text, args.encoding)
    except EncodeError as err:
        print(f"{args.input}: {err}", file=sys.stderr)
        return 1
    try:
        with open(args.output, "wb") as f:
            f.write(data)
    except OSError as err:
        print(f"{args.output}: {err.strerror}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
