#!/usr/bin/python3
"""Builds and checks data/Places.txt, the table of places chosen by name.

    scripts/make_places.py            check the committed file
    scripts/make_places.py --write    regenerate it

Japan: the 47 prefectural capitals at the points the national almanac office
(国立天文台 暦計算室) computes its 各地のこよみ for, each at a whole minute of
longitude and latitude inside the city (Tokyo: the old Tokyo Observatory in
Azabu, to the arc second), all at height 0 m as the office computes them.
Reference: 国立天文台 暦計算室, 各地のこよみ, https://eco.mtk.nao.ac.jp/koyomi/dni/
(the page of each prefecture heads its table with the point's longitude and
latitude; the figures below were typed from those headings as transcribed in
the public repository table "Representative point of every prefectural
capital, as published by ... 各地のこよみ", read 2026-09-22).
Reference: 国立天文台 暦計算室, 暦要項, https://eco.mtk.nao.ac.jp/koyomi/yoko/
("東京の経緯度 (世界測地系) 東経 139°44′28.8869″ 北緯 35°39′29.1572″").
Reference: 理科年表 暦部「各地の日出入」解説, https://official.rikanenpyo.jp/posts/6105
(the points are whole minutes inside each prefectural capital, height 0 m).

The office itself, 三鷹: the Mitaka campus of the National Astronomical
Observatory of Japan (IAU observatory code 388), 35°40′30.8″ N, 139°32′17.1″ E.
Reference: IAU / UNESCO Portal to the Heritage of Astronomy, entity 249,
https://www3.astronomicalheritage.net/index.php/show-entity?identity=249&idsubentity=1

Abroad: cities Japanese travellers visit, each the principal location of
its zone in the IANA time zone database (public domain), read from the
system's /usr/share/zoneinfo/zone.tab (Debian package tzdata), and the
zone's standard offset (daylight saving time left out: the calculator keys
one fixed offset) from Python's zoneinfo over the same database.
Reference: IANA tz database, zone.tab (ISO 6709 coordinates), public domain.

Output: UTF-8, '#' comment lines, then one place a line, tab-separated:
name, reading (hiragana), romanised name, region, longitude (degrees, east
positive), latitude (degrees, north positive), height (metres; "-" where the
source gives none), zone offset (+HH:MM). Longitude and latitude keep their
source's precision in at most four decimals (0.36 arc second), trailing
zeros dropped; the calculator keys them to two decimals, as a site is keyed.
"""
import argparse
import datetime
import os
import re
import sys
import zoneinfo

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUTPUT = os.path.join(ROOT, "data", "Places.txt")
ZONE_TAB = "/usr/share/zoneinfo/zone.tab"

