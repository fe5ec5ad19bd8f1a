#!/usr/bin/env python3
"""Prints the benchmark table from the QtTest XML results and the peak memory lines of bench/run."""
import glob
import os
import re
import sys

# (label, function, variant, floor function, floor name, target text, target check)
# A check takes (median ms, floor ms, N) and answers True, False or None (no target at this N).
ROWS = [
    ("open", "open", "", ("unzipFloor", "buildFloor"), "unzip + plain build",
     "<= 2 x floor at 10000", lambda t, f, n: t <= 2 * f if n == 10000 and f else None),
    ("plain-scene build (floor)", "buildFloor", "", None, "", "", None),
    ("save", "save", "", "zipFloor", "zip -r",
     "<= 3 x floor at 10000", lambda t, f, n: t <= 3 * f if n == 10000 and f else None),
    ("undo state of one click (begin+end, no change)", "undoState", "", None, "",
     "<= 16 ms at 10000", lambda t, f, n: t <= 16 if n == 10000 else None),
    ("select an item until the panel shows it", "selectShow", "", None, "",
     "<= 16 ms at 10000", lambda t, f, n: t <= 16 if n == 10000 else None),
    ("move selection: one move event", "moveEvent", "", "moveEventFloor", "plain scene",
     "<= 2 x floor and <= 16 ms at 1000", lambda t, f, n: t <= 16 and (not f or t <= 2 * f) if n == 1000 else None),
    ("move selection: press+move+release", "moveDrag", "", "moveDragFloor", "plain scene", "", None),
    ("paste", "pasteUndoRedo", "paste", "buildFloor", "plain build",
     "<= 2 x floor at 1000", lambda t, f, n: t <= 2 * f if n == 1000 and f else None),
    ("undo paste", "pasteUndoRedo", "undo", None, "",
     "<= 50 ms at 1000", lambda t, f, n: t <= 50 if n == 1000 else None),
    ("redo paste", "pasteUndoRedo", "redo", None, "",
     "<= 50 ms at 1000", lambda t, f, n: t <= 50 if n == 1000 else None),
    ("repaint view 100%", "repaint", "100%", "repaintFloor", "plain scene",
     "<= 2 x floor at 10000", lambda t, f, n: t <= 2 * f if n == 10000 and f else None),
    ("repaint view 400%", "repaint", "400%", "repaintFloor", "plain scene",
     "<= 2 x floor at 10000", lambda t, f, n: t <= 2 * f if n == 10000 and f else None),
    ("preview picture", "preview", "", None, "", "", None),
    ("korvex-template render to PDF (whole process)", "renderPdf", "", None, "",
     "<= 1 s and <= 150 MiB at 10000",
     lambda t, f, n, kib: t <= 1000 and kib is not None and kib <= 150 * 1024 if n == 10000 else None),
    ("font loading (families: see the note above)", "fontLoading", "", None, "", "", None),
    ("text editor, first opening (loads the fonts)", "editorFirstOpen", "", None, "", "", None),
    ("text editor, second opening", "editorSecondOpen", "", None, "", "", None),
    ("text editor Ok: coverage of 10000 characters, 3 families", "coverageWalk", "", None, "",
     "<= 50 ms at 10000", lambda t, f, n: t <= 50 if n == 10000 else None),
    ("open the dictionary dialog (N entries)", "dictionaryOpen", "", None, "",
     "<= 0.5 s at 10000", lambda t, f, n: t <= 500 if n == 10000 else None),
    ("import a dictionary file (N entries)", "dictionaryImport", "", None, "",
     "<= 1 s at 10000", lambda t, f, n: t <= 1000 if n == 10000 else None),
    ("refresh N dictionary-bound items after a change", "dictionaryRefresh", "", None, "",
     "<= 100 ms at 1000", lambda t, f, n: t <= 100 if n == 1000 else None),
    ("start-up to window shown (empty page)", "startup", "", "startupFloor", "bare window", "", None),
]


def read_results(folder):
    """{(function, tag): ms per iteration} from the QtTest XML files; a stopped run's file is cut
    short, so it is read line by line rather than parsed whole."""
    results = {}
    function_line = re.compile(r'<TestFunction name="([^"]+)">')
    result_line = re.compile(r'<BenchmarkResult metric="WalltimeMilliseconds" tag="([^"]*)" value="([^"]+)"')
    for path in sorted(glob.glob(os.path.join(folder, "*.xml"))):
        function = None
        with open(path, encoding="utf-8", errors="replace") as xml:
            for text in xml:
                match = function_line.search(text)
                if match:
                    function = match.group(1)
                match = result_line.search(text)
                if match and function:
                    # The XML value is already divided by the iteration count.
                    results[(function, match.group(1))] = float(match.group(2))
    return results


