#!/usr/bin/env python3
"""How much of what the translators shipped does velb-batch carry over?

For each triple of the corpus in ../shared/corpus beside the tree, velb-batch carries the old
Chinese script over to the new English one, and its output is compared, string by string, with
new_zh.rc: the Traditional Chinese script the project really shipped with the new release.
The dialogs' strings are the CAPTION and each control's text. A shipped string is
"translated" when it differs from the new English text of the same control; one whose control
the new English lacks (a translator changed its ID) is not counted.

    scripts/measure_carry.py                          # --any-dialog --merged, as today
    scripts/measure_carry.py --extra=--strings        # the same with more velb-batch options
    scripts/measure_carry.py --menus                  # also menus and string tables

Columns: equal = shipped dialogs whose strings all equal the output's; recall = translated
shipped strings the output reproduces exactly; precision = output strings that differ from the
new English (carried) and equal the shipped one; coords = paired controls whose x, y, w, h
equal the shipped ones; unreachable = translated shipped strings that are no string of
old_zh.rc, so no reuse can reach them.

Dialogs are paired by name, controls by their ID and its occurrence in the dialog
(IDC_STATIC and -1 are one ID), menu items by menu, ID and occurrence, string-table
entries by ID.
"""
import argparse, collections, re, subprocess, sys, tempfile
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
CORPUS = ROOT.parent / "shared" / "corpus"
TRIPLES = ["winmerge-2.5.4-2.6.0", "winmerge-2.1.0.1-2.1.4.0", "notepad3-5.20.915.1-5.21.227.1"]
DEFAULT_PROGRAMS = [ROOT / "build/release/batch/velb-batch", ROOT / "build/dev/batch/velb-batch"]
BASE_OPTIONS = ["--any-dialog", "--merged", "--no-report", "--code-page", "950"]

MEMORY_OPTIONS = r"(?:[ \t]+(?:DISCARDABLE|MOVEABLE|FIXED|PURE|IMPURE|PRELOAD|LOADONCALL|SHARED|NONSHARED))*"
DIALOG_HEADER = re.compile(r"([^ \t,]+)[ \t]+DIALOG(?:EX)?" + MEMORY_OPTIONS + r"[ \t]+[-+(\w]")
MENU_HEADER = re.compile(r"([^ \t,]+)[ \t]+MENU(?:EX)?" + MEMORY_OPTIONS + r"[ \t]*(?://.*)?$")
STRINGTABLE_HEADER = re.compile(r"STRINGTABLE\b")

TEXT_CONTROLS = {"LTEXT", "RTEXT", "CTEXT", "PUSHBUTTON", "DEFPUSHBUTTON", "GROUPBOX", "CHECKBOX",
                 "AUTOCHECKBOX", "RADIOBUTTON", "AUTORADIOBUTTON", "STATE3", "AUTO3STATE", "ICON",
                 "PUSHBOX"}
# Where a statement's ID and its four coordinates stand among its operands.
CONTROL_LAYOUT = {"CONTROL": (1, 4),
                  **{kind: (1, 2) for kind in TEXT_CONTROLS},
                  **{kind: (0, 1) for kind in ("EDITTEXT", "COMBOBOX", "LISTBOX", "SCROLLBAR")}}
STATIC_IDS = {"IDC_STATIC", "-1"}

TOKEN = re.compile(r'''
    (?P<comment>//[^\n]*|/\*.*?(?:\*/|\Z))
  | (?P<string>"(?:[^"\\]|\\.|"")*")  # may go on over lines, as in string tables
  | (?P<newline>\n)
  | (?P<blank>[^\S\n]+)
  | (?P<word>[,|]|[^\s,|"/]+|/)
''', re.X | re.S)

Token = collections.namedtuple("Token", "text is_string starts_line")
Item = collections.namedtuple("Item", "text coordinates")  # text None: the control has no text


def read_script(path):
    # Big5 as shipped; bytes that are no Big5 still compare as themselves. The corpus ends its
    # lines with LF, velb-batch with CR LF.
    return path.read_bytes().decode("cp950", errors="surrogateescape").replace("\r\n", "\n")


def tokens(text):
    """Strings, words, commas and bars, without comments; each knows whether it opens a line."""
    at_line_start = True
    for match in TOKEN.finditer(text):
        kind, value = match.lastgroup, match.group()
        if kind == "newline" or (kind == "comment" and "\n" in value):
            at_line_start = True
        elif kind in ("string", "word"):
            yield Token(value, kind == "string", at_line_start)
            at_line_start = False


def statements(text):
    """Token lists, one per statement: a line that ends with ',' or '|' goes on in the next."""
    result = []
    for token in tokens(text):
        continued = result and result[-1][-1].text in (",", "|") and not result[-1][-1].is_string
        if token.starts_line and not continued and token.text not in (",", "|"):
            result.append([token])
        elif result:
            result[-1].append(token)
    return result


