#!/usr/bin/env python3
"""Byte-level checks of the encoded string sets and the default setting file.

    python3 tests/host/test_string_sets.py [BUILT_DIR]

BUILT_DIR holds Multi_ch.dll, Multi_eng.dll, Multi_ch_BIG5.dll and
setting.dll as the build embeds them. Without it the sources in
resources/strings are encoded into a temporary folder with
tools/encode_text.py and those files are checked.
"""

import os
import re
import subprocess
import sys
import tempfile
import unittest

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
ENCODER = os.path.join(ROOT, "tools", "encode_text.py")
SOURCES = os.path.join(ROOT, "resources", "strings")

# file -> (source, encoder target, Python codec, language name, licence lines)
SETS = {
    "Multi_ch.dll": ("Multi_ch.txt", "gbk", "gbk", "Chinese", 116),
    "Multi_eng.dll": ("Multi_eng.txt", "ascii", "ascii", "English", 57),
    "Multi_ch_BIG5.dll": ("Multi_ch_BIG5.txt", "big5", "cp950", "Chinese", 117),
}
SETTING = ("setting.dll", "setting.txt", "ascii")

KEYS = [f"IDD{dialog}_{control}" for dialog, controls in [
    (138, "Title 65535 1042 1043 1044 1045"),
    (102, "Title 1000 12323 12324 1061 12325 -1 0"),
    (139, "Title 1040 1065 1046 1047 1048 1019 1049 1050"),
    (137, "Title 1040 1065 1051 1052 1032 1033 1036 1053 1054 1037 1038"),
    (143, "Title 1055 1056 1039 1057 1019 1006"),
    (140, "Title 1040 1065 1058 1059 1060 1035"),
] for control in controls.split()]

EMPTY = set(
    "IDD138_Title IDD138_65535 IDD102_Title IDD102_1000 IDD102_-1 IDD102_0 "
    "IDD139_Title IDD139_1040 IDD139_1065 IDD137_Title IDD137_1040 "
    "IDD137_1065 IDD143_Title IDD143_1019 IDD143_1006 IDD140_Title "
    "IDD140_1040 IDD140_1065".split())

# key: (Multi_eng, Multi_ch, Multi_ch_BIG5)
VALUES = {
    "IDD138_1042": ("Welcome to the QX710 Series Printer Driver Setup Wizard",
                    "欢迎使用QX710系列打印机驱动安装程序向导",
                    "歡迎使用QX710系列打印機驅動安裝程序嚮導"),
    "IDD138_1043": ("This will install QX710 Series Printer Driver on your computer.",
                    "这将会在您的计算机上安装QX710系列打印机驱动程序",
                    "這將會在您的計算機上安裝QX710系列打印機驅動程序"),
    "IDD138_1044": ("It is recommended that you close all other applications before continuing.",
                    "推荐在继续安装前关闭所有其他应用程序",
                    "推薦在繼續安裝前關閉所有其他應用程序"),
    "IDD138_1045": ("Click Next to continue,or Cancel to exit Setup.",
                    "点击 下一步 继续，或者 取消 退出安装程序",
                    "點擊 下一步 繼續，或者 取消 退出安裝程序"),
    "IDD102_12323": ("&Back", "后退", "後退"),
    "IDD102_12324": ("&Next", "下一步", "下一步"),
    "IDD102_1061": ("Cancel", "取消", "取消"),
    "IDD102_12325": ("Finish", "完成", "完成"),
    "IDD139_1046": ("License Agreement", "授权协议", "授權協議"),
    "IDD139_1047": ("Please read the following important information before continuing.",
                    "在继续安装前，请阅读以下重要信息",
                    "在繼續安裝前，請閱讀以下重要信息"),
    "IDD139_1048": ("Please read the following License Agreement.You must accept the "
                    "terms of this agreement before continuing with installation.",
                    "请阅读以下协议，并严格遵守",
                    "請閱讀以下協議，並嚴格遵守"),
    "IDD139_1019": ("SOFTWARE LICENSE AGREEMENT", "软件许可协议", "軟件許可協議"),
    "IDD139_1049": ("I accept the agreement", "同意", "同意"),
    "IDD139_1050": ("I do not accept the agreement", "不同意", "不同意"),
    "IDD137_1051": ("Please select the operation system", "请选择安装系统", "請選擇安裝系統"),
    "IDD137_1052": ("Please select the operation system", "请选择您的安装系统",
                    "請選擇您的安裝系統"),
    "IDD137_1032": ("Windows 2000",) * 3,
    "IDD137_1033": ("Windows XP",) * 3,
    "IDD137_1036": ("Windows 2003",) * 3,
    "IDD137_1053": ("operation system", "可选安装系统", "可選安裝系統"),
    "IDD137_1054": ("language", "可选安装语言", "可選安裝語言"),
    "IDD137_1037": ("Chinese", "中文", "中文"),
    "IDD137_1038": ("English", "英文", "英文"),
    "IDD143_1055": ("Printer Series", "可安装打印机系列", "可安裝打印機系列"),
    "IDD143_1056": ("Setting", "打印机设置", "打印機設置"),
    "IDD143_1039": ("Default Printer", "设置默认打印机", "設置默認打印機"),
    "IDD143_1057": ("Name:", "名称:", "名稱:"),
    "IDD140_1058": ("Please wait while Setup installs QX710 Series Printer Driver on your computer",
                    "正在安装驱动，请稍候 ...", "正在安裝驅動，請稍候 ..."),
    "IDD140_1059": ("Please wait while Setup installs QX710 Series Printer Driver on your computer",
                    "目前正在您的计算机上安装打印机驱动",
                    "目前正在您的計算機上安裝打印機驅動"),
    "IDD140_1060": ("Installing the driver...", "正在安装...", "正在安裝..."),
    "IDD140_1035": ("Progress1",) * 3,
}
COLUMN = {"Multi_eng.dll": 0, "Multi_ch.dll": 1, "Multi_ch_BIG5.dll": 2}

