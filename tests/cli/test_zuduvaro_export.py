#!/usr/bin/env python3
"""End-to-end checks of zuduvaro-export: the exact files of the worked examples, and files read
back by independent readers (lxml for XML, html5lib for HTML).

Run: test_zuduvaro_export.py --exe PATH/zuduvaro-export [unittest arguments]
"""
import os
import resource
import signal
import stat
import subprocess
import sys
import tempfile
import unittest

import html5lib
from lxml import etree

EXE = None
NBSP = "\u00a0"
FFFD = "\ufffd"

SPORTKA_CSV = "Sportka,1. číslo,2. číslo\r\nPole 1,5,17\r\nPole 2,23,42\r\n".encode("utf-8")

SPORTKA_XML = [
    '<?xml version="1.0" standalone="yes"?>',
    '<DATAPACKET Version="2.0">',
    "<METADATA>",
    "<FIELDS>",
    '<FIELD FieldName="Field0" DisplayLabel="Sportka" FieldType="String" FieldClass="TField"/>',
    '<FIELD FieldName="Field1" DisplayLabel="1._číslo" FieldType="String" FieldClass="TField"/>',
    '<FIELD FieldName="Field2" DisplayLabel="2._číslo" FieldType="String" FieldClass="TField"/>',
    "</FIELDS>",
    "</METADATA>",
    "<ROWDATA>",
    '<ROW Field0="Pole&#160;1" Field1="5" Field2="17"/>',
    '<ROW Field0="Pole&#160;2" Field1="23" Field2="42"/>',
    "</ROWDATA>",
    "</DATAPACKET>",
]

SPORTKA_HTML = [
    "<HTML>",
    "<HEAD>",
    '<META http-equiv="content-type" content="text/html; charset=UTF-8">',
    " <Title>Sportka</Title>",
    '<Style type="text/css">',
    "  BODY { background: #FFFFFF; color: #000000;",
    " " * 9 + "font-family: Arial;",
    "  }",
    "  A:link { color: #FF0000 }",
    "  A:visited { color: #800080 }",
    "  A:active { color: #0000FF }",
    "  .ThRows { ",
    " " * 12 + "background-color: #CEC6B5;",
    " " * 12 + "color: #000000;",
    " " * 12 + "font-weight: bold; text-align: center;",
    " " * 12 + "font-family: Arial;",
    "  }",
    "  .TrRows {",
    " " * 12 + "background-color: #DEE7DE;",
    " " * 12 + "color: #000000;",
    " " * 12 + "font-family: Arial;",
    "  }",
    "  .TrOdd  {",
    " " * 12 + "background-color: #FFFBF0;",
    " " * 12 + "color: #000000;",
    " " * 12 + "font-family: Arial;",
    "  }",
    "</STYLE>",
    "</HEAD>",
    "<BODY>",
    "<br>",
    '<Table Border="1" Cellpadding="4" Cellspacing="1">',
    "  <tr>",
    '    <td class="ThRows">Sportka</td>',
    '    <td class="ThRows">1.&#160;číslo</td>',
    '    <td class="ThRows">2.&#160;číslo</td>',
    "  </tr>",
    "  <tr>",
    '    <td class="TrOdd" align=Left>Pole&#160;1</td>',
    '    <td class="TrOdd" align=Left>5</td>',
    '    <td class="TrOdd" align=Left>17</td>',
    "  </tr>",
    "  <tr>",
    '    <td class="TrRows" align=Left>Pole&#160;2</td>',
    '    <td class="TrRows" align=Left>23</td>',
    '    <td class="TrRows" align=Left>42</td>',
    "  </tr>",
    "</Table>",
    "<br>",
    "</BODY>",
    "</HTML>",
]

# Every kind of text a cell can hold; row 0 holds the captions.
TRICKY_GRID = [
    ["Hra <b>&amp;</b>", 'Řekl "ahoj"', "it's", "", "Šťastných 10 🎲"],
    ["Pole 1", "<script>alert('x')</script>", "a & b > c", "  two  spaces ", "žluťoučký kůň 🐴"],
    ["ctl\x01\x08\x0b\x0c\x1b\x7fend", "nul\x00x", "", "tab\there", "line\r\nbreak"],
    ["", "&#160;", "\"quoted, with comma\"", "😀😀", ""],
]


def csv_bytes(rows):
    def field(text):
        if any(c in text for c in ',"\r\n'):
            return '"' + text.replace('"', '""') + '"'
        return text

    return "".join(",".join(field(t) for t in row) + "\r\n" for row in rows).encode("utf-8")


