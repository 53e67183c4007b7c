#!/usr/bin/env python3
"""Mutation run: inject one small fault at a time and see whether the tests notice.

A test that cannot fail earns nothing. This script makes one small change at a time in the
engine, run control and batch sources (a flipped comparison, && for ||, a dropped !, a
constant off by one, true for false, a deleted statement), rebuilds, and runs the suite.
A mutant the suite fails on is killed; one it passes survives and points at behaviour no
test pins down. The score says which faults the suite catches.

    scripts/mutate.py --sample 120 --seed 1         # 120 compiling mutants, in seed-1 order
    scripts/mutate.py --list                        # print the mutation sites, build nothing
    scripts/mutate.py --work /tmp/velb-mut --report mutation.txt   # reuse a work copy

Options: --source DIR (tree to mutate, default this repository), --work DIR (work copy,
reused when already configured; default a new temp dir), --dirs D... (default engine run
batch), --sample N (compiling mutants to run, default 120), --seed S (default 1), --list,
--keep-going (run the whole suite for each mutant, name the failing tests, and end with each
test's kills and how many of them no other test made), --report FILE.

The source is copied (without build/, .git and bench/data) to the work copy and configured
there once (Debug, no benchmarks); the unmutated suite must pass before any mutant runs.
Each mutant is built and run with ctest under LC_ALL=C.UTF-8 and again under LC_ALL=C, as
some behaviour depends on the locale; it is killed when either run fails or a test outlives
--timeout (20 s by default; the whole suite takes about a second, so only a hang comes near). A mutant that does not compile is skipped and not counted. The file is always put
back afterwards, so the work copy can be reused.

Comments, literals, preprocessor lines, static_assert and pure-virtual "= 0" are left alone,
as is code in #ifdef _WIN32 branches elsewhere, which is never compiled there. Comparisons
are recognised by the blanks clang-format puts around them, so template brackets are not
touched. A deleted statement that is the unbraced body of an if/for/while/else becomes {}.
The tests read ../shared/corpus beside the tree; when the source has a shared/ folder beside
it, the work copy gets a link to it at the same place.
"""
import argparse, collections, filecmp, os, random, re, shutil, subprocess, sys, tempfile, time
from pathlib import Path

NOT_COMPILED_HERE = set() if sys.platform == "win32" else {"_WIN32", "_MSC_VER"}
FLIP = {"==": "!=", "!=": "==", "<": ">=", "<=": ">", ">": "<=", ">=": "<", "&&": "||", "||": "&&",
        "true": "false", "false": "true", "+": "-", "-": "+"}
OPERATORS = [
    re.compile(r"(?<= )(==|!=|<=|>=|<|>|&&|\|\|)(?= )"),  # comparisons and logic, blanks around
    re.compile(r"(?<![\w)\]])!(?!=)"),                    # a leading ! (dropped)
    re.compile(r"(?<![\w.'])\d+(?=[uUlLzZ]*(?![\w.']))"),  # decimal integer literal -> n+1
    re.compile(r"(?<= )[-+](?= 1(?![\w.']))"),           # + 1 <-> - 1
    re.compile(r"\b(true|false)\b"),
]
NOT_A_STATEMENT = re.compile(r"^(?:(?:return|break|continue|goto|case|default|else|if|for|while|do|switch|try|"
                             r"catch|using|typedef|template|namespace|friend|static_assert|co_return)\b|[{}])")
DECLARATION = re.compile(r"^(?!(?:throw|delete|co_await|co_yield)\b)"
                         r"(?:(?:const|constexpr|static|inline|thread_local|volatile|unsigned|signed|long|short)\s+)*"
                         r"[A-Za-z_][\w:]*(?:<.*>)?(?:\s*[*&]+\s*|\s+)(?:const\s+)?[A-Za-z_]\w*\s*(?:[=({\[;,]|$)")
CODE_BLOCK_HEADER = re.compile(r"(?:\)|\]|\b(?:else|do|try|const|override|noexcept|final|mutable)|->\s*[\w:<>,*& ]+)$")
CONTROL_HEADER = re.compile(r"^(?:else\s+)?(?:(?:if|for|while)\b\s*(?:constexpr\s*)?\(.*\)|else)$")
PURE_VIRTUAL = re.compile(r"(\)\s*(?:const\s*)?(?:override\s*)?=\s*)0(\s*;)")
LABEL = re.compile(r"^(?:case\b.*|default|public|private|protected)\s*:$")