# name, reading, romanised, prefecture, longitude (d, m[, s]), latitude (d, m[, s]), in JIS prefecture order.
JAPAN = [
    ("札幌", "さっぽろ", "Sapporo", "北海道", (141, 21), (43, 4)),
    ("青森", "あおもり", "Aomori", "青森県", (140, 44), (40, 49)),
    ("盛岡", "もりおか", "Morioka", "岩手県", (141, 9), (39, 42)),
    ("仙台", "せんだい", "Sendai", "宮城県", (140, 52), (38, 16)),
    ("秋田", "あきた", "Akita", "秋田県", (140, 7), (39, 43)),
    ("山形", "やまがた", "Yamagata", "山形県", (140, 21), (38, 15)),
    ("福島", "ふくしま", "Fukushima", "福島県", (140, 28), (37, 45)),
    ("水戸", "みと", "Mito", "茨城県", (140, 29), (36, 22)),
    ("宇都宮", "うつのみや", "Utsunomiya", "栃木県", (139, 53), (36, 34)),
    ("前橋", "まえばし", "Maebashi", "群馬県", (139, 4), (36, 23)),
    ("さいたま", "さいたま", "Saitama", "埼玉県", (139, 39), (35, 51)),
    ("千葉", "ちば", "Chiba", "千葉県", (140, 7), (35, 36)),
    ("東京", "とうきょう", "Tokyo", "東京都", (139, 44, 28.8869), (35, 39, 29.1572)),
    ("横浜", "よこはま", "Yokohama", "神奈川県", (139, 39), (35, 27)),
    ("新潟", "にいがた", "Niigata", "新潟県", (139, 2), (37, 55)),
    ("富山", "とやま", "Toyama", "富山県", (137, 13), (36, 41)),
    ("金沢", "かなざわ", "Kanazawa", "石川県", (136, 39), (36, 34)),
    ("福井", "ふくい", "Fukui", "福井県", (136, 13), (36, 4)),
    ("甲府", "こうふ", "Kofu", "山梨県", (138, 34), (35, 40)),
    ("長野", "ながの", "Nagano", "長野県", (138, 11), (36, 39)),
    ("岐阜", "ぎふ", "Gifu", "岐阜県", (136, 46), (35, 25)),
    ("静岡", "しずおか", "Shizuoka", "静岡県", (138, 23), (34, 58)),
    ("名古屋", "なごや", "Nagoya", "愛知県", (136, 55), (35, 10)),
    ("津", "つ", "Tsu", "三重県", (136, 31), (34, 44)),
    ("大津", "おおつ", "Otsu", "滋賀県", (135, 52), (35, 0)),
    ("京都", "きょうと", "Kyoto", "京都府", (135, 45), (35, 1)),
    ("大阪", "おおさか", "Osaka", "大阪府", (135, 29), (34, 41)),
    ("神戸", "こうべ", "Kobe", "兵庫県", (135, 11), (34, 41)),
    ("奈良", "なら", "Nara", "奈良県", (135, 50), (34, 41)),
    ("和歌山", "わかやま", "Wakayama", "和歌山県", (135, 10), (34, 14)),
    ("鳥取", "とっとり", "Tottori", "鳥取県", (134, 14), (35, 30)),
    ("松江", "まつえ", "Matsue", "島根県", (133, 3), (35, 28)),
    ("岡山", "おかやま", "Okayama", "岡山県", (133, 56), (34, 40)),
    ("広島", "ひろしま", "Hiroshima", "広島県", (132, 27), (34, 23)),
    ("山口", "やまぐち", "Yamaguchi", "山口県", (131, 28), (34, 11)),
    ("徳島", "とくしま", "Tokushima", "徳島県", (134, 33), (34, 4)),
    ("高松", "たかまつ", "Takamatsu", "香川県", (134, 3), (34, 21)),
    ("松山", "まつやま", "Matsuyama", "愛媛県", (132, 46), (33, 50)),
    ("高知", "こうち", "Kochi", "高知県", (133, 32), (33, 33)),
    ("福岡", "ふくおか", "Fukuoka", "福岡県", (130, 24), (33, 35)),
    ("佐賀", "さが", "Saga", "佐賀県", (130, 18), (33, 15)),
    ("長崎", "ながさき", "Nagasaki", "長崎県", (129, 52), (32, 45)),
    ("熊本", "くまもと", "Kumamoto", "熊本県", (130, 43), (32, 48)),
    ("大分", "おおいた", "Oita", "大分県", (131, 37), (33, 14)),
    ("宮崎", "みやざき", "Miyazaki", "宮崎県", (131, 25), (31, 54)),
    ("鹿児島", "かごしま", "Kagoshima", "鹿児島県", (130, 33), (31, 36)),
    ("那覇", "なは", "Naha", "沖縄県", (127, 40), (26, 13)),
]

# The office: height left out (the portal gives none).
OFFICE = ("三鷹", "みたか", "Mitaka", "東京都 国立天文台", (139, 32, 17.1), (35, 40, 30.8))

