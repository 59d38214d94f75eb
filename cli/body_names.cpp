#include "cli/body_names.h"

#include <utf8proc.h>

#include <cstdlib>

namespace skycalc {

const std::array<const char*, 10> kPlanetEnglishNames = {
    "sun", "mercury", "venus", "mars", "jupiter", "saturn", "uranus", "neptune", "pluto", "moon"};

const std::array<const char*, 21> kStarEnglishNames = {
    "arcturus", "acrux",   "hadar",    "achernar",  "altair",          "aldebaran", "antares",
    "canopus",  "capella", "sirius",   "spica",     "deneb",           "rigil-kentaurus",
    "fomalhaut", "procyon", "vega",    "becrux",    "betelgeuse",      "pollux",    "rigel",
    "regulus"};

const std::array<ConstellationName, 88> kConstellationEnglishNames = {{
    {"Andromeda", "And"},        {"Monoceros", "Mon"},           {"Sagittarius", "Sgr"},
    {"Delphinus", "Del"},        {"Indus", "Ind"},               {"Pisces", "Psc"},
    {"Lepus", "Lep"},            {"Bootes", "Boo"},              {"Hydra", "Hya"},
    {"Eridanus", "Eri"},         {"Taurus", "Tau"},              {"Canis Major", "CMa"},
    {"Lupus", "Lup"},            {"Ursa Major", "UMa"},          {"Virgo", "Vir"},
    {"Aries", "Ari"},            {"Orion", "Ori"},               {"Pictor", "Pic"},
    {"Cassiopeia", "Cas"},       {"Dorado", "Dor"},              {"Cancer", "Cnc"},
    {"Coma Berenices", "Com"},   {"Chamaeleon", "Cha"},          {"Corvus", "Crv"},
    {"Corona Borealis", "CrB"},  {"Tucana", "Tuc"},              {"Auriga", "Aur"},
    {"Camelopardalis", "Cam"},   {"Pavo", "Pav"},                {"Cetus", "Cet"},
    {"Cepheus", "Cep"},          {"Centaurus", "Cen"},           {"Microscopium", "Mic"},
    {"Canis Minor", "CMi"},      {"Equuleus", "Equ"},            {"Vulpecula", "Vul"},
    {"Ursa Minor", "UMi"},       {"Leo Minor", "LMi"},           {"Crater", "Crt"},
    {"Lyra", "Lyr"},             {"Circinus", "Cir"},            {"Ara", "Ara"},
    {"Scorpius", "Sco"},         {"Triangulum", "Tri"},          {"Leo", "Leo"},
    {"Norma", "Nor"},            {"Scutum", "Sct"},              {"Caelum", "Cae"},
    {"Sculptor", "Scl"},         {"Grus", "Gru"},                {"Mensa", "Men"},
    {"Libra", "Lib"},            {"Lacerta", "Lac"},             {"Horologium", "Hor"},
    {"Volans", "Vol"},           {"Puppis", "Pup"},              {"Musca", "Mus"},
    {"Cygnus", "Cyg"},           {"Octans", "Oct"},              {"Columba", "Col"},
    {"Apus", "Aps"},             {"Gemini", "Gem"},              {"Pegasus", "Peg"},
    {"Serpens", "Ser"},          {"Ophiuchus", "Oph"},           {"Hercules", "Her"},
    {"Perseus", "Per"},          {"Vela", "Vel"},                {"Telescopium", "Tel"},
    {"Phoenix", "Phe"},          {"Antlia", "Ant"},              {"Aquarius", "Aqr"},
    {"Hydrus", "Hyi"},           {"Crux", "Cru"},                {"Piscis Austrinus", "PsA"},
    {"Corona Australis", "CrA"}, {"Triangulum Australe", "TrA"}, {"Sagitta", "Sge"},
    {"Capricornus", "Cap"},      {"Lynx", "Lyn"},                {"Pyxis", "Pyx"},
    {"Draco", "Dra"},            {"Carina", "Car"},              {"Canes Venatici", "CVn"},
    {"Reticulum", "Ret"},        {"Fornax", "For"},              {"Sextans", "Sex"},
    {"Aquila", "Aql"},
}};

namespace {

// Lower-cases ASCII letters, turns blanks and "_" into "-" and the UTF-8
// "ö"/"Ö" into "o", so "Boötes", "canis_major" and "Canis Major" compare equal.
std::string NormalizeLatin(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == 0xC3 && i + 1 < text.size() && (text[i + 1] == '\xB6' || text[i + 1] == '\x96')) {
      out += 'o';
      ++i;
    } else if (c == ' ' || c == '_') {
      out += '-';
    } else if (c >= 'A' && c <= 'Z') {
      out += static_cast<char>(c - 'A' + 'a');
    } else {
      out += static_cast<char>(c);
    }
  }
  return out;
}

