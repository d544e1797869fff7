#!/usr/bin/env python3
"""Reads a CSV file as a spreadsheet would: read_csv.py FILE DELIMITER.

Prints {"bom": whether the file starts with UTF-8's byte-order mark, "rows": [[field, ...], ...]}
as JSON. Quoting that RFC 4180 does not allow makes it fail.
"""
import csv
import json
import sys

path, delimiter = sys.argv[1], sys.argv[2]
with open(path, "rb") as raw:
    bom = raw.read(3) == b"\xef\xbb\xbf"
with open(path, encoding="utf-8-sig", newline="") as text:
    rows = list(csv.reader(text, delimiter=delimiter, quotechar='"', strict=True))
json.dump({"bom": bom, "rows": rows}, sys.stdout, ensure_ascii=False)