def read_stopped(folder):
    """{(function, N): budget seconds} for the groups that overran their budget."""
    stopped = {}
    for path in glob.glob(os.path.join(folder, "stopped-*.txt")):
        n = int(os.path.basename(path).split("-")[1])
        with open(path, encoding="utf-8") as marker:
            words = marker.read().split()
        for function in words[1:]:
            stopped[(function, n)] = int(words[0])
    return stopped


def read_peaks(folder, pattern, marker="KORVEX_BENCH_PEAK"):
    """{(function, tag): largest peak KiB} from the marker lines of the logs."""
    peaks = {}
    line = re.compile(r"^" + marker + r" (\S+) (.*) (\d+)$")
    for path in glob.glob(os.path.join(folder, pattern)):
        with open(path, encoding="utf-8", errors="replace") as log:
            for text in log:
                match = line.match(text.strip())
                if match:
                    key = (match.group(1), match.group(2))
                    peaks[key] = max(peaks.get(key, 0), int(match.group(3)))
    return peaks


def floor_of(results, floor_function, variant, n):
    """The floor's time: one function's, or the sum of several (None when any is missing).
    Floors are measured without the row's variant."""
    if not floor_function:
        return None
    functions = floor_function if isinstance(floor_function, tuple) else (floor_function,)
    times = [results.get((function, str(n))) for function in functions]
    if any(t is None for t in times):
        times = [results.get((function, tag_of(variant, n))) for function in functions]
    return None if any(t is None for t in times) else sum(times)


def tag_of(variant, n):
    return f"{variant} {n}" if variant else str(n)


def time_text(ms):
    if ms is None:
        return "-"
    if ms >= 1000:
        return f"{ms / 1000:.2f} s"
    if ms >= 10:
        return f"{ms:.0f} ms"
    return f"{ms:.2f} ms"


def memory_text(kib):
    return f"{kib / 1024:.0f} MiB" if kib else "-"


def main():
    folder = sys.argv[1]
    results = read_results(folder)
    stopped = read_stopped(folder)
    peaks = read_peaks(folder, "designer-*.log")
    # Rows run as processes of their own: "function N median-ms peak-KiB".
    for path in glob.glob(os.path.join(folder, "process-*.txt")):
        with open(path, encoding="utf-8") as measured:
            function, n, ms, kib = measured.read().split()
        results[(function, n)] = float(ms)
        peaks[(function, n)] = int(kib)
    sizes = sorted({int(tag.split()[-1]) for (_, tag) in results if tag and tag.split()[-1].isdigit()}
                   | {n for (_, n) in stopped})
    header = ["operation", "N", "median", "floor", "ratio", "peak RSS", "target", "met"]
    rows = []
    for label, function, variant, floor_function, floor_name, target, check in ROWS:
        for n in sizes:
            tag = tag_of(variant, n)
            ms = results.get((function, tag))
            shown_n = "-" if function == "startup" else str(n)
            if ms is None:
                if (function, n) in stopped:
                    budget = stopped[(function, n)]
                    rows.append([label, shown_n, f"> {budget} s", "-", "-", "-", target, "NO" if target else ""])
                continue
            floor = floor_of(results, floor_function, variant, n)
            ratio = f"{ms / floor:.1f} x" if floor else "-"
            floor_text = f"{time_text(floor)} ({floor_name})" if floor is not None else "-"
            kib = peaks.get((function, tag))
            if not check:
                verdict = None
            elif check.__code__.co_argcount == 4:
                verdict = check(ms, floor, n, kib)
            else:
                verdict = check(ms, floor, n)
            met = "" if verdict is None else ("yes" if verdict else "NO")
            rows.append([label, shown_n, time_text(ms), floor_text, ratio,
                         memory_text(peaks.get((function, tag))), target if verdict is not None else "", met])
    fresh = read_peaks(folder, "designer-*-open.log")
    for (_, tag), kib in sorted(fresh.items()):
        target, met = ("<= 150 MiB", "yes" if kib <= 150 * 1024 else "NO") if tag == "10000" else ("", "")
        rows.append([f"peak RSS with {tag} items open (fresh process)", tag, "-", "-", "-", memory_text(kib), target, met])
    widths = [max(len(str(row[i])) for row in rows + [header]) for i in range(len(header))]
    print("  ".join(h.ljust(w) for h, w in zip(header, widths)).rstrip())
    print("  ".join("-" * w for w in widths))
    for row in rows:
        print("  ".join(str(c).ljust(w) for c, w in zip(row, widths)).rstrip())


if __name__ == "__main__":
    main()
