#!/usr/bin/python3
"""Builds and checks data/StarData.txt and data/ConstData.txt.

    scripts/make_catalogs.py --kstars DIR            check the committed files
    scripts/make_catalogs.py --kstars DIR --write    regenerate them

DIR is the data folder of the kstars-data Debian package (usr/share/kstars):
either installed, or unpacked without installing:
    apt-get download kstars-data && dpkg-deb -x kstars-data_*.deb /tmp/kstars
    scripts/make_catalogs.py --kstars /tmp/kstars/usr/share/kstars
Needs the Debian package python3-ephem (run with /usr/bin/python3).

Stars: J2000.0 positions of PyEphem's built-in star list (Hipparcos carried
to epoch 2000.0), cross-checked against KStars' stars.dat (also Hipparcos at
epoch 2000.0). Constellations: KStars' constellation label positions
(cnames.dat, "Western" sky culture, J2000.0), each checked to lie inside its
own IAU boundary by ephem.constellation(), together with a ring of points
around it. Row order and the names in the name column come from
catalog/names.cpp, the one table the program itself uses.
"""
import argparse
import math
import os
import re
import sys

import ephem
import ephem.stars

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# Star list names (StarNames order is taken from names.cpp and matched here).
STARS = {
    "ｱｰｸﾄｩﾙｽ(うしかい座α星)": ("Arcturus", "alp Boo"),
    "ｱｸﾙｸｽ(みなみじゅうじ座α星)": ("Acrux", "alp2Cru"),
    "ｱｹﾞﾅ(ｹﾝﾀｳﾙｽ座β星)": ("Hadar", "bet Cen"),
    "ｱｹﾙﾅｰ(ｴﾘﾀﾞﾇｽ座α星)": ("Achernar", "alp Eri"),
    "ｱﾙﾀｲﾙ(わし座α星)": ("Altair", "alp Aql"),
    "ｱﾙﾃﾞﾊﾞﾗﾝ(おうし座α星)": ("Aldebaran", "alp Tau"),
    "ｱﾝﾀﾚｽ(さそり座α星)": ("Antares", "alp Sco"),
    "ｶﾉｰﾌﾟｽ(りゅうこつ座α星)": ("Canopus", "alp Car"),
    "ｶﾍﾟﾗ(ぎょしゃ座α星)": ("Capella", "alp Aur"),
    "ｼﾘｳｽ(おおいぬ座α星)": ("Sirius", "alp CMa"),
    "ｽﾋﾟｶ(おとめ座α星)": ("Spica", "alp Vir"),
    "ﾃﾞﾈﾌﾞ(はくちょう座α星)": ("Deneb", "alp Cyg"),
    "ﾄﾘﾏﾝ(ｹﾝﾀｳﾙｽ座α星)": ("Rigil Kentaurus", "alp1Cen"),
    "ﾌｫｰﾏﾙﾊｳﾄ(みなみのうお座α星)": ("Fomalhaut", "alp PsA"),
    "ﾌﾟﾛｷｵﾝ(こいぬ座α星)": ("Procyon", "alp CMi"),
    "ﾍﾞｶﾞ(こと座α星)": ("Vega", "alp Lyr"),
    "ﾍﾞｸﾙｸｽ(みなみじゅうじ座β星)": ("Mimosa", "bet Cru"),
    "ﾍﾞﾃﾙｷﾞｳｽ(ｵﾘｵﾝ座α星)": ("Betelgeuse", "alp Ori"),
    "ﾎﾟﾙｯｸｽ(ふたご座β星)": ("Pollux", "bet Gem"),
    "ﾘｹﾞﾙ(ｵﾘｵﾝ座β星)": ("Rigel", "bet Ori"),
    "ﾚｸﾞﾙｽ(しし座α星)": ("Regulus", "alp Leo"),
}