// text in Unicode normalisation form KC, so that the full-width ベガ typed
// with an input method and the half-width ﾍﾞｶﾞ of the star list, or "１５"
// and "15", or "ｓｉｒｉｕｓ" and "sirius", compare equal.
// Reference: Unicode Standard Annex #15, Unicode Normalization Forms.
// Text that is not UTF-8 is left as it is: it can match no name either way.
std::string Nfkc(const std::string& text) {
  utf8proc_uint8_t* normalized = nullptr;
  const utf8proc_ssize_t size =
      utf8proc_map(reinterpret_cast<const utf8proc_uint8_t*>(text.data()), static_cast<utf8proc_ssize_t>(text.size()),
                   &normalized, static_cast<utf8proc_option_t>(UTF8PROC_STABLE | UTF8PROC_COMPOSE | UTF8PROC_COMPAT));
  if (size < 0) return text;
  std::string out(reinterpret_cast<const char*>(normalized), static_cast<std::size_t>(size));
  std::free(normalized);
  return out;
}

// A list position given as decimal digits, or -1.
int ParsePosition(const std::string& text, std::size_t size) {
  if (text.empty() || text.size() > 3) return -1;
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return -1;
    value = value * 10 + (c - '0');
  }
  return static_cast<std::size_t>(value) < size ? value : -1;
}

// The English or Latin names of position i, normalised.
std::vector<std::string> EnglishNames(BodyKind kind, std::size_t i) {
  switch (kind) {
    case BodyKind::kPlanet: return {kPlanetEnglishNames[i]};
    case BodyKind::kStar: return {kStarEnglishNames[i]};
    case BodyKind::kConstellation:
      return {NormalizeLatin(kConstellationEnglishNames[i].latin),
              NormalizeLatin(kConstellationEnglishNames[i].abbreviation)};
  }
  return {};
}

// The shortened forms of a Japanese list entry that are accepted too.
std::vector<std::string> JapaneseForms(BodyKind kind, const std::string& entry) {
  std::vector<std::string> forms = {entry};
  if (kind == BodyKind::kStar) {
    const std::size_t paren = entry.find('(');
    if (paren != std::string::npos && paren > 0) forms.push_back(entry.substr(0, paren));
  }
  if (kind == BodyKind::kConstellation) forms.push_back(entry + "座");
  return forms;
}

}  // namespace

std::size_t BodyListSize(BodyKind kind) {
  switch (kind) {
    case BodyKind::kPlanet: return kPlanetEnglishNames.size();
    case BodyKind::kStar: return kStarEnglishNames.size();
    case BodyKind::kConstellation: return kConstellationEnglishNames.size();
  }
  return 0;
}

int ResolveBody(BodyKind kind, const std::string& text, const std::vector<std::string>& listEntries) {
  const std::size_t size = BodyListSize(kind);
  const std::string typed = Nfkc(text);
  const int position = ParsePosition(typed, size);
  if (position >= 0) return position;
  const std::string key = NormalizeLatin(typed);
  for (std::size_t i = 0; i < size; ++i) {
    for (const std::string& name : EnglishNames(kind, i)) {
      if (name == key) return static_cast<int>(i);
    }
  }
  for (std::size_t i = 0; i < listEntries.size() && i < size; ++i) {
    for (const std::string& form : JapaneseForms(kind, listEntries[i])) {
      if (Nfkc(form) == typed) return static_cast<int>(i);
    }
  }
  return -1;
}

}  // namespace skycalc
