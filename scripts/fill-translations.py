#!/usr/bin/env python3
"""Fills the translations of the .ts files from a table: one line per text, tab-separated
Portuguese source, English, Spanish (\\n for a line break). Texts the table lacks are left as they are."""
import html
import re
import sys

table, files = sys.argv[1], sys.argv[2:]
rows = {}
for line in open(table, encoding="utf-8"):
    line = line.rstrip("\n")
    if line:
        source, english, spanish = (p.replace("\\n", "\n") for p in line.split("\t"))
        rows[source] = {"en": english, "es": spanish}

def escape(text):
    # As lupdate writes them, so that a fill after an update changes only what it fills.
    return html.escape(text, quote=False).replace("\"", "&quot;").replace("'", "&apos;")

for path in files:
    language = "en" if path.endswith("_en.ts") else "es"
    text = open(path, encoding="utf-8").read()
    def fill(match):
        source = html.unescape(match.group(2))
        row = rows.get(source)
        if row is None:
            return match.group(0)
        return match.group(1) + "<translation>" + escape(row[language]) + "</translation>"
    text = re.sub(r"(<source>(.*?)</source>\s*)<translation[^>]*>.*?</translation>", fill, text, flags=re.S)
    open(path, "w", encoding="utf-8").write(text)