# Values as the bytes the window functions receive; a wrong code page or an
# escaped trail byte 0x5C shows up here.
RAW = [
    ("Multi_ch.dll", "IDD102_12324", "cf c2 d2 bb b2 bd"),
    ("Multi_ch.dll", "IDD102_12323", "ba f3 cd cb"),
    ("Multi_ch.dll", "IDD143_1057", "c3 fb b3 c6 3a"),
    ("Multi_ch.dll", "IDD140_1058",
     "d5 fd d4 da b0 b2 d7 b0 c7 fd b6 af a3 ac c7 eb c9 d4 ba f2 20 2e 2e 2e"),
    ("Multi_ch_BIG5.dll", "IDD102_12324", "a4 55 a4 40 a8 42"),
    ("Multi_ch_BIG5.dll", "IDD102_12323", "ab e1 b0 68"),
    ("Multi_ch_BIG5.dll", "IDD143_1057", "a6 57 ba d9 3a"),
    ("Multi_ch_BIG5.dll", "IDD139_1019", "b3 6e a5 f3 b3 5c a5 69 a8 f3 c4 b3"),
    ("Multi_eng.dll", "IDD102_12323", "26 42 61 63 6b"),
]

KEY_LINE = re.compile(rb"^(IDD\d+_(?:Title|-?\d+))=(.*)$", re.S)
HEADER = 8  # two empty lines, [Setting], Language=, three empty lines, [String]

BUILT_DIR = None
_tmp = None


def encode(target, source, output):
    return subprocess.run(
        [sys.executable, ENCODER, "--encoding", target, source, output],
        capture_output=True, text=True)


def setUpModule():
    global BUILT_DIR, _tmp
    if BUILT_DIR:
        return
    _tmp = tempfile.TemporaryDirectory()
    BUILT_DIR = _tmp.name
    jobs = [(name, src, target) for name, (src, target, *_) in SETS.items()]
    jobs.append((SETTING[0], SETTING[1], SETTING[2]))
    for name, src, target in jobs:
        result = encode(target, os.path.join(SOURCES, src),
                        os.path.join(BUILT_DIR, name))
        if result.returncode:
            raise RuntimeError(f"encoding {src} failed: {result.stderr}")


def tearDownModule():
    if _tmp:
        _tmp.cleanup()


def read(name):
    with open(os.path.join(BUILT_DIR, name), "rb") as f:
        return f.read()