def operands(statement):
    """The statement's operands split at commas. Some old scripts leave out the comma after a
    control's text (PUSHBUTTON "&Define Custom Colors >>" COLOR_MIX, 10,10,50,14)."""
    result, current = [], []
    for token in statement[1:]:
        if token.text == "," and not token.is_string:
            result.append(current)
            current = []
            continue
        if current and current[-1].is_string:
            result.append(current)
            current = []
        current.append(token)
    result.append(current)
    return result


def literal(operand):
    """The text of an operand that is one string literal, as written between the quotes."""
    if len(operand) == 1 and operand[0].is_string:
        return operand[0].text[1:-1]
    return None


def joined(operand):
    return "".join(token.text for token in operand)


def blocks(script, header):
    """(name, body text) for every block whose header line matches, up to its column-0 END."""
    lines = script.split("\n")
    result, index = [], 0
    while index < len(lines):
        match = header.match(lines[index])
        index += 1
        if not match:
            continue
        body = []
        while index < len(lines) and lines[index].rstrip() != "END":
            body.append(lines[index])
            index += 1
        result.append((match.group(1) if match.groups() else "", "\n".join(body)))
    return result


def keyed(entries):
    """Keys (ID, occurrence of that ID) for a list of (ID, Item), so that repeated IDs pair up
    in order."""
    seen = collections.Counter()
    result = {}
    for identifier, item in entries:
        result[(identifier, seen[identifier])] = item
        seen[identifier] += 1
    return result


def dialog_items(body):
    """The caption and the controls of a dialog body."""
    entries = []
    for statement in statements(body):
        keyword = statement[0].text.upper()
        parts = operands(statement)
        if keyword == "CAPTION":
            entries.append(("CAPTION", Item(literal(parts[0]), None)))
        elif keyword in CONTROL_LAYOUT:
            id_at, coordinates_at = CONTROL_LAYOUT[keyword]
            text = literal(parts[0]) if id_at == 1 else None
            identifier = joined(parts[id_at]) if len(parts) > id_at else ""
            if identifier in STATIC_IDS:
                identifier = "IDC_STATIC"
            coordinates = tuple(joined(part) for part in parts[coordinates_at:coordinates_at + 4])
            entries.append((identifier, Item(text, coordinates)))
    return keyed(entries)


def menu_items(body):
    """A menu's items and popups; a popup is known by its place among the menu's popups."""
    entries = []
    for statement in statements(body):
        keyword = statement[0].text.upper()
        parts = operands(statement)
        if keyword == "POPUP":
            entries.append(("POPUP", Item(literal(parts[0]), None)))
        elif keyword == "MENUITEM" and literal(parts[0]) is not None:
            identifier = joined(parts[1]) if len(parts) > 1 else ""
            entries.append((identifier, Item(literal(parts[0]), None)))
    return keyed(entries)


def stringtable_items(bodies):
    """Every STRINGTABLE entry of the script by its ID; the ID and its string may stand on
    different lines, with or without a comma between them."""
    entries, identifier = {}, None
    for body in bodies:
        for token in tokens(body):
            if token.is_string and identifier is not None:
                entries[(identifier, 0)] = Item(token.text[1:-1], None)
                identifier = None
            elif not token.is_string and token.text not in (",", "BEGIN", "{", "}"):
                identifier = token.text
    return entries


def dialogs(script):
    return {name: dialog_items(body) for name, body in blocks(script, DIALOG_HEADER)}


def menus_and_strings(script):
    units = {name: menu_items(body) for name, body in blocks(script, MENU_HEADER)}
    stringtables = [body for _, body in blocks(script, STRINGTABLE_HEADER)]
    if stringtables:
        units["STRINGTABLE"] = stringtable_items(stringtables)
    return units


def string_literals(script):
    return {token.text[1:-1] for token in tokens(script) if token.is_string}


def carry_over(program, extra, triple, folder):
    """Runs velb-batch on the triple's three inputs and returns the script it writes."""
    output = Path(folder) / "new.rc"
    command = [str(program), *BASE_OPTIONS, *extra,
               *(str(triple / name) for name in ("old_en.rc", "old_zh.rc", "new_en.rc")), str(output)]
    run = subprocess.run(command, cwd=folder, capture_output=True, text=True)
    if run.returncode != 0:
        sys.exit(f"{triple.name}: velb-batch failed ({run.returncode}): {run.stderr.strip()}")
    return read_script(output)