# Abroad: IANA zone, name, romanised name, region. The reading is the
# katakana name in hiragana unless given.
ABROAD = [
    ("Pacific/Honolulu", "ホノルル", "Honolulu", "アメリカ合衆国 ハワイ州"),
    ("Pacific/Guam", "グアム", "Guam", "アメリカ合衆国 グアム"),
    ("Pacific/Saipan", "サイパン", "Saipan", "アメリカ合衆国 北マリアナ諸島"),
    ("Asia/Seoul", "ソウル", "Seoul", "大韓民国"),
    ("Asia/Shanghai", "上海", "Shanghai", "中華人民共和国", "しゃんはい"),
    ("Asia/Taipei", "台北", "Taipei", "台湾", "たいぺい"),
    ("Asia/Hong_Kong", "香港", "Hong Kong", "中華人民共和国 香港", "ほんこん"),
    ("Asia/Macau", "マカオ", "Macau", "中華人民共和国 マカオ"),
    ("Asia/Manila", "マニラ", "Manila", "フィリピン"),
    ("Asia/Ho_Chi_Minh", "ホーチミン", "Ho Chi Minh", "ベトナム"),
    ("Asia/Bangkok", "バンコク", "Bangkok", "タイ"),
    ("Asia/Kuala_Lumpur", "クアラルンプール", "Kuala Lumpur", "マレーシア"),
    ("Asia/Singapore", "シンガポール", "Singapore", "シンガポール"),
    ("Asia/Jakarta", "ジャカルタ", "Jakarta", "インドネシア"),
    ("Asia/Kolkata", "コルカタ", "Kolkata", "インド"),
    ("Asia/Kathmandu", "カトマンズ", "Kathmandu", "ネパール"),
    ("Asia/Ulaanbaatar", "ウランバートル", "Ulaanbaatar", "モンゴル"),
    ("Asia/Dubai", "ドバイ", "Dubai", "アラブ首長国連邦"),
    ("Europe/Istanbul", "イスタンブール", "Istanbul", "トルコ"),
    ("Africa/Cairo", "カイロ", "Cairo", "エジプト"),
    ("Europe/Moscow", "モスクワ", "Moscow", "ロシア"),
    ("Europe/Helsinki", "ヘルシンキ", "Helsinki", "フィンランド"),
    ("Europe/Vienna", "ウィーン", "Vienna", "オーストリア"),
    ("Europe/Berlin", "ベルリン", "Berlin", "ドイツ"),
    ("Europe/Zurich", "チューリッヒ", "Zurich", "スイス"),
    ("Europe/Rome", "ローマ", "Rome", "イタリア"),
    ("Europe/Amsterdam", "アムステルダム", "Amsterdam", "オランダ"),
    ("Europe/Paris", "パリ", "Paris", "フランス"),
    ("Europe/Madrid", "マドリード", "Madrid", "スペイン"),
    ("Europe/London", "ロンドン", "London", "イギリス"),
    ("America/Sao_Paulo", "サンパウロ", "Sao Paulo", "ブラジル"),
    ("America/New_York", "ニューヨーク", "New York", "アメリカ合衆国"),
    ("America/Toronto", "トロント", "Toronto", "カナダ"),
    ("America/Chicago", "シカゴ", "Chicago", "アメリカ合衆国"),
    ("America/Mexico_City", "メキシコシティ", "Mexico City", "メキシコ"),
    ("America/Denver", "デンバー", "Denver", "アメリカ合衆国"),
    ("America/Los_Angeles", "ロサンゼルス", "Los Angeles", "アメリカ合衆国"),
    ("America/Vancouver", "バンクーバー", "Vancouver", "カナダ"),
    ("America/Anchorage", "アンカレッジ", "Anchorage", "アメリカ合衆国 アラスカ州"),
    ("Australia/Sydney", "シドニー", "Sydney", "オーストラリア"),
    ("Australia/Melbourne", "メルボルン", "Melbourne", "オーストラリア"),
    ("Australia/Brisbane", "ブリスベン", "Brisbane", "オーストラリア"),
    ("Australia/Adelaide", "アデレード", "Adelaide", "オーストラリア"),
    ("Australia/Perth", "パース", "Perth", "オーストラリア"),
    ("Pacific/Auckland", "オークランド", "Auckland", "ニュージーランド"),
]