def parse(data):
    """Split a string set into (header lines, [(key, value)], licence body)."""
    lines = data.split(b"\r\n")
    assert lines[-1] == b"", "file does not end with CR LF"
    lines = lines[:-1]
    entries, body = [], []
    for line in lines[HEADER:]:
        match = KEY_LINE.match(line)
        if match:
            entries.append((match.group(1).decode("ascii"), match.group(2)))
        elif entries and entries[-1][0] == "IDD139_1019":
            body.append(line)
        else:
            raise AssertionError(f"stray line after [String]: {line!r}")
    return lines[:HEADER], entries, body


class StringSetBytes(unittest.TestCase):

    def test_line_ends_and_no_bom(self):
        for name in list(SETS) + [SETTING[0]]:
            with self.subTest(file=name):
                data = read(name)
                self.assertFalse(data.startswith(b"\xef\xbb\xbf"))
                self.assertTrue(data.endswith(b"\r\n"))
                self.assertNotIn(b"\n", data.replace(b"\r\n", b""))
                self.assertNotIn(b"\r", data.replace(b"\r\n", b""))

    def test_structure_keys_and_values(self):
        for name, (_, _, codec, language, body_lines) in SETS.items():
            with self.subTest(file=name):
                header, entries, body = parse(read(name))
                self.assertEqual(header, [b"", b"", b"[Setting]",
                                          b"Language=" + language.encode(),
                                          b"", b"", b"", b"[String]"])
                self.assertEqual([key for key, _ in entries], KEYS)
                for key, value in entries:
                    text = value.decode(codec)
                    if key in EMPTY:
                        self.assertEqual(text, "", key)
                    else:
                        self.assertEqual(text, VALUES[key][COLUMN[name]], key)
                self.assertEqual(len(body), body_lines)
                for line in body:
                    self.assertTrue(line, "empty licence line")
                    self.assertNotIn(b"=", line)
                    self.assertNotIn(line[:1], (b"[", b";"), line)
                    line.decode(codec)

    def test_raw_value_bytes(self):
        for name, key, hex_bytes in RAW:
            with self.subTest(file=name, key=key):
                values = dict(parse(read(name))[1])
                self.assertEqual(values[key], bytes.fromhex(hex_bytes))

    def test_english_set_is_ascii(self):
        self.assertTrue(all(b < 0x80 for b in read("Multi_eng.dll")))

    def test_default_setting_file(self):
        self.assertEqual(read("setting.dll"),
                         b"[Setting]\r\nLanguage=English\r\n")


class Encoder(unittest.TestCase):

    def run_encoder(self, target, source_bytes):
        with tempfile.TemporaryDirectory() as folder:
            source = os.path.join(folder, "in.txt")
            output = os.path.join(folder, "out.dll")
            with open(source, "wb") as f:
                f.write(source_bytes)
            result = encode(target, source, output)
            data = None
            if os.path.exists(output):
                with open(output, "rb") as f:
                    data = f.read()
            return result, data

    def test_line_ends_become_cr_lf(self):
        for source, expected in [
            (b"a\nb\n", b"a\r\nb\r\n"),
            (b"a\r\nb\n\n", b"a\r\nb\r\n\r\n"),
            (b"\n\nx", b"\r\n\r\nx"),
        ]:
            with self.subTest(source=source):
                result, data = self.run_encoder("ascii", source)
                self.assertEqual(result.returncode, 0, result.stderr)
                self.assertEqual(data, expected)

    def test_rejected_input(self):
        for target, source, line in [
            ("gbk", "\ufeff[Setting]\n".encode(), "line 1"),
            ("big5", "a\nb\n简体字\n".encode(), "line 3"),
            ("ascii", "ok\nCafé\n".encode(), "line 2"),
            ("gbk", b"a\rb\n", "line 1"),
        ]:
            with self.subTest(target=target, source=source):
                result, _ = self.run_encoder(target, source)
                self.assertNotEqual(result.returncode, 0)
                self.assertIn(line, result.stderr)


if __name__ == "__main__":
    if len(sys.argv) > 1 and not sys.argv[1].startswith("-"):
        BUILT_DIR = os.path.abspath(sys.argv.pop(1))
    unittest.main()