def mask(text):
    """The text with comments blanked and literals filled with '_'; same length and line breaks."""
    out, i, n = list(text), 0, len(text)

    def fill(a, b, ch):
        for k in range(a, b):
            if out[k] != "\n":
                out[k] = ch

    while i < n:
        c = text[i]
        if text.startswith("//", i) or text.startswith("/*", i):
            line_comment = text[i + 1] == "/"
            end = text.find("\n", i) if line_comment else text.find("*/", i + 2)
            end = n if end < 0 else end if line_comment else end + 2
            fill(i, end, " ")
            i = end
        elif c == '"' and re.search(r"(?<![\w])(?:u8|[uUL])?R$", text[max(0, i - 3):i]):
            delim = re.match(r'"([^(\s]*)\(', text[i:]).group(1)
            end = text.find(")" + delim + '"', i) + len(delim) + 2
            fill(i + 1, end - 1, "_")
            i = end
        elif c == '"' or (c == "'" and not re.search(r"(?<![\w'])\d[\w']*$", text[max(0, i - 40):i])):
            j = i + 1
            while j < n and text[j] not in (c, "\n"):
                j += 2 if text[j] == "\\" else 1
            fill(i + 1, j, "_")
            i = j + 1
        else:
            i += 1
    return "".join(out)


def compiled_lines(lines):
    """Per line: whether it is code the compiler sees here (not a directive, not a foreign #ifdef branch)."""
    stack, result, continued = [], [], False  # stack: [inactive, flips_on_else] per open #if
    for line in lines:
        s = line.strip()
        if continued or s.startswith("#"):
            m = re.match(r"#\s*(\w+)\s*(.*)", s) if not continued else None
            if m and m.group(1) in ("if", "ifdef", "ifndef"):
                name = re.sub(r"defined\s*\(?\s*(\w+)\s*\)?", r"\1", m.group(2)).strip()
                foreign = name in NOT_COMPILED_HERE or (m.group(1) == "if" and name == "0")
                stack.append([foreign and m.group(1) != "ifndef", foreign])
            elif m and m.group(1) == "else" and stack:
                stack[-1][0] = stack[-1][1] and not stack[-1][0]
            elif m and m.group(1) == "elif" and stack:
                stack[-1] = [False, False]
            elif m and m.group(1) == "endif" and stack:
                stack.pop()
            continued = s.endswith("\\")
            result.append(False)
        else:
            result.append(not any(inactive for inactive, _ in stack))
    return result


def find_sites(root, rel):
    """All mutants of one file: (path, line number, start, end, replacement)."""
    lines = (root / rel).read_bytes().decode("utf-8").split("\n")
    masked = mask("\n".join(lines)).split("\n")
    compiled = compiled_lines(masked)
    sites, blocks, pending, depth, in_assert = [], [], "", 0, False  # blocks: (is_code, paren depth)
    for idx, (line, code) in enumerate(zip(lines, masked)):
        if not compiled[idx]:
            continue
        code = PURE_VIRTUAL.sub(r"\1 \2", code)
        s = code.strip()
        in_assert = in_assert or "static_assert" in s
        if not in_assert:
            for op in OPERATORS:
                for m in op.finditer(code):
                    new = "" if m.group() == "!" else FLIP.get(m.group()) or str(int(m.group()) + 1)
                    sites.append((rel, idx + 1, m.start(), m.end(), new))
            header = pending.strip()
            if (blocks and blocks[-1][0] and depth == 0 and (not header or CONTROL_HEADER.match(header))
                    and s.endswith(";") and s != ";" and line[:1].isspace() and not NOT_A_STATEMENT.match(s)
                    and not DECLARATION.match(s) and all(s.count(a) == s.count(b) for a, b in ("()", "[]", "{}"))):
                indent = line[:len(line) - len(line.lstrip())]
                sites.append((rel, idx + 1, 0, len(line), indent + "{}" if header else ""))
        in_assert = in_assert and not s.endswith(";")
        for ch in code:  # follow braces and statements to know where function bodies are
            if ch == "{":
                h = pending.strip()
                is_code = not re.search(r"\b(?:class|struct|union|enum|namespace)\b", h) and bool(
                    CODE_BLOCK_HEADER.search(h) or (not h and blocks and blocks[-1][0]))
                blocks.append((is_code, depth))
                pending, depth = "", 0
            elif ch == "}":
                depth = blocks.pop()[1] if blocks else 0
                pending = ""
            elif ch == ";" and depth == 0:
                pending = ""
            else:
                depth += (ch == "(") - (ch == ")")
                pending += ch
        pending = "" if LABEL.match(pending.strip()) else pending + " "
    return sites