HEADER = """\
# 地点: the places the calculator, skycalc-cli and the page choose by name.
# Written by scripts/make_places.py, which names the sources:
# Japan: 国立天文台 暦計算室 各地のこよみ (https://eco.mtk.nao.ac.jp/koyomi/dni/),
#   the office's points in the 47 prefectural capitals, height 0 m as computed there;
# 三鷹: the National Astronomical Observatory of Japan, IAU observatory code 388;
# abroad: the IANA time zone database (zone.tab, public domain), standard offsets.
# name<TAB>reading<TAB>romanised<TAB>region<TAB>longitude<TAB>latitude<TAB>height m<TAB>zone
"""


def degrees(dms):
    d, m = dms[0], dms[1]
    s = dms[2] if len(dms) > 2 else 0.0
    return d + m / 60.0 + s / 3600.0


def keyed(value):
    """The value as the keypad keys it: four decimals at most, trailing zeros dropped."""
    text = "%.4f" % value
    text = text.rstrip("0")
    return text + "0" if text.endswith(".") else text


def hiragana(katakana):
    return "".join(chr(ord(c) - 0x60) if "ァ" <= c <= "ヶ" else c for c in katakana)


def zone_text(minutes):
    sign = "-" if minutes < 0 else "+"
    return "%s%02d:%02d" % (sign, abs(minutes) // 60, abs(minutes) % 60)


def iso6709(text):
    """zone.tab's ±DDMM[SS]±DDDMM[SS] as (latitude, longitude) degrees."""
    m = re.fullmatch(r"([+-])(\d{2})(\d{2})(\d{2})?([+-])(\d{3})(\d{2})(\d{2})?", text)
    if not m:
        raise ValueError(text)

    def part(sign, d, mi, s):
        v = int(d) + int(mi) / 60.0 + (int(s) if s else 0) / 3600.0
        return -v if sign == "-" else v

    return part(*m.group(1, 2, 3, 4)), part(*m.group(5, 6, 7, 8))


def standard_offset_minutes(zone):
    tz = zoneinfo.ZoneInfo(zone)
    for month in (1, 7):
        moment = datetime.datetime(2025, month, 15, 12, tzinfo=tz)
        if moment.dst() == datetime.timedelta(0):
            return int(moment.utcoffset().total_seconds() // 60)
    raise ValueError("no standard time in " + zone)


def rows():
    out = []
    for name, reading, romaji, region, lon, lat in JAPAN:
        out.append((name, reading, romaji, region, keyed(degrees(lon)), keyed(degrees(lat)), "0", "+09:00"))
    name, reading, romaji, region, lon, lat = OFFICE
    out.append((name, reading, romaji, region, keyed(degrees(lon)), keyed(degrees(lat)), "-", "+09:00"))
    coordinates = {}
    with open(ZONE_TAB, encoding="utf-8") as tab:
        for line in tab:
            if line.startswith("#"):
                continue
            fields = line.rstrip("\n").split("\t")
            coordinates[fields[2]] = iso6709(fields[1])
    for entry in ABROAD:
        zone, name, romaji, region = entry[:4]
        reading = entry[4] if len(entry) > 4 else hiragana(name)
        lat, lon = coordinates[zone]
        out.append((name, reading, romaji, region, keyed(lon), keyed(lat), "-",
                    zone_text(standard_offset_minutes(zone))))
    return out


def render():
    return HEADER + "".join("\t".join(row) + "\n" for row in rows())


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--write", action="store_true", help="rewrite data/Places.txt")
    args = parser.parse_args()
    text = render()
    names = [row[0] for row in rows()]
    if len(set(names)) != len(names):
        sys.exit("duplicate place names")
    if args.write:
        with open(OUTPUT, "w", encoding="utf-8") as f:
            f.write(text)
        print("wrote %s (%d places)" % (OUTPUT, len(names)))
        return
    with open(OUTPUT, encoding="utf-8") as f:
        if f.read() != text:
            sys.exit("data/Places.txt differs from its sources; run with --write")
    print("data/Places.txt matches its sources (%d places)" % len(names))


if __name__ == "__main__":
    main()
