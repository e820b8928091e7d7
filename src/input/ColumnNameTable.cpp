#include "input/ColumnNameTable.h"

#include "input/Variables.h"

#include <regex>
#include <vector>

namespace climora {

namespace {

// One row of the name table: a column name (whole-name match, lower case,
// words joined by "_") and what it holds. `unit`: the unit its service always
// uses; empty: the name's unit word or the values decide; "-": the service's
// unit is one the program has no entry for (`problem` says which).
struct NameRow {
    const char* names;
    int variable;
    const char* unit = "";
    const char* problem = "";
};

// Earlier rows win: service codes with a fixed unit stand before the general
// names of their variable.
const std::vector<NameRow>& nameRows() {
    static const std::vector<NameRow> rows = {
        {"year|yr|yyyy|years|jahr|annee|ano", Year},
        {"month|mon|mo|mth|monat|mois|mes", Month},
        {"doy|jday|jd|julian|julian_?day|julday|day_?of_?year|yday|dayno", DOY},
        {"day|dd|dom|dy|day_?of_?month|tag|jour|dia", Day},
        {"yydoy|yyddd|yrdoy|yyjjj|date|dates|time|datetime|yyyymmdd|yyyyddd", YYDOY},
        // Solar radiation
        {"srad|radn|allsky_sfc_sw_dwn|shortwave_radiation_sum", Solar, "MJ/m2/d"},
        {"sr", Solar, "Langley"},
        {"q", Solar, "-", "global radiation in J/cm2"},
        {"rs|rad|radiation|solar|solar_?rad(iation)?|sol|global|global_?rad(iation)?|"
         "glorad|ghi|insolation|sw_?down|sw_?in|gsr|srad_?\\w*|solar_?\\w*",
         Solar},
        // Temperatures
        {"mx", TMax, "oF"},
        {"mn", TMin, "oF"},
        {"tx|tn", NoVariable, "-", "temperature in 0.1 degrees"},
        {"tmax|t_?max|maxt|max_?t|max_?temp(erature)?|temp(erature)?_?max|t2m_max|tmx|hi|high|"
         "hi_?temp|temp_?hi|air_?temp_?max|max_?air_?temp|temperature_2m_max|tmax\\w*",
         TMax},
        {"tmin|t_?min|mint|min_?t|min_?temp(erature)?|temp(erature)?_?min|t2m_min|tmn|lo|low|"
         "lo_?temp|temp_?lo|air_?temp_?min|min_?air_?temp|temperature_2m_min|tmin\\w*",
         TMin},
        {"soil_?t|tsoil|t_?soil|soil_?temp(erature)?|soil_?temp_?\\w+|stemp|ts|st", SoilT},
        // Water
        {"prectotcorr|prectot|precipitation_sum|rain_sum", Precip, "mm"},
        {"pp", Precip, "inch"},
        {"rh", RelHum, "%"}, // KNMI's RH is precipitation in 0.1 mm: its legend unit refuses it
        {"prcp|precip|precipitation|prec|pre|ppt|pcp|pr|rain|rainfall|rr|p|neerslag|regen|"
         "lluvia|niederschlag|rain_?total|total_?precip(itation)?|precip(itation)?_?total",
         Precip},
        {"etos|etrs", ET, "inch"},
        {"ev24", NoVariable, "-", "evaporation in 0.1 mm"},
        {"et|eto|et0|etr|ref_?et|refet|pet|et_?ref|evapotranspiration|et_asce|etp|etc|"
         "et0_fao_evapotranspiration|evapotrans",
         ET},
        {"et_\\w+|eto_\\w+|etr_\\w+", Ignore}, // a second ET method
        {"pan|pan_?evap(oration)?|panevap|epan|evap|evaporation|evp|ev|e_?pan|class_?a", PanEvap},
        // Humidity
        {"rhmax|rhmin|rh_?max|rh_?min|rhx|rhn|max_?rh|min_?rh|ux|un", Ignore},
        {"rhum|relhum|rel_?hum(idity)?|rh2m|rh_?mean|rh_?avg|rhavg|relative_?humidity|humidity|"
         "hum|ug|relative_humidity_2m_mean|hurs",
         RelHum, "%"},
        // Wind
        {"windrun|wind_?run|wrun|run|wr", NoVariable, "-", "wind run, a distance per day"},
        {"ws2m|ws10m|u2|u2m|fhvec", WndSpd, "m/s"},
        {"ua", WndSpd, "mile/hr"},
        {"wspd", WndSpd, "km/hr"},
        {"fg", NoVariable, "-", "wind speed in 0.1 m/s"},
        {"wind|wnd|ws|wind_?speed|windspeed|wind_?spd|wsp|ff|awnd|avg_?wind|wind_?avg|wndspd|"
         "wind_?mean|u|wind_speed_2m|wind_?speed_10m_mean|windspeed_10m_mean",
         WndSpd},
        // Sunshine
        {"tsun", NoVariable, "-", "sunshine in minutes"},
        {"sq", NoVariable, "-", "sunshine in 0.1 hours"},
        {"sp|sun_?pct|sunpct|sunshine_?pct|sunshine_?percent|sun_?percent|pct_?sun|percent_?sun|"
         "rel_?sun|relative_?sunshine|ssp",
         SunHrPercent, "%"},
        {"sun|sunhr|sun_?hr|sunshine|sunshine_?hours|sunshine_?duration|sun_?hours|sunh|ssd|sh|"
         "sunshine_?hr",
         SunHr, "hr"},
        // Known columns the program does not read
        {"station|stn|station_?id|id|name|station_?name|site|wmo|usaf|wban|lat|latitude|lon|long|"
         "longitude|elev|elevation|alt|altitude|source|\\w*_attributes|\\w*flags?\\w*|qc|\\w*_qc|"
         "tavg|tmean|tg|t2m|tm|ta|mean_?temp|temp|temperature|avg_?temp|temp_?avg|tdew|dewp|dew|"
         "dew_?point|ym|td|t2mdew|snow|snwd|snowfall|snow_?depth|wdir|wdf\\d|wsf\\d|dd|ddvec|wpgt|"
         "gust|fhx|fxx|fhn|fhnh|fhxh|fxxh|tnh|txh|t10n|t10nh|rhxh|uxh|unh|pres|pressure|pg|px|pn|"
         "pxh|pnh|slp|ps|vap|vp|vprsd|ea|par|vvn|vvx|vvnh|vvxh|ng|dr|rhx",
         Ignore},
    };
    return rows;
}

struct UnitRow {
    const char* words;
    int kind; // a variable standing for its kind of unit
    const char* unit;
};

int unitKind(int variable) {
    switch (variable) {
    case TMin:
    case SoilT:
        return TMax;
    case ET:
    case PanEvap:
        return Precip;
    case SunHrPercent:
        return RelHum;
    default:
        return variable;
    }
}

// Unit words after normalisation; an empty unit: a unit the program lacks.
const std::vector<UnitRow>& unitRows() {
    static const std::vector<UnitRow> rows = {
        {"c|oc|degc|deg_?c|celsius|degrees_?celsius|degrees_?c", TMax, "oC"},
        {"f|of|degf|deg_?f|fahrenheit|degrees_?fahrenheit|degrees_?f", TMax, "oF"},
        {"mj/m2(/d|/day)?|mj_?m-2(_?d-1|_?day-1)?|mj|mj/m2d|mjm2|mj/m2/dag", Solar, "MJ/m2/d"},
        {"ly|ly/d(ay)?|langleys?(/d|/day)?|cal/cm2(/d|/day)?", Solar, "Langley"},
        {"w/m2|w_?m-2|wm2|w|w/m2/d", Solar, "W/m2"},
        {"j/cm2|kwh/m2|wh/m2|j/m2|kj/m2", Solar, ""},
        {"mm(/d|/day)?", Precip, "mm"},
        {"cm(/d|/day)?", Precip, "cm"},
        {"in|inch|inches|in/d(ay)?|\"", Precip, "inch"},
        {"km/h|kmh|km/hr|kph|kmph|km_?h-1", WndSpd, "km/hr"},
        {"mph|mi/h|mile/hr|miles/h(our)?|mi/hr", WndSpd, "mile/hr"},
        {"m/s|ms|mps|m/sec|m_?s-1|ms-1", WndSpd, "m/s"},
        {"knots?|kt|kn|km/d(ay)?|mi/d(ay)?|miles/day|km|mi|miles", WndSpd, ""},
        {"%|pct|percent|perc|fraction", RelHum, "%"},
        {"h|hr|hrs|hours?", SunHr, "hr"},
        {"min|mins|minutes", SunHr, ""},
    };
    return rows;
}

bool matchesWhole(const char* pattern, const std::string& text) {
    // Compiled once per pattern; the tables live for the whole program.
    static std::vector<std::pair<const char*, std::regex>> compiled;
    for (const auto& [source, regex] : compiled)
        if (source == pattern)
            return std::regex_match(text, regex);
    compiled.emplace_back(pattern, std::regex(pattern, std::regex::ECMAScript));
    return std::regex_match(text, compiled.back().second);
}

void replaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

std::string trimmed(std::string_view text) {
    std::size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string_view::npos)
        return {};
    std::size_t end = text.find_last_not_of(" \t");
    return std::string(text.substr(begin, end - begin + 1));
}

// Words joined by "_": "Max Temp" and "max-temp" read as "max_temp".
std::string joinedWords(const std::vector<std::string>& words, std::size_t count) {
    std::string joined;
    for (std::size_t i = 0; i < count; ++i)
        joined += (i ? "_" : "") + words[i];
    return joined;
}

std::vector<std::string> wordsOf(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text + ' ') {
        if (c == ' ' || c == '_' || c == '-' || c == '\t') {
            if (!word.empty())
                words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    return words;
}

const NameRow* findRow(const std::string& name) {
    for (const NameRow& row : nameRows())
        if (matchesWhole(row.names, name))
            return &row;
    return nullptr;
}

bool isAnyUnitWord(const std::string& word) {
    for (const UnitRow& row : unitRows())
        if (matchesWhole(row.words, word))
            return true;
    return false;
}

// The unit word in brackets, else a last word that is a unit ("rain_mm").
struct SplitName {
    std::vector<std::string> words;
    std::string unitWord;
};

SplitName splitName(const std::string& name) {
    SplitName split;
    std::size_t open = name.find_first_of("([");
    if (open == std::string::npos) {
        split.words = wordsOf(name);
        return split;
    }
    std::size_t close = name.find_first_of(")]", open);
    split.unitWord = trimmed(
        name.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1));
    split.words = wordsOf(name.substr(0, open));
    return split;
}

// A last word that is a unit ("rain_mm", "max_temp_c") when the whole name
// is no known name ("t2m_min" is one).
void splitTrailingUnit(SplitName& split) {
    if (split.unitWord.empty() && split.words.size() >= 2 &&
        !findRow(joinedWords(split.words, split.words.size())) &&
        isAnyUnitWord(split.words.back())) {
        split.unitWord = split.words.back();
        split.words.pop_back();
    }
}

// The whole name, then each word from the last (station codes such as
// "FALN MX" put the variable last).
const NameRow* rowForWords(const std::vector<std::string>& words) {
    if (words.empty())
        return nullptr;
    if (const NameRow* row = findRow(joinedWords(words, words.size())))
        return row;
    for (std::size_t i = words.size(); i-- > 0;)
        if (const NameRow* row = findRow(words[i]))
            return row;
    return nullptr;
}

NameMatch matchOfRow(const NameRow& row, const std::string& unitWord) {
    NameMatch match{row.variable, "", ""};
    if (std::string_view(row.unit) == "-") {
        match.variable = NoVariable;
        match.problem = row.problem;
        return match;
    }
    match.unit = row.unit;
    if (unitWord.empty() || !isMeasured(row.variable))
        return match;
    std::optional<std::string> unit = unitForWord(row.variable, unitWord);
    if (!unit) // a word that is no unit ("in procenten", "DECIMAL DEGREES")
        return match;
    if (!unit->empty()) {
        match.unit = *unit;
        return match;
    }
    match.variable = NoVariable;
    match.unit.clear();
    match.problem = "unit \"" + unitWord + "\"";
    return match;
}

} // namespace

