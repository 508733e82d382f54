#!/usr/bin/env python3
"""Reads a library file the way a user's own script would: Python's zipfile
for the archive and xml.etree for the documents. Prints the mean time of one
read in milliseconds, so that scripts/run-benchmarks.sh can compare it with
the librarian's own reader."""

import sys
import time
import xml.etree.ElementTree as ElementTree
import zipfile


def read_library(path):
    programs = []
    with zipfile.ZipFile(path) as archive:
        contents = ElementTree.fromstring(archive.read("FileInformation.xml")).find("Contents")
        favorites = ElementTree.fromstring(archive.read("FavoriteData.fav_data"))
        values = [int(data.text) for bank in favorites for data in bank]
        for item in contents.findall("ProgramData"):
            binary = archive.read(item.find("ProgramBinary").text)
            info = ElementTree.fromstring(archive.read(item.find("Information").text))
            programs.append((binary[:320], info.findtext("Programmer"), info.findtext("Comment")))
    return programs, values


def main():
    path = sys.argv[1]
    repetitions = int(sys.argv[2]) if len(sys.argv) > 2 else 20
    programs, values = read_library(path)
    assert len(programs) == 300 and len(values) == 48, "not a whole library"

    start = time.perf_counter()
    for _ in range(repetitions):
        read_library(path)
    print("%.3f" % ((time.perf_counter() - start) * 1000.0 / repetitions))


if __name__ == "__main__":
    main()
