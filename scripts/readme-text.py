#!/usr/bin/env python3
"""Writes the plain-text read-me of the release archive from README.md.

The read-me is README.md's sections for makers, who use the programs on
Windows (what they do, download and requirements, the file, the
command-line tool), then the documents named after OUTPUT (docs/keys.md: the
records and the description keys), as plain text for Windows: wrapped at 76
columns, ASCII, CR LF line ends. The sections for developers are left out by
their headings, and lines for developers inside the makers' sections by a
marked block, so the read-me has no text of its own to keep in step. A link
becomes its text, so the text must read as part of the sentence.

Usage: readme-text.py README.md VERSION OUTPUT [DOCUMENT.md...]
"""
import re
import sys
import textwrap

# Headings whose sections (with their subsections) are for developers.
LEFT_OUT = {"Development"}
# Lines between these two are for developers too.
DEVELOPERS_FROM, DEVELOPERS_TO = "<!-- developers -->", "<!-- /developers -->"
WIDTH = 76
ASCII = {"\u2026": "...", "\u00d7": "x", "\u2013": "-", "\u2014": "--", "\u2019": "'", "\u2022": "*"}


def inline(text):
    """Markdown inline markup as plain text."""
    text = re.sub(r"!\[[^\]]*\]\([^)]*\)", "", text)          # images
    text = re.sub(r"\[([^\]]*)\]\([^)]*\)", r"\1", text)       # links
    text = re.sub(r"`([^`]*)`", r'"\1"', text)                 # code
    text = re.sub(r"\*\*([^*]+)\*\*", r"\1", text)             # bold
    text = re.sub(r"(?<![\w*])\*([^*\s][^*]*)\*(?![\w*])", r"\1", text)  # italics
    for char, plain in ASCII.items():
        text = text.replace(char, plain)
    return text


def wrap(text, indent="", hanging=None):
    return textwrap.wrap(inline(text), WIDTH, initial_indent=indent,
                         subsequent_indent=indent if hanging is None else hanging,
                         break_on_hyphens=False, break_long_words=False) or [""]


def cells(row):
    return [c.strip() for c in row.strip().strip("|").split("|")]


def table(rows, indent):
    """A table as blocks: two columns as a list of terms, more as one block a row."""
    header, body = cells(rows[0]), [cells(r) for r in rows[2:]]
    out = []
    if len(header) == 2:
        width = max(len(inline(r[0])) for r in body) + 2
        for term, meaning in body:
            out += wrap(f"{inline(term):<{width}}{meaning}", indent, indent + " " * width)
        return out
    for row in body:
        out += wrap(f"{header[0]}: {row[0]}", indent)
        for name, value in zip(header[1:], row[1:]):
            out += wrap(f"{name}: {value}", indent + "    ", indent + "        ")
    return out


def without_developer_lines(lines):
    kept, inside = [], False
    for line in lines:
        if line.strip() in (DEVELOPERS_FROM, DEVELOPERS_TO):
            inside = line.strip() == DEVELOPERS_FROM
            continue
        if not inside:
            kept.append(line)
    if inside:
        sys.exit(f"readme-text.py: {DEVELOPERS_FROM} without {DEVELOPERS_TO}")
    return kept


def convert(markdown):
    out, skip_level = [], None
    lines = without_developer_lines(markdown.splitlines())
    i = 0
    while i < len(lines):
        line = lines[i]
        heading = re.match(r"^(#+) (.*)$", line)
        if heading:
            level, title = len(heading.group(1)), heading.group(2).strip()
            if skip_level is not None and level > skip_level:
                i += 1
                continue
            skip_level = level if title in LEFT_OUT else None
            if skip_level is None:
                title = inline(title)
                out += ["", title, ("=" if level <= 2 else "-") * len(title)]
            i += 1
            continue
        if skip_level is not None:
            i += 1
            continue
        indent = re.match(r"^ *", line).group(0)
        stripped = line.strip()
        if stripped.startswith("```"):
            i += 1
            while i < len(lines) and not lines[i].strip().startswith("```"):
                out.append("    " + lines[i][len(indent):])
                i += 1
            i += 1
            continue
        if stripped.startswith("|"):
            rows = []
            while i < len(lines) and lines[i].strip().startswith("|"):
                rows.append(lines[i])
                i += 1
            out += table(rows, indent)
            continue
        if not stripped or stripped.startswith("!["):
            if out and out[-1] != "":
                out.append("")
            i += 1
            continue
        # A paragraph or a list item, with the lines that continue it.
        bullet = re.match(r"^(- )", stripped)
        text = stripped
        i += 1
        while i < len(lines):
            nxt = lines[i].strip()
            if not nxt or nxt.startswith(("- ", "|", "```", "#", "![")):
                break
            text += " " + nxt
            i += 1
        if bullet:
            out += wrap(text[2:], indent + "- ", indent + "  ")
        else:
            out += wrap(text, indent)
    return out


def main():
    source, version, target = sys.argv[1:4]
    with open(source, encoding="utf-8") as f:
        body = convert(f.read())
    for document in sys.argv[4:]:
        with open(document, encoding="utf-8") as f:
            body += [""] + convert(f.read())
    title = f"Corvaset {version}"
    head = [title, "=" * len(title)]
    # The README's own title is replaced by the one above.
    while body and body[0] == "":
        body.pop(0)
    if body and body[0] == "Corvaset":
        body = body[2:]
    text = "\r\n".join(head + body).rstrip() + "\r\n"
    text = re.sub(r"(\r\n){3,}", "\r\n\r\n", text)
    text.encode("ascii")  # refuses what a plain-text reader might show wrongly
    with open(target, "w", encoding="ascii", newline="") as f:
        f.write(text)


if __name__ == "__main__":
    main()