std::string normalizedName(std::string_view name) {
    std::string text;
    for (char c : name)
        if (c != '"' && c != '\'' && c != '@' && c != '#' && c != '*')
            text += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    replaceAll(text, "\xC2\xB0", "");      // °
    replaceAll(text, "\xC2\xBA", "");      // º
    replaceAll(text, "\xC2\xB2", "2");     // ²
    replaceAll(text, "\xE2\x84\x83", "c"); // ℃
    replaceAll(text, "\xE2\x84\x89", "f"); // ℉
    replaceAll(text, "^2", "2");
    return trimmed(text);
}

std::optional<std::string> unitForWord(int variable, std::string_view word) {
    std::string text = normalizedName(word);
    if (text.rfind("in ", 0) == 0)
        text = trimmed(text.substr(3));
    if (text.find("0.1") != std::string::npos)
        return std::string(); // tenths of a unit
    replaceAll(text, " ", "_");
    int kind = unitKind(variable);
    for (const UnitRow& row : unitRows())
        if (row.kind == kind && matchesWhole(row.words, text))
            return std::string(row.unit);
    return std::nullopt;
}

std::optional<NameMatch> matchColumnName(std::string_view name, std::string_view unitHint) {
    SplitName split = splitName(normalizedName(name));
    splitTrailingUnit(split);
    if (split.unitWord.empty())
        split.unitWord = normalizedName(unitHint);
    const NameRow* row = rowForWords(split.words);
    if (!row)
        return std::nullopt;
    return matchOfRow(*row, split.unitWord);
}

} // namespace climora