# IAU abbreviation of each constellation (KStars labels Serpens Caput "SCp").
CONSTELLATIONS = {
    "アンドロメダ": "And", "いっかくじゅう": "Mon", "いて": "Sgr", "いるか": "Del",
    "インディアン": "Ind", "うお": "Psc", "うさぎ": "Lep", "うしかい": "Boo",
    "うみへび": "Hya", "エリダヌス": "Eri", "おうし": "Tau", "おおいぬ": "CMa",
    "おおかみ": "Lup", "おおぐま": "UMa", "おとめ": "Vir", "おひつじ": "Ari",
    "オリオン": "Ori", "がか": "Pic", "カシオペヤ": "Cas", "かじき": "Dor",
    "かに": "Cnc", "かみのけ": "Com", "カメレオン": "Cha", "からす": "Crv",
    "かんむり": "CrB", "きょしちょう": "Tuc", "ぎょしゃ": "Aur", "きりん": "Cam",
    "くじゃく": "Pav", "くじら": "Cet", "ケフェウス": "Cep", "ケンタウルス": "Cen",
    "けんびきょう": "Mic", "こいぬ": "CMi", "こうま": "Equ", "こぎつね": "Vul",
    "こぐま": "UMi", "こじし": "LMi", "コップ": "Crt", "こと": "Lyr",
    "コンパス": "Cir", "さいだん": "Ara", "さそり": "Sco", "さんかく": "Tri",
    "しし": "Leo", "じょうぎ": "Nor", "たて": "Sct", "ちょうこくぐ": "Cae",
    "ちょうこくしつ": "Scl", "つる": "Gru", "テーブルさん": "Men", "てんびん": "Lib",
    "とかげ": "Lac", "とけい": "Hor", "とびうお": "Vol", "とも": "Pup",
    "はい": "Mus", "はくちょう": "Cyg", "はちぶんぎ": "Oct", "はと": "Col",
    "ふうちょう": "Aps", "ふたご": "Gem", "ペガスス": "Peg", "へび": "Ser",
    "へびつかい": "Oph", "ヘルクレス": "Her", "ペルセウス": "Per", "ほ": "Vel",
    "ぼうえんきょう": "Tel", "ほうおう": "Phe", "ポンプ": "Ant", "みずがめ": "Aqr",
    "みずへび": "Hyi", "みなみじゅうじ": "Cru", "みなみのうお": "PsA", "みなみのかんむり": "CrA",
    "みなみのさんかく": "TrA", "や": "Sge", "やぎ": "Cap", "やまねこ": "Lyn",
    "らしんばん": "Pyx", "りゅう": "Dra", "りゅうこつ": "Car", "りょうけん": "CVn",
    "レチクル": "Ret", "ろ": "For", "ろくぶんぎ": "Sex", "わし": "Aql",
}

STAR_NAME_BYTES, CONST_NAME_BYTES = 29, 18
STAR_TOLERANCE = 0.001        # degrees: committed value against its catalogue
RING_RADII = (0.1, 0.25, 0.5, 1.0, 2.0)  # degrees: neighbourhoods of a label checked too


def names_table(array):
    """The string literals of one name table of catalog/names.cpp, in order."""
    src = open(os.path.join(ROOT, "catalog", "names.cpp"), encoding="utf-8").read()
    body = src[src.index("const char* const " + array + "["):]
    return re.findall(r'"([^"]+)"', body[:body.index("};")])


def sjis_column(text, width):
    """text in Shift-JIS, cut on a character boundary to width bytes, blank padded."""
    out = b""
    for ch in text:
        b = ch.encode("cp932")
        if len(out) + len(b) > width:
            break
        out += b
    return out + b" " * (width - len(out))


def ephem_star(name):
    """(ra, dec) in degrees, J2000.0, of PyEphem's star `name`."""
    fields = ephem.stars.db.split("\n")
    line = next(l for l in fields if l.split(",")[0] == name)
    parts = line.split(",")
    return float(parts[2].split("|")[0]) * 15.0, float(parts[3].split("|")[0])


def kstars_stars(kstars):
    """genetive designation -> (ra, dec) in degrees from KStars' stars.dat."""
    table = {}
    for line in open(os.path.join(kstars, "stars.dat"), encoding="latin-1"):
        if line.startswith("#") or "," not in line:
            continue
        gen = line.split(",")[1].strip()
        ra = int(line[0:2]) + int(line[2:4]) / 60 + float(line[4:9]) / 3600
        sign = -1 if line[10] == "-" else 1
        dec = int(line[11:13]) + int(line[13:15]) / 60 + float(line[15:19]) / 3600
        table.setdefault(gen, (ra * 15.0, sign * dec))
    return table


def kstars_labels(kstars):
    """abbreviation -> (ra, dec) in degrees of the Western constellation labels."""
    table, culture = {}, None
    for line in open(os.path.join(kstars, "cnames.dat"), encoding="latin-1"):
        if line.startswith("C "):
            culture = line[2:].strip()
            continue
        if culture != "Western":
            continue
        ra = int(line[0:2]) + int(line[2:4]) / 60 + int(line[4:6]) / 3600
        sign = -1 if line[6] == "-" else 1
        dec = int(line[7:9]) + int(line[9:11]) / 60 + int(line[11:13]) / 3600
        abbr = line[13:16].strip()
        table["Ser" if abbr == "SCp" else abbr] = (ra * 15.0, sign * dec)
    return table