def describe(site, original):
    rel, line, start, end, new = site
    deleted = start == 0 and end == len(original)
    return f"{rel}:{line}  " + ("delete statement" if deleted else f"'{original[start:end]}' -> '{new}'")


def run(cmd, **kw):
    return subprocess.run([str(c) for c in cmd], stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                          text=True, errors="replace", **kw)


def run_suite(build, keep_going, timeout):
    """None when the suite passes; otherwise a short note on how it failed."""
    failures = []
    for locale in ("C.UTF-8", "C"):
        cmd = ["ctest", "--test-dir", build, "--timeout", str(timeout), "-j2"] + ([] if keep_going else ["--stop-on-failure"])
        result = run(cmd, env=dict(os.environ, LC_ALL=locale))
        if result.returncode != 0:
            note = "LC_ALL=" + locale + (", timeout" if "***Timeout" in result.stdout else "")
            if keep_going:
                note += ": " + " ".join(re.findall(r"^\s*\d+ - (\S+)", result.stdout, re.M))
            failures.append(note)
            if not keep_going:
                break
    return "; ".join(failures) or None


def prepare(source, work, keep_going):
    def ignore(folder, names):
        rel = Path(folder).relative_to(source)
        skip = {"build", ".git"} if rel == Path(".") else {"data"} if rel == Path("bench") else set()
        return [n for n in names if n in skip]

    def copy_if_changed(src, dst):  # unchanged files keep their times, so the build stays incremental
        if not (os.path.exists(dst) and filecmp.cmp(src, dst, shallow=False)):
            shutil.copyfile(src, dst)
            shutil.copymode(src, dst)

    print(f"work copy: {work}", flush=True)
    shutil.copytree(source, work, ignore=ignore, copy_function=copy_if_changed, dirs_exist_ok=True)
    shared, link = source.parent / "shared", work.parent / "shared"
    if shared.is_dir() and not os.path.lexists(link):
        link.symlink_to(shared.resolve())
        print(f"linked {link} -> {shared.resolve()}", flush=True)
    if not (work.parent / "shared" / "corpus").is_dir():
        print("note: no ../shared/corpus beside the work copy; the corpus tests will skip", flush=True)
    build = work / "build"
    if not (build / "CMakeCache.txt").exists():
        result = run(["cmake", "-S", work, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Debug",
                      "-DVELB_BUILD_BENCH=OFF"])
        if result.returncode != 0:
            sys.exit(result.stdout[-4000:] + "\nconfiguring the work copy failed")
    print("building and testing the unmutated tree ...", flush=True)
    result = run(["cmake", "--build", build])
    if result.returncode != 0:
        sys.exit(result.stdout[-4000:] + "\nthe unmutated tree does not build")
    failure = run_suite(build, keep_going, 60)
    if failure:
        sys.exit(f"the unmutated suite is not green ({failure}); fix that first")
    return build