def xml_text(text):
    """What an XML reader gives back for a cell: spaces as no-break spaces, characters XML cannot
    carry as U+FFFD."""
    out = []
    for c in text:
        if ord(c) < 0x20 and c not in "\t\n\r":
            out.append(FFFD)
        else:
            out.append(NBSP if c == " " else c)
    return "".join(out)


def run(args, stdin=None, env=None, preexec_fn=None):
    return subprocess.run([EXE] + args, input=stdin, capture_output=True, env=env, preexec_fn=preexec_fn)


class CliTestCase(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.dir = self.tmp.name
        self.addCleanup(self.tmp.cleanup)

    def path(self, *names):
        return os.path.join(self.dir, *names)

    def write(self, name, data):
        with open(self.path(name), "wb") as f:
            f.write(data)
        return self.path(name)

    def read(self, name):
        with open(self.path(name), "rb") as f:
            return f.read()

    def export(self, fmt, csv, output, *extra, **kwargs):
        result = run(["--format", fmt, *extra, csv, output], **kwargs)
        self.assertEqual(result.returncode, 0, result.stderr.decode("utf-8", "replace"))
        self.assertEqual(result.stderr, b"")
        return result


class WorkedExamples(CliTestCase):
    def test_sportka_xml_is_the_fourteen_line_document(self):
        csv = self.write("sportka.csv", SPORTKA_CSV)
        self.export("xml", csv, self.path("sportka.xml"))
        self.assertEqual(self.read("sportka.xml"), "".join(l + "\r\n" for l in SPORTKA_XML).encode("utf-8"))

    def test_sportka_html_from_standard_input_is_the_fifty_one_line_page(self):
        self.export("html", "-", self.path("sportka.html"), "--name", "Sportka", stdin=SPORTKA_CSV)
        self.assertEqual(self.read("sportka.html"), "".join(l + "\r\n" for l in SPORTKA_HTML).encode("utf-8"))

    def test_output_is_written_as_named_and_nothing_is_opened(self):
        # Stand-ins for every desktop opener: any of them leaves a mark when started.
        bin_dir = self.path("bin")
        os.mkdir(bin_dir)
        mark = self.path("opened")
        for opener in ("xdg-open", "gio", "kde-open", "kde-open5", "gnome-open", "exo-open", "open", "sensible-browser"):
            script = os.path.join(bin_dir, opener)
            with open(script, "w") as f:
                f.write("#!/bin/sh\necho \"$0 $*\" >> '%s'\n" % mark)
            os.chmod(script, 0o755)
        env = dict(os.environ, PATH=bin_dir + os.pathsep + os.environ.get("PATH", ""), BROWSER=bin_dir + "/xdg-open")
        csv = self.write("sportka.csv", SPORTKA_CSV)
        self.export("xml", csv, self.path("no-extension"), env=env)
        self.export("html", csv, self.path("page.htm"), env=env)
        self.assertEqual(sorted(os.listdir(self.dir)), ["bin", "no-extension", "page.htm", "sportka.csv"])
        self.assertFalse(os.path.exists(mark))


class IndependentReaders(CliTestCase):
    def setUp(self):
        super().setUp()
        self.csv = self.write("tricky.csv", csv_bytes(TRICKY_GRID))
        self.width = max(len(r) for r in TRICKY_GRID)

    def test_xml_parses_and_carries_every_text(self):
        self.export("xml", self.csv, self.path("tricky.xml"))
        root = etree.fromstring(self.read("tricky.xml"))
        self.assertEqual(root.tag, "DATAPACKET")
        fields = root.findall("METADATA/FIELDS/FIELD")
        self.assertEqual([f.get("DisplayLabel") for f in fields],
                         [xml_text(c).replace(NBSP, "_") for c in TRICKY_GRID[0]])
        self.assertEqual([f.get("FieldName") for f in fields], ["Field%d" % i for i in range(self.width)])
        rows = root.findall("ROWDATA/ROW")
        self.assertEqual(len(rows), len(TRICKY_GRID) - 1)
        for row, cells in zip(rows, TRICKY_GRID[1:]):
            self.assertEqual([row.get("Field%d" % i) for i in range(self.width)], [xml_text(c) for c in cells])

    def test_html_parses_and_carries_every_text(self):
        self.export("html", self.csv, self.path("tricky.html"), "--name", "Šťastných 10")
        document = html5lib.parse(self.read("tricky.html"), treebuilder="lxml", namespaceHTMLElements=False)
        self.assertEqual(document.findtext(".//title"), "Šťastných 10")

        def cell_text(td):
            # <br> stands for a line break of the cell.
            parts = [td.text or ""]
            for child in td:
                parts.append("\r\n" if child.tag == "br" else "".join(child.itertext()))
                parts.append(child.tail or "")
            return "".join(parts)

        table_rows = document.findall(".//table/tbody/tr")
        self.assertEqual(len(table_rows), len(TRICKY_GRID))
        captions = [cell_text(td) for td in table_rows[0].findall("td")]
        self.assertEqual(captions, [xml_text(c) for c in TRICKY_GRID[0]])
        for number, (tr, cells) in enumerate(zip(table_rows[1:], TRICKY_GRID[1:])):
            tds = tr.findall("td")
            self.assertEqual({td.get("class") for td in tds}, {"TrOdd" if number % 2 == 0 else "TrRows"})
            # An empty cell shows a no-break space.
            self.assertEqual([cell_text(td) for td in tds], [xml_text(c) or NBSP for c in cells])

    def test_short_rows_are_padded_to_the_widest_row(self):
        csv = self.write("short.csv", "A,B,C\nx\n\"y\",z\n".encode("utf-8"))
        self.export("xml", csv, self.path("short.xml"))
        rows = etree.fromstring(self.read("short.xml")).findall("ROWDATA/ROW")
        self.assertEqual([dict(r.attrib) for r in rows],
                         [{"Field0": "x", "Field1": "", "Field2": ""}, {"Field0": "y", "Field1": "z", "Field2": ""}])


class Folders(CliTestCase):
    def test_missing_folders_are_created(self):
        csv = self.write("sportka.csv", SPORTKA_CSV)
        for fmt in ("xml", "html"):
            self.export(fmt, csv, self.path("new", fmt, "out." + fmt))
            self.assertTrue(self.read(os.path.join("new", fmt, "out." + fmt)).startswith(b"<"))

    def test_folder_under_a_file_gives_message_34025_and_leaves_nothing(self):
        csv = self.write("sportka.csv", SPORTKA_CSV)
        self.write("blocker", b"a file")
        for fmt in ("xml", "html"):
            result = run(["--format", fmt, csv, self.path("blocker", "sub", "out." + fmt)])
            self.assertNotEqual(result.returncode, 0)
            self.assertEqual(result.stderr.decode("utf-8").strip(),
                             'Directory "%s" not found and cannot be created' % self.path("blocker", "sub"))
        self.assertEqual(sorted(os.listdir(self.dir)), ["blocker", "sportka.csv"])
        self.assertEqual(self.read("blocker"), b"a file")


class Failures(CliTestCase):
    def test_failed_write_leaves_the_existing_file_untouched(self):
        # Enough rows that the output passes the file-size limit set below half-way through.
        rows = [["Pole", "číslo"]] + [["Pole %d" % i, str(i)] for i in range(1, 2000)]
        csv = self.write("big.csv", csv_bytes(rows))

        def limit_file_size():
            signal.signal(signal.SIGXFSZ, signal.SIG_IGN)  # a write past the limit fails instead
            resource.setrlimit(resource.RLIMIT_FSIZE, (8192, 8192))

        for fmt in ("xml", "html"):
            target = self.write("out." + fmt, b"old content")
            result = run(["--format", fmt, csv, target], preexec_fn=limit_file_size)
            self.assertNotEqual(result.returncode, 0, fmt)
            self.assertNotEqual(result.stderr.strip(), b"", fmt)
            self.assertEqual(self.read("out." + fmt), b"old content")
        self.assertEqual(sorted(os.listdir(self.dir)), ["big.csv", "out.html", "out.xml"])

    def test_bad_input_leaves_the_existing_file_untouched(self):
        target = self.write("out.xml", b"old content")
        bad = self.write("bad.csv", b'a,"unclosed\n')
        result = run(["--format", "xml", bad, target])
        self.assertEqual(result.returncode, 1)
        self.assertEqual(result.stderr.decode("utf-8").strip(), "CSV: the quoted field that starts on line 1 is not closed")
        result = run(["--format", "xml", self.path("missing.csv"), target])
        self.assertEqual(result.returncode, 1)
        self.assertIn("missing.csv", result.stderr.decode("utf-8"))
        self.assertEqual(self.read("out.xml"), b"old content")

    def test_formats_without_a_writer_say_so(self):
        csv = self.write("sportka.csv", SPORTKA_CSV)
        result = run(["--format", "ods", csv, self.path("out.ods")])
        self.assertEqual(result.returncode, 1)
        self.assertEqual(result.stderr.decode("utf-8").strip(), "Export do formátu ODS zatím není k dispozici.")
        self.assertFalse(os.path.exists(self.path("out.ods")))

    def test_wrong_command_lines(self):
        csv = self.write("sportka.csv", SPORTKA_CSV)
        for args in (["--format", "pdf", csv, "x"], [csv, "x"], ["--format", "xml", csv], ["--bogus"]):
            result = run(args)
            self.assertEqual(result.returncode, 2, args)
            self.assertIn("--help", result.stderr.decode("utf-8"))
        self.assertEqual(sorted(os.listdir(self.dir)), ["sportka.csv"])


class GeneratedTickets(CliTestCase):
    """--game fills the table with the game's own drawing routines instead of reading a CSV file."""

    # game id, drawn numbers per field (Keno and Šťastných 10 asked for ten), largest value
    GAMES = [
        ("keno", 10, 70),
        ("stastnych10", 10, 80),
        ("euromiliony", 7, 35),
        ("luckylines", 8, 40),
        ("sportka", 6, 49),
        ("kostky", 6, 6),
    ]

    def generate(self, game, output, *extra):
        result = run(["--format", "xml", "--game", game, *extra, output])
        self.assertEqual(result.returncode, 0, result.stderr.decode("utf-8", "replace"))
        rows = etree.parse(output).getroot().find("ROWDATA").findall("ROW")
        return [[row.get("Field%d" % c) for c in range(11)] for row in rows]

    def test_every_game_gives_valid_fields_and_the_same_seed_the_same_table(self):
        for game, count, top in self.GAMES:
            with self.subTest(game=game):
                numbers = ["--numbers", "10"] if count == 10 else []
                rows = self.generate(game, self.path(game + ".xml"), "--fields", "12", "--seed", "42", *numbers)
                self.assertEqual(len(rows), 12)
                for n, row in enumerate(rows, 1):
                    self.assertEqual(row[0], "Pole" + NBSP + str(n))
                    values = [int(v) for v in row[1:count + 1]]
                    self.assertTrue(all(1 <= v <= top for v in values), row)
                    if game == "luckylines":
                        self.assertEqual([(v - 1) // 5 for v in values], list(range(8)))
                    elif game != "kostky":
                        self.assertEqual(len(set(values)), count, row)
                    if game == "euromiliony":
                        self.assertIn(int(row[8]), range(1, 5))
                    if game == "kostky":
                        self.assertEqual(int(row[7]), sum(values))
                    used = count + (1 if game in ("euromiliony", "kostky") else 0)
                    self.assertEqual(row[used + 1:], [""] * (10 - used))
                again = self.generate(game, self.path(game + "-again.xml"), "--fields", "12", "--seed", "42", *numbers)
                self.assertEqual(again, rows)

        captions = etree.parse(self.path("keno.xml")).getroot().find("METADATA/FIELDS").findall("FIELD")
        self.assertEqual(captions[0].get("DisplayLabel"), "KENO")

    def test_the_html_page_carries_the_game_name_unless_one_is_given(self):
        run(["--format", "html", "--game", "stastnych10", "--seed", "1", self.path("s.html")])
        run(["--format", "html", "--game", "sportka", "--name", "Můj tiket", self.path("m.html")])
        titles = [html5lib.parse(self.read(n), namespaceHTMLElements=False).find(".//title").text
                  for n in ("s.html", "m.html")]
        self.assertEqual(titles, ["Šťastných 10", "Můj tiket"])
        rows = html5lib.parse(self.read("s.html"), namespaceHTMLElements=False).findall(".//tr")
        self.assertEqual(len(rows), 5)  # the caption row and the window's default of four fields

    def test_wrong_game_options_are_refused_without_writing(self):
        cases = [
            (["--game", "bingo"], 2),
            (["--game", "keno", "--fields", "many"], 2),
            (["--game", "keno", "--numbers", "11"], 1),
            (["--game", "sportka", "--numbers", "5"], 1),
            (["--game", "keno", "--fields", "0"], 1),
            (["--game", "keno", "--seed", "-3"], 2),
            (["--fields", "3", self.write("t.csv", SPORTKA_CSV)], 2),
        ]
        for extra, status in cases:
            with self.subTest(extra=extra):
                result = run(["--format", "xml", *extra, self.path("out.xml")])
                self.assertEqual(result.returncode, status, result.stderr)
                self.assertNotEqual(result.stderr, b"")
        self.assertFalse(os.path.exists(self.path("out.xml")))


class Help(CliTestCase):
    def test_help_explains_the_command(self):
        result = run(["--help"])
        self.assertEqual(result.returncode, 0)
        text = result.stdout.decode("utf-8")
        for word in ("--format", "--name", "GRID.csv", "OUTPUT", "xml", "html", "standard input", "RFC 4180",
                     "--game", "--fields", "--numbers", "--seed", "sportka"):
            self.assertIn(word, text)


if __name__ == "__main__":
    if len(sys.argv) < 3 or sys.argv[1] != "--exe":
        sys.exit("usage: test_zuduvaro_export.py --exe PATH [unittest arguments]")
    EXE = sys.argv[2]
    unittest.main(argv=[sys.argv[0]] + sys.argv[3:], verbosity=2)