def constellation_of(ra, dec):
    """IAU abbreviation of the constellation holding the J2000.0 point (degrees)."""
    abbr = ephem.constellation((math.radians(ra), math.radians(dec)), epoch=ephem.J2000)[0]
    return "Ser" if abbr in ("Se1", "Se2") else abbr  # Serpens' two parts


def ring_inside(abbr, ra, dec, radius):
    """True when 16 points radius degrees around (ra, dec) lie in the same constellation."""
    for k in range(16):
        a = 2 * math.pi * k / 16
        d = max(-89.999, min(89.999, dec + radius * math.sin(a)))
        r = (ra + radius * math.cos(a) / max(math.cos(math.radians(dec)), 1e-3)) % 360.0
        if constellation_of(r, d) != abbr:
            return False
    return True


def clearance(abbr, ra, dec):
    """The largest of RING_RADII whose ring around (ra, dec) stays inside abbr (0 if none)."""
    inside = [r for r in RING_RADII if ring_inside(abbr, ra, dec, r)]
    return max(inside) if inside and inside[0] == RING_RADII[0] else 0.0


def star_lines(kstars, errors):
    ks = kstars_stars(kstars)
    lines, worst = [], 0.0
    for jp in names_table("StarNames"):
        name, gen = STARS[jp]
        ra, dec = ephem_star(name)
        kra, kdec = ks[gen]
        apart = max(abs(ra - kra) * math.cos(math.radians(dec)), abs(dec - kdec))
        worst = max(worst, apart)
        if apart > STAR_TOLERANCE:
            errors.append(f"{name}: PyEphem ({ra}, {dec}) and KStars ({kra}, {kdec}) disagree")
        row = sjis_column(jp, STAR_NAME_BYTES) + b"," + b"%9.5f" % ra + b"," + b"%7.3f" % dec
        lines.append(row + b"; " + f"{name} ({gen})".encode("ascii") + b"\n")
    print(f"stars: PyEphem and KStars agree within {worst:.6f} deg")
    return lines


def const_lines(kstars, errors):
    labels = kstars_labels(kstars)
    lines = []
    for jp in names_table("ConstellationNames"):
        abbr = CONSTELLATIONS[jp]
        ra, dec = labels[abbr]
        if constellation_of(ra, dec) != abbr:
            errors.append(f"{abbr}: label ({ra}, {dec}) lies in {constellation_of(ra, dec)}")
        clear = clearance(abbr, ra, dec)
        if clear < 1.0:
            print(f"note: {abbr} label ({ra:.4f}, {dec:.4f}) is inside, {clear} deg clear of its boundary")
        row = sjis_column(jp + "座", CONST_NAME_BYTES) + b"%9.4f" % ra + b"%9.4f" % dec
        lines.append(row + b"; " + abbr.encode("ascii") + b"\n")
    return lines


def check_file(path, lines, layout, errors):
    """The committed file equals the generated lines; every row re-read from its columns."""
    if not os.path.exists(path):
        errors.append(f"{path} missing (run with --write)")
        return
    data = open(path, "rb").read()
    if data != b"".join(lines):
        errors.append(f"{path} differs from what the sources give (run with --write)")
    for n, line in enumerate(data.split(b"\n")[:-1]):
        (ra0, ra1), (dec0, dec1), marks = layout
        ra, dec = float(line[ra0:ra1]), float(line[dec0:dec1])
        if any(line[i:i + 1] != m for i, m in marks.items()) or len(line) <= max(marks) + 1:
            errors.append(f"{path}:{n + 1}: separator column or byte after the semicolon missing")
        if not (0.0 <= ra < 360.0 and -90.0 <= dec <= 90.0):
            errors.append(f"{path}:{n + 1}: value out of range")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--kstars", default="/usr/share/kstars", help="kstars-data folder (usr/share/kstars)")
    parser.add_argument("--write", action="store_true", help="rewrite data/StarData.txt and data/ConstData.txt")
    args = parser.parse_args()
    errors = []
    stars = star_lines(args.kstars, errors)
    consts = const_lines(args.kstars, errors)
    files = [("StarData.txt", stars, ((30, 39), (40, 47), {29: b",", 39: b",", 47: b";"})),
             ("ConstData.txt", consts, ((18, 27), (27, 36), {36: b";"}))]
    for name, lines, layout in files:
        path = os.path.join(ROOT, "data", name)
        if args.write and not errors:
            open(path, "wb").write(b"".join(lines))
        check_file(path, lines, layout, errors)
    for e in errors:
        print("error:", e)
    print(f"{len(stars)} star rows, {len(consts)} constellation rows, {len(errors)} errors")
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
