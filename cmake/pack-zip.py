#!/usr/bin/env python3
"""Writes a ZIP whose bytes depend on the files' contents and names alone.

  pack-zip.py <archive> <folder> <name>...   stores <folder>/<name> as <name>, in the order given

Every entry gets the same date and permissions and no extra fields, where an archiver would take
the build's clock, owner and access times.
"""
import sys
import zipfile

FIXED_DATE = (2000, 1, 1, 0, 0, 0)


def main(archive, folder, names):
    with zipfile.ZipFile(archive, "w") as out:
        for name in names:
            entry = zipfile.ZipInfo(name, FIXED_DATE)
            entry.create_system = 3  # Unix, so that the permissions below are read
            entry.external_attr = 0o100644 << 16
            entry.compress_type = zipfile.ZIP_DEFLATED
            with open(folder + "/" + name, "rb") as source:
                out.writestr(entry, source.read(), compresslevel=9)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2], sys.argv[3:]))
