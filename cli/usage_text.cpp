#include "cli/usage_text.h"

namespace skycalc {

const char* const kCliUsageText =
    R"(Usage: skycalc-cli [FIELD OPTIONS] [BODY] [--equatorial|--horizontal]
                   [--julian-day|--sidereal] [--precise] [--json|--csv]
                   [--step N(m|h|d) --count K] [--details] [--data-dir DIR]
       skycalc-cli --events [DATE] [SITE] [ZONE] [BODY] [--precise]
                   [--convention jp|intl] [--count K] [--json|--csv]
       skycalc-cli --eclipses [--year Y] [SITE] [ZONE] [--count K] [--json|--csv]
       skycalc-cli --almanac [--year Y] [ZONE] [--count K] [--json|--csv]
       skycalc-cli --calendar [--year Y] [--month M] [ZONE] [--count K]
                   [--json|--csv]
       skycalc-cli --holidays [--year Y] [--count K] [--json|--csv]
       skycalc-cli --phenomena [--year Y] [ZONE] [--kind planet,moon,meteor]
                   [--count K] [--json|--csv]
       skycalc-cli --chart FILE.svg|FILE.json [DATE] [--hour H] [--minute M] [SITE]
                   [ZONE] [BODY] [--precise] [--width N]
       skycalc-cli --sites [--data-dir DIR]
DATE is --year, --month and --day; SITE --longitude, --latitude and
--azimuth (the chart takes no --azimuth); ZONE --zone-hour and --zone-minute. An option that would have no
effect in the chosen mode is refused.

Computes what the skycalc calculator shows, without its window. Each field
value is keyed on the calculator's keypad and stored with its field button
and SET, so it is checked and shown exactly as in the window.

Fields (not given: date and time from the clock, the rest from the settings
the window saved):
  --year Y          -99999 to 99999        --month M        1 to 12
  --day D           1 to 31                --hour H         0 to 23
  --minute M        0 to 59                --zone-hour H    -23 to 23
  --zone-minute M   0 to 59 (added to the zone hours: -3h30m is -4 and 30)
  --longitude L     degrees, east positive, between -180 and 180
  --latitude B      degrees, north positive, -90 to 90
  --azimuth A       azimuth origin in degrees, 0 (south) to 359.99
  --site NAME       a place of the list (--sites) by name, reading or romanised
                    name (札幌, さっぽろ, Sapporo): its longitude and latitude,
                    and its zone unless --zone-hour is given
  --sites           list the places (Places.txt) and their sites and zones
Body (default: the Sun):
  --planet P        0-9, Japanese name, or sun, mercury, ..., pluto, moon
  --star S          0-20, Japanese name, or English name (sirius, rigil-kentaurus)
  --constellation C 0-87, Japanese name, Latin name or IAU abbreviation (UMa)
Readouts:
  --equatorial | --horizontal   coordinates (default horizontal)
  --julian-day | --sidereal     time readout (default Julian Day)
  --precise         the precise model (apparent places good to an arcminute,
                    years 1000-2999, Pluto 1885-2099) instead of the
                    calculator's own; the sidereal time is then apparent
Output:
  (default)         three lines: time, first and second coordinate readouts
  --json            one JSON object per line (jd, lst, equatorial, horizontal
                    in radians, the three texts and the stored fields)
  --csv             header and one line per row (coordinates in degrees)
  --step N(m|h|d) --count K   K rows, N minutes, hours or days apart
  --details         on every row also the body's magnitude, illuminated
                    fraction, phase angle, elongation (east positive),
                    apparent diameter, distance and IAU constellation (not
                    with --events)
  --events          rise, transit and set (and the Sun's twilights) on the
                    stored date, in the stored zone; --count K for K days
  --convention jp|intl   rise and set as Japan's almanac office defines them
                    (default jp: the Sun's upper limb, the Moon's centre,
                    refraction 35'08"), or intl (upper limb of the Sun and the
                    Moon, refraction 34')
  --eclipses        every solar and lunar eclipse of the stored year (--count
                    K: K years, 1000-2999) with its contacts at the stored
                    site: local time, altitude and azimuth of the Sun or the
                    Moon, magnitude, and whether it is seen there
  --data-dir DIR    folder of StarData.txt, ConstData.txt and the chart's
                    ChartStars.txt and ChartLines.txt (default: each from the
                    current folder, else from ../share/skycalc beside the program)
Sky chart (星図):
  --chart FILE.svg  the sky above the horizon at the stored site and instant
                    as a planisphere draws it (zenith at the centre, south at
                    the bottom, east on the left): stars to magnitude 5.5,
                    constellation figures and names, the Sun, the Moon and the
                    planets in the chosen model, the chosen body marked; each
                    named object a <g> with a <title>
  --chart FILE.json the same chart as data: the projection (centre, radius,
                    azimuth at the top) and every object drawn with its name,
                    magnitude, altitude and azimuth (degrees, from the north
                    through the east) and its x, y on the chart
  --width N         the chart's width in pixels, 1 to 20000 (default 800)
Almanac (暦; always from the accurate Sun and Moon, years 1000-2999, times
in the stored zone rounded to the minute as the almanac office does):
  --almanac         the stored year's solar terms, Moon phases and 雑節, one a
                    line (date, time, name); --count K for K years
  --calendar        the stored month day by day: the Moon's age at noon, its
                    illuminated fraction, the 旧暦 date, the 六曜 (both
                    unofficial), the day's events and its holiday; --count K
                    for K months
  --holidays        Japan's national holidays of the stored year (from
                    1948-07-20; 振替休日 and 国民の休日 included), one a line
                    (date, name); an equinox day not yet announced by the
                    cabinet is computed and marked (予定); --count K for K
                    years (JSON: date, name, planned)
  --phenomena       the stored year's sky events (天象): the planets' 合, 衝,
                    矩, greatest elongations, 留, closest approaches and
                    Venus's greatest brilliancy, the Moon's perigees, apogees
                    and conjunctions with the planets and four bright stars,
                    the Earth's perihelion and aphelion, conjunctions of two
                    planets and the maxima of the major meteor showers, one a
                    line (date, time, name, body, figure, where the second
                    body passes, meaning); --count K for K years
  --kind LIST       with --phenomena: only planet, moon and/or meteor
Exit status: 0 success, 2 value rejected by the calculator or a year outside
the model's (or the almanac's) years, 64 usage error, 74 the output could not be written.

使い方: skycalc-cli [項目オプション] [天体] [--equatorial|--horizontal]
                   [--julian-day|--sidereal] [--precise] [--json|--csv]
                   [--step N(m|h|d) --count K] [--details] [--data-dir フォルダ]
       skycalc-cli --events [日付] [地点] [標準時] [天体] [--precise]
                   [--convention jp|intl] [--count K] [--json|--csv]
       skycalc-cli --eclipses [--year 年] [地点] [標準時] [--count K] [--json|--csv]
       skycalc-cli --almanac [--year 年] [標準時] [--count K] [--json|--csv]
       skycalc-cli --calendar [--year 年] [--month 月] [標準時] [--count K]
                   [--json|--csv]
       skycalc-cli --holidays [--year 年] [--count K] [--json|--csv]
       skycalc-cli --phenomena [--year 年] [標準時] [--kind planet,moon,meteor]
                   [--count K] [--json|--csv]
       skycalc-cli --chart ファイル.svg|ファイル.json [日付] [--hour 時] [--minute 分]
                   [地点] [標準時] [天体] [--precise] [--width N]
       skycalc-cli --sites [--data-dir フォルダ]
日付は --year・--month・--day、地点は --longitude・--latitude・--azimuth、
標準時は --zone-hour・--zone-minute です。選んだ表示で効果のないオプションは
受け付けません。

電卓のウィンドウを開かずに、ウィンドウと同じ計算結果を表示します。各項目の
値はキーパッドで入力し、項目ボタンとSETで設定するので、ウィンドウと同じ
チェックと表示になります。

項目 (省略時: 日時は時計から、ほかはウィンドウが保存した設定から):
  --year 年         -99999～99999           --month 月       1～12
  --day 日          1～31                   --hour 時        0～23
  --minute 分       0～59                   --zone-hour 時   標準時 -23～23
  --zone-minute 分  標準時 0～59 (時に加算: -3時間30分は -4 と 30)
  --longitude 経度  度、東が正、-180より大きく180より小さい
  --latitude 緯度   度、北が正、-90～90
  --azimuth 方位    方位の基準 (度)、0 (南)～359.99
  --site 地点名     一覧 (--sites) の地点を名前・読み・ローマ字で (札幌、さっぽろ、
                    Sapporo): その経度・緯度と、--zone-hour がなければ標準時
  --sites           地点の一覧 (Places.txt) と経度・緯度・標準時を表示
天体 (省略時: 太陽):
  --planet 惑星     0～9、日本語名、または sun, mercury, ..., pluto, moon
  --star 恒星       0～20、日本語名、または英語名 (sirius, rigil-kentaurus)
  --constellation 星座  0～87、日本語名、ラテン語名、またはIAU略符 (UMa)
表示:
  --equatorial | --horizontal   赤道座標系 | 地平座標系 (省略時: 地平座標系)
  --julian-day | --sidereal     ユリウス日 | 地方恒星時 (省略時: ユリウス日)
  --precise         高精度計算 (1分角の精度の視位置、1000年～2999年、冥王星は
                    1885年～2099年)。地方恒星時は視恒星時になります
出力:
  (省略時)          3行: 時刻表示、第1・第2座標表示
  --json            1行に1つのJSONオブジェクト (ラジアン単位)
  --csv             見出し行と1行ごとのデータ (座標は度単位)
  --step N(m|h|d) --count K   N分・N時間・N日おきにK行の表
  --details         各行に天体の等級、輝面比、位相角、離角 (東が正)、視直径、
                    距離、星座も表示 (--events とは併用不可)
  --events          設定した日付の出・南中・没 (太陽は薄明も)、標準時で表示。
                    --count K でK日分
  --convention jp|intl   出没の定義: jp (省略時、国立天文台暦計算室の定義:
                    太陽は上辺、月は中心、大気差35′08″) または intl (太陽・月
                    とも上辺、大気差34′)
  --eclipses        設定した年 (--count K でK年分、1000年～2999年) の日食と月食
                    すべてを、設定した地点での各接触の時刻・太陽か月の高度と
                    方位・食分・見えるかどうかとともに表示
  --data-dir フォルダ  StarData.txt・ConstData.txtと星図のChartStars.txt・
                    ChartLines.txtのあるフォルダ (省略時: 現在のフォルダ、
                    なければプログラムの ../share/skycalc)
星図:
  --chart ファイル.svg   設定した地点・日時の地平線より上の空を星座早見盤と同じ
                    向き (中心が天頂、南が下、東が左) で描く: 5.5等までの恒星、
                    星座線と星座名、選んだ計算方式による太陽・月・惑星、選んだ
                    天体の印。名前のある天体はそれぞれ<title>付きの<g>
  --chart ファイル.json  同じ星図のデータ: 投影 (中心、半径、上端の方位) と描いた
                    天体ごとの名前・等級・高度・方位 (度、北から東回り)・星図上の x, y
  --width N         星図の幅 (ピクセル)、1～20000 (省略時 800)
暦 (常に高精度の太陽と月で計算、1000年～2999年、設定した標準時で分単位に四捨五入):
  --almanac         設定した年の二十四節気・朔弦望・雑節を1行に1つ (日付、時刻、
                    名称)。--count K でK年分
  --calendar        設定した月の毎日の正午月齢・輝面比・旧暦・六曜 (旧暦と六曜は
                    非公式) とその日の現象・祝日。--count K でKか月分
  --holidays        設定した年の国民の祝日・休日 (1948年7月20日以降、振替休日と
                    国民の休日を含む) を1行に1つ (日付、名称)。官報で未発表の
                    春分の日・秋分の日は計算により (予定) と表示。--count K で
                    K年分 (JSON: date, name, planned)
  --phenomena       設定した年の天象: 惑星の合・衝・矩・最大離角・留・地球最近、
                    金星の最大光度、月の近地点・遠地点と惑星・1等星との合、
                    地球の近日点・遠日点、惑星どうしの合、主な流星群の極大を
                    1行に1つ (日付、時刻、名称、天体、数値、位置関係、意味)。
                    --count K でK年分
  --kind 種類       --phenomena で planet (惑星)、moon (月)、meteor (流星群)
                    のうち表示するものをコンマで区切って指定
終了コード: 0 成功、2 電卓が値を受け付けない、または高精度計算の範囲外の年、
64 使い方の誤り、74 出力を書き込めない。
)";

}  // namespace skycalc