def main():
    paragraphs = __doc__.split("\n\n")
    parser = argparse.ArgumentParser(description="\n\n".join(paragraphs[:3]), epilog="\n\n".join(paragraphs[4:]),
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    add = parser.add_argument
    add("--source", type=Path, metavar="DIR", default=Path(__file__).resolve().parent.parent,
        help="the tree to mutate (default: the repository this script is in)")
    add("--work", type=Path, metavar="DIR", help="work copy, reused when already configured (default: new temp dir)")
    add("--dirs", nargs="+", metavar="D", default=["engine", "run", "batch"],
        help="folders whose .cpp and .h are mutated (default: engine run batch)")
    add("--sample", type=int, metavar="N", default=120, help="stop after N mutants that compile (default 120)")
    add("--seed", type=int, metavar="S", default=1, help="order in which the sites are tried (default 1)")
    add("--list", action="store_true", help="print the sites and their count, build nothing")
    add("--timeout", type=int, metavar="SECONDS", default=20, help="longest a test may run (default 20)")
    add("--keep-going", action="store_true",
        help="run the whole suite for every mutant, name the failing tests, count each test's kills")
    add("--report", type=Path, metavar="FILE", help="also write the report to FILE")
    args = parser.parse_args()
    source = args.source.resolve()

    files = sorted(p.relative_to(source).as_posix() for d in args.dirs
                   for p in (source / d).rglob("*") if p.suffix in (".cpp", ".h"))
    sites = [site for rel in files for site in find_sites(source, rel)]
    texts = {rel: (source / rel).read_bytes().decode("utf-8").split("\n") for rel in files}
    if args.list:
        for site in sites:
            print(describe(site, texts[site[0]][site[1] - 1]))
        print(f"{len(sites)} mutation sites in {len(files)} files")
        return

    work = (args.work or Path(tempfile.mkdtemp(prefix="velb-mutate-"))).resolve()
    if work == source or source in work.parents:
        sys.exit("the work copy must lie outside the source tree")
    started = time.monotonic()
    build = prepare(source, work, args.keep_going)
    random.Random(args.seed).shuffle(sites)
    report, survivors, killed, run_count, uncompilable = [], [], 0, 0, 0
    kills, alone = collections.Counter(), collections.Counter()

    def say(text):
        print(text, flush=True)
        report.append(text)

    try:
        for site in sites:
            if run_count == args.sample:
                break
            rel, number, start, end, new = site
            path = work / rel
            original = path.read_bytes()
            lines = texts[rel]
            mutated_line = lines[number - 1][:start] + new + lines[number - 1][end:]
            try:
                path.write_bytes("\n".join(lines[:number - 1] + [mutated_line] + lines[number:]).encode("utf-8"))
                if run(["cmake", "--build", build]).returncode != 0:
                    uncompilable += 1
                    say(f"[--/{args.sample}] uncompilable {describe(site, lines[number - 1])}")
                    continue
                failure = run_suite(build, args.keep_going, args.timeout)
            finally:
                path.write_bytes(original)
            run_count += 1
            killed += failure is not None
            verdict = "killed  " if failure else "survived"
            say(f"[{run_count}/{args.sample}] {verdict} {describe(site, lines[number - 1])}"
                + (f"  ({failure})" if failure else ""))
            if not failure:
                survivors.append((site, lines[number - 1], mutated_line))
            elif args.keep_going:
                killers = {name for part in failure.split("; ") for name in part.partition(": ")[2].split()}
                kills.update(killers)
                if len(killers) == 1:
                    alone.update(killers)
        run(["cmake", "--build", build])  # leave the build matching the restored sources
    except KeyboardInterrupt:
        say("interrupted")
    minutes, seconds = divmod(int(time.monotonic() - started), 60)
    say(f"\nkilled {killed} of {run_count} ({100 * killed / max(run_count, 1):.1f}%)")
    say(f"uncompilable mutants skipped: {uncompilable}")
    say(f"time: {minutes}m{seconds:02d}s, seed {args.seed}, {len(sites)} sites in {', '.join(args.dirs)}")
    say(f"survivors ({len(survivors)}):")
    for site, before, after in survivors:
        say(f"  {describe(site, before)}\n    - {before.strip()}\n    + {after.strip() or '(deleted)'}")
    if args.keep_going:
        # A test that kills nothing alone adds no power the rest of the suite lacks.
        say("tests by mutants killed, and killed by that test alone:")
        for name, count in kills.most_common():
            say(f"  {count:4d} {alone[name]:4d}  {name}")
    if args.report:
        args.report.write_text("\n".join(report) + "\n", encoding="utf-8")


if __name__ == "__main__":
    main()
