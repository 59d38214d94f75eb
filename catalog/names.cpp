#include "catalog/names.h"

// The order of each table is the row order of its catalogue file: entry i
// names row i. The loaders, the data files and the selection lists all follow
// these tables, so a name is moved only together with its row.
namespace skycalc {

// Solar-system bodies in list order (the Earth is never offered).
const char* const PlanetNames[kPlanetNameCount] = {
    "太陽", "水星", "金星", "火星", "木星", "土星", "天王星", "海王星", "冥王星", "月",
};

// The 21 bright stars, rows of StarData.txt.
const char* const StarNames[21] = {
    "ｱｰｸﾄｩﾙｽ(うしかい座α星)",    // Arcturus, alpha Bootis
    "ｱｸﾙｸｽ(みなみじゅうじ座α星)",  // Acrux, alpha Crucis
    "ｱｹﾞﾅ(ｹﾝﾀｳﾙｽ座β星)",       // Hadar, beta Centauri
    "ｱｹﾙﾅｰ(ｴﾘﾀﾞﾇｽ座α星)",      // Achernar, alpha Eridani
    "ｱﾙﾀｲﾙ(わし座α星)",         // Altair, alpha Aquilae
    "ｱﾙﾃﾞﾊﾞﾗﾝ(おうし座α星)",     // Aldebaran, alpha Tauri
    "ｱﾝﾀﾚｽ(さそり座α星)",       // Antares, alpha Scorpii
    "ｶﾉｰﾌﾟｽ(りゅうこつ座α星)",    // Canopus, alpha Carinae
    "ｶﾍﾟﾗ(ぎょしゃ座α星)",       // Capella, alpha Aurigae
    "ｼﾘｳｽ(おおいぬ座α星)",       // Sirius, alpha Canis Majoris
    "ｽﾋﾟｶ(おとめ座α星)",         // Spica, alpha Virginis
    "ﾃﾞﾈﾌﾞ(はくちょう座α星)",    // Deneb, alpha Cygni
    "ﾄﾘﾏﾝ(ｹﾝﾀｳﾙｽ座α星)",        // Rigil Kentaurus, alpha Centauri
    "ﾌｫｰﾏﾙﾊｳﾄ(みなみのうお座α星)",  // Fomalhaut, alpha Piscis Austrini
    "ﾌﾟﾛｷｵﾝ(こいぬ座α星)",        // Procyon, alpha Canis Minoris
    "ﾍﾞｶﾞ(こと座α星)",           // Vega, alpha Lyrae
    "ﾍﾞｸﾙｸｽ(みなみじゅうじ座β星)",  // Becrux, beta Crucis
    "ﾍﾞﾃﾙｷﾞｳｽ(ｵﾘｵﾝ座α星)",       // Betelgeuse, alpha Orionis
    "ﾎﾟﾙｯｸｽ(ふたご座β星)",        // Pollux, beta Geminorum
    "ﾘｹﾞﾙ(ｵﾘｵﾝ座β星)",          // Rigel, beta Orionis
    "ﾚｸﾞﾙｽ(しし座α星)",          // Regulus, alpha Leonis
};

// The 88 constellations in Japanese syllabary order, rows of ConstData.txt.
const char* const ConstellationNames[88] = {
    "アンドロメダ", "いっかくじゅう", "いて", "いるか", "インディアン", "うお", "うさぎ", "うしかい",
    "うみへび", "エリダヌス", "おうし", "おおいぬ", "おおかみ", "おおぐま", "おとめ", "おひつじ",
    "オリオン", "がか", "カシオペヤ", "かじき", "かに", "かみのけ", "カメレオン", "からす",
    "かんむり", "きょしちょう", "ぎょしゃ", "きりん", "くじゃく", "くじら", "ケフェウス", "ケンタウルス",
    "けんびきょう", "こいぬ", "こうま", "こぎつね", "こぐま", "こじし", "コップ", "こと",
    "コンパス", "さいだん", "さそり", "さんかく", "しし", "じょうぎ", "たて", "ちょうこくぐ",
    "ちょうこくしつ", "つる", "テーブルさん", "てんびん", "とかげ", "とけい", "とびうお", "とも",
    "はい", "はくちょう", "はちぶんぎ", "はと", "ふうちょう", "ふたご", "ペガスス", "へび",
    "へびつかい", "ヘルクレス", "ペルセウス", "ほ", "ぼうえんきょう", "ほうおう", "ポンプ", "みずがめ",
    "みずへび", "みなみじゅうじ", "みなみのうお", "みなみのかんむり", "みなみのさんかく", "や", "やぎ", "やまねこ",
    "らしんばん", "りゅう", "りゅうこつ", "りょうけん", "レチクル", "ろ", "ろくぶんぎ", "わし",
};

}  // namespace skycalc
