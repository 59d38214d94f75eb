#!/usr/bin/env python3
"""Writes the source-package twin of this machine's Debian package sources.

Reads the apt sources the system uses (one-line entries in
/etc/apt/sources.list and sources.list.d/*.list, deb822 stanzas in
sources.list.d/*.sources), keeps the binary-package entries of Debian's own
archive (signed with the Debian archive keyring, or with a URI path under
/debian) and writes them as deb-src entries, deb822, to the file given. The
system's configuration is only read. Usage: deb_src_sources.py OUT.sources
"""
import glob
import os
import re
import sys

ETC = os.environ.get("APT_ETC", "/etc/apt")


def stanzas_of_list(path):
    for line in open(path, encoding="utf-8", errors="replace"):
        match = re.match(r"^deb\s+(?:\[([^\]]*)\]\s+)?(\S+)\s+(\S+)\s*(.*)$", line.split("#", 1)[0].strip())
        if not match:
            continue
        options = dict(word.split("=", 1) for word in (match.group(1) or "").split() if "=" in word)
        stanza = {"Types": "deb", "URIs": match.group(2), "Suites": match.group(3), "Components": match.group(4)}
        if "signed-by" in options:
            stanza["Signed-By"] = options["signed-by"]
        yield stanza


def stanzas_of_deb822(path):
    stanza = {}
    key = None
    for raw in open(path, encoding="utf-8", errors="replace").read().splitlines() + [""]:
        if raw.startswith("#"):
            continue
        if not raw.strip():
            if stanza:
                yield stanza
            stanza, key = {}, None
            continue
        if raw[0] in " \t" and key:
            stanza[key] += "\n" + raw
            continue
        key, _, value = raw.partition(":")
        key = key.strip()
        stanza[key] = value.strip()


def is_debian_archive(stanza):
    if "debian-archive-keyring" in stanza.get("Signed-By", ""):
        return True
    return any(uri.rstrip("/").rsplit("/", 1)[-1].startswith("debian") for uri in stanza.get("URIs", "").split())


def main():
    stanzas = []
    main_list = os.path.join(ETC, "sources.list")
    if os.path.exists(main_list):
        stanzas += stanzas_of_list(main_list)
    for path in sorted(glob.glob(os.path.join(ETC, "sources.list.d", "*.list"))):
        stanzas += stanzas_of_list(path)
    for path in sorted(glob.glob(os.path.join(ETC, "sources.list.d", "*.sources"))):
        stanzas += stanzas_of_deb822(path)
    out = []
    for stanza in stanzas:
        if "deb" not in stanza.get("Types", "").split() or stanza.get("Enabled", "yes") == "no":
            continue
        if not is_debian_archive(stanza):
            continue
        lines = ["Types: deb-src"]
        for key in ("URIs", "Suites", "Components", "Signed-By"):
            if key in stanza:
                lines.append(f"{key}: {stanza[key]}")
        out.append("\n".join(lines))
    if not out:
        sys.exit("no Debian package source found in " + ETC)
    with open(sys.argv[1], "w", encoding="utf-8") as f:
        f.write("\n\n".join(out) + "\n")


if __name__ == "__main__":
    main()
