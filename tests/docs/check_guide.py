#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads a user guide ("Facharbeit.pdf" in German, "Handbook.pdf" in English) back as a reader
would see it.

Checks that it is an A4 document whose table of contents lists the five parts and every sample
tab with a page number, that every sample tab and every page below the views is explained, that
all pictures of the figure table are in it at their rendered size, that no cross-reference points
nowhere, and that its last page is not left almost empty. Uses pdfinfo, pdftotext and pdfimages (poppler-utils).
"""
import argparse
import os
import re
import subprocess
import sys

# Per language: the heading of the table of contents, the five parts, the pages below the views
# and the quotation marks around a page name.
LANGUAGES = {
    "de": {
        "contents": "Inhaltsverzeichnis",
        "parts": ["Erste Schritte", "Physikalische Grundlagen", "Die Beispielexperimente",
                  "Bedienung", "Häufige Fragen"],
        "pages": ["Statische Ladungen", "Bewegte Ladung", "Bremsstrahlung", "Zeitlupe",
                  "Wechselspannung", "Render"],
        "quotes": ("„", "“"),
    },
    "en": {
        "contents": "Contents",
        "parts": ["First Steps", "The Physics Behind It", "The Sample Experiments",
                  "Using the Program", "Frequently Asked Questions"],
        "pages": ["Static charges", "Moving charge", "Bremsstrahlung", "Slow motion",
                  "Alternating voltage", "Render"],
        "quotes": ("“", "”"),
    },
}
FIGURE_SIZE = (800, 600)
MIN_LAST_PAGE_LINES = 12


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


def flat(text):
    """One line of text: typographic apostrophes as typed, hyphenated line ends joined."""
    text = text.replace("\u2019", "'").replace("\u00ad", "")
    text = re.sub(r"(\w)-\n(\w)", r"\1\2", text)
    return re.sub(r"\s+", " ", text)


def sample_captions(cli):
    lines = run(cli, "info", "sample").splitlines()[1:]
    return [line.split("\t")[1] for line in lines]


def figure_count(table):
    with open(table, encoding="utf-8") as f:
        return sum(1 for line in f if line.strip() and not line.lstrip().startswith("#"))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--pdf", required=True)
    parser.add_argument("--cli", required=True)
    parser.add_argument("--figures", required=True, help="the figure table of the guide")
    parser.add_argument("--lang", choices=LANGUAGES, default="de", help="the guide's language")
    args = parser.parse_args()
    words = LANGUAGES[args.lang]
    parts = words["parts"]
    faults = []

    info = run("pdfinfo", args.pdf)
    pages = int(re.search(r"^Pages:\s+(\d+)", info, re.M).group(1))
    if not re.search(r"^Page size:.*\(A4\)", info, re.M):
        faults.append("the pages are not A4")

    text = flat(run("pdftotext", "-enc", "UTF-8", args.pdf, "-"))
    toc_start = text.find(words["contents"])
    body_start = text.find(f" 1 {parts[0]} ", text.find(parts[-1], toc_start))
    toc = text[toc_start:body_start] if 0 <= toc_start < body_start else ""
    if not toc:
        faults.append("no table of contents before the first part")
    captions = sample_captions(args.cli)
    if len(captions) != 14:
        faults.append(f"the sample has {len(captions)} tabs, expected 14")
    for number, title in enumerate(parts, start=1):
        found = re.search(rf"{number} {re.escape(title)} (\d+)", toc)
        if not found or not 1 <= int(found.group(1)) <= pages:
            faults.append(f"the table of contents lacks part {number} '{title}' with its page")
    for caption in captions:
        if not re.search(rf"{re.escape(caption)}[ .]*\d+", toc):
            faults.append(f"the table of contents lacks the sample tab '{caption}'")
        if text.count(caption) < 3:  # contents, heading and picture caption at least
            faults.append(f"the sample tab '{caption}' is not explained with its picture")
    body = text[body_start:]
    if "??" in text:
        faults.append("a cross-reference points nowhere (LaTeX printed ??)")
    opening, closing = words["quotes"]
    for page in words["pages"]:
        if f"{opening}{page}{closing}" not in body and f" {page} " not in body:
            faults.append(f"the page '{page}' is not explained")

    listed = run("pdfimages", "-list", args.pdf).splitlines()[2:]
    images = [row.split() for row in listed if row.split()[2] == "image"]
    wanted = figure_count(args.figures)
    if len(images) < wanted:
        faults.append(f"{len(images)} pictures in the document, the figure table has {wanted}")
    for row in images:
        if (int(row[3]), int(row[4])) != FIGURE_SIZE:
            faults.append(f"a picture on page {row[0]} is {row[3]}x{row[4]}, not {FIGURE_SIZE}")

    last = run("pdftotext", "-enc", "UTF-8", "-layout", "-f", str(pages), "-l", str(pages), args.pdf, "-")
    lines = [line for line in last.splitlines() if line.strip()]
    if len(lines) < MIN_LAST_PAGE_LINES:
        faults.append(f"the last page holds only {len(lines)} lines")

    for fault in faults:
        print(f"{os.path.basename(args.pdf)}: {fault}", file=sys.stderr)
    print(f"{pages} pages, {len(images)} pictures, {len(captions)} sample tabs checked")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