def compare(shipped, output, english, old_strings, misses=False):
    """Counts of one triple: shipped, output and English are {unit name: {key: Item}}. With
    misses, each string not reproduced or carried wrong, and each rectangle that differs, is printed."""
    counts = collections.Counter()
    def miss(what, name, key, got, wanted):
        if misses:
            print(f"  {what:12} {name} {key}: {got} | shipped {wanted}")
    for name, shipped_items in shipped.items():
        output_items, english_items = output.get(name, {}), english.get(name, {})
        counts["units"] += 1
        counts["equal"] += texts(shipped_items) == texts(output_items)
        for key, item in translated(shipped_items, english_items):
            counts["translated"] += 1
            counts["reproduced"] += text_of(output_items, key) == item.text
            if text_of(output_items, key) != item.text and text_of(output_items, key) == english_items[key].text:
                miss("missed", name, key, english_items[key].text, item.text)
            counts["unreachable"] += item.text not in old_strings
        for key, item in translated(output_items, english_items):
            counts["carried"] += 1
            counts["carried right"] += text_of(shipped_items, key) == item.text
            if text_of(shipped_items, key) != item.text:
                miss("wrong", name, key, item.text, text_of(shipped_items, key))
        for key, item in output_items.items():
            if item.coordinates and key in shipped_items and shipped_items[key].coordinates:
                counts["paired"] += 1
                counts["same coordinates"] += item.coordinates == shipped_items[key].coordinates
                if item.coordinates != shipped_items[key].coordinates:
                    miss("rectangle", name, key, item.coordinates, shipped_items[key].coordinates)
    return counts


def translated(items, english_items):
    """The items whose text differs from that of their English control. A control the English
    dialog lacks (a translator changed its ID) has nothing to be compared with and is left out."""
    return [(key, item) for key, item in items.items()
            if item.text is not None and key in english_items and item.text != english_items[key].text]


def text_of(items, key):
    return items[key].text if key in items else None


def texts(items):
    return {key: item.text for key, item in items.items() if item.text is not None}


def share(part, whole):
    return f"{part}/{whole} {100 * part / whole:5.1f}%" if whole else f"{part}/0"


def print_table(title, rows, with_layout):
    columns = ["equal", "recall", "precision"] + (["coords"] if with_layout else []) + ["unreachable"]
    print(f"{title:32}" + "".join(f"{column:>20}" for column in columns))
    for name, counts in rows:
        cells = [f"{counts['equal']}/{counts['units']}",
                 share(counts["reproduced"], counts["translated"]),
                 share(counts["carried right"], counts["carried"])]
        if with_layout:
            cells.append(share(counts["same coordinates"], counts["paired"]))
        cells.append(str(counts["unreachable"]))
        print(f"{name:32}" + "".join(f"{cell:>20}" for cell in cells))


def velb_batch(given):
    """The program to measure; it runs in a folder of its own, so a relative path is resolved
    here."""
    program = Path(given).resolve() if given else next(
        (path for path in DEFAULT_PROGRAMS if path.exists()), DEFAULT_PROGRAMS[0])
    if not program.is_file():
        sys.exit(f"no velb-batch at {program}: build it or give --velb-batch")
    return program


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--velb-batch", help="the program (default build/release/batch/velb-batch, "
                        "else build/dev/batch/velb-batch)")
    parser.add_argument("--extra", action="append", default=[], metavar="OPTION",
                        help="one more velb-batch option, e.g. --extra=--strings; may be repeated")
    parser.add_argument("--menus", action="store_true",
                        help="also count menu items and string-table entries")
    parser.add_argument("--misses", action="store_true",
                        help="print each string missed or carried wrong, and each rectangle that differs")
    parser.add_argument("--corpus", type=Path, default=CORPUS, help=f"default {CORPUS}")
    arguments = parser.parse_args()

    if not arguments.corpus.is_dir():
        print(f"skipped: no corpus at {arguments.corpus}")
        return
    program = velb_batch(arguments.velb_batch)
    print(f"velb-batch {' '.join(BASE_OPTIONS + arguments.extra)}  ({program})")

    dialog_rows, menu_rows = [], []
    for triple in (arguments.corpus / name for name in TRIPLES):
        with tempfile.TemporaryDirectory(prefix="velb-measure-") as folder:
            output = carry_over(program, arguments.extra, triple, folder)
        shipped, english = read_script(triple / "new_zh.rc"), read_script(triple / "new_en.rc")
        old_strings = string_literals(read_script(triple / "old_zh.rc"))
        if arguments.misses:
            print(triple.name)
        dialog_rows.append((triple.name, compare(dialogs(shipped), dialogs(output), dialogs(english),
                                                 old_strings, arguments.misses)))
        if arguments.menus:
            menu_rows.append((triple.name, compare(menus_and_strings(shipped), menus_and_strings(output),
                                                   menus_and_strings(english), old_strings, arguments.misses)))

    dialog_rows.append(("total", sum((counts for _, counts in dialog_rows), collections.Counter())))
    print_table("dialogs", dialog_rows, with_layout=True)
    if arguments.menus:
        menu_rows.append(("total", sum((counts for _, counts in menu_rows), collections.Counter())))
        print()
        print_table("menus and string tables", menu_rows, with_layout=False)


if __name__ == "__main__":
    main()
