#include "run/zone_search.h"

#include <algorithm>
#include <map>
#include <memory>
#include <tuple>

#include "common/str_proc.h"
#include "common/utf_text.h"
#include "datetime/zone_countries.h"
#include "datetime/zone_database.h"
#include "run/zone_list.h"

namespace kalvest {
namespace {

// Lower case, with "_" as a blank: how the search compares texts.
std::string Folded(std::string_view text) {
    std::string folded = Utf16ToUtf8(LowerCase(Utf8ToUtf16(text)));
    std::replace(folded.begin(), folded.end(), '_', ' ');
    return folded;
}

bool IsSeparator(char c) { return c == ' ' || c == '/' || c == '_' || c == ',' || c == '\t'; }

std::vector<std::string> Words(std::string_view folded) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : folded) {
        if (IsSeparator(c)) {
            if (!word.empty()) words.push_back(std::move(word));
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty()) words.push_back(std::move(word));
    return words;
}

// Every text a zone may be known by, folded.
std::vector<std::string> KnownAs(const ZoneChoice& zone) {
    std::vector<std::string> texts = {Folded(zone.name), Folded(zone.city)};
    for (const auto* list : {&zone.countries, &zone.abbreviations, &zone.other_names}) {
        for (const std::string& text : *list) texts.push_back(Folded(text));
    }
    return texts;
}

// Whether `word` begins one of the words of `text`.
bool BeginsAWord(const std::string& text, const std::string& word) {
    for (std::size_t at = text.find(word); at != std::string::npos;
         at = text.find(word, at + 1)) {
        if (at == 0 || IsSeparator(text[at - 1]) || text[at - 1] == '-') return true;
    }
    return false;
}

enum Rank { kWhole = 0, kWordStarts = 1, kInside = 2, kNoMatch = 3 };

Rank RankOf(const ZoneChoice& zone, const std::string& query,
            const std::vector<std::string>& words) {
    const std::vector<std::string> known = KnownAs(zone);
    if (std::find(known.begin(), known.end(), query) != known.end()) return kWhole;
    bool all_start = true;
    for (const std::string& word : words) {
        bool found = false;
        bool starts = false;
        for (const std::string& text : known) {
            if (text.find(word) == std::string::npos) continue;
            found = true;
            if (BeginsAWord(text, word)) {
                starts = true;
                break;
            }
        }
        if (!found) return kNoMatch;
        all_start = all_start && starts;
    }
    return all_start ? kWordStarts : kInside;
}

void AddOnce(std::vector<std::string>& list, const std::string& text) {
    if (!text.empty() && std::find(list.begin(), list.end(), text) == list.end()) {
        list.push_back(text);
    }
}

}  // namespace

std::string CityOfZone(std::string_view name) {
    const std::size_t slash = name.rfind('/');
    std::string city(slash == std::string_view::npos ? name : name.substr(slash + 1));
    std::replace(city.begin(), city.end(), '_', ' ');
    return city;
}

ZoneCatalogue LoadZoneCatalogue(std::int32_t year) {
    ZoneCatalogue catalogue;
    const ZoneCountries countries = ReadZoneCountries(ZoneTableFolder());
    std::map<std::string, std::vector<std::string>> links;
    for (const auto& [name, target] : ZoneLinks()) links[target].push_back(name);
    for (const std::string& name : ZoneNames()) {
        const std::unique_ptr<TimeZone> zone = NamedTimeZone(name);
        if (!zone) continue;
        ZoneChoice choice;
        choice.name = name;
        choice.city = CityOfZone(name);
        if (const auto found = countries.find(name); found != countries.end()) {
            choice.countries = found->second;
        }
        if (const auto found = links.find(name); found != links.end()) {
            choice.other_names = found->second;
        }
        const std::vector<ZoneReading> readings = ZoneReadingsOfYear(*zone, year);
        for (const ZoneReading& reading : readings) AddOnce(choice.abbreviations, reading.abbreviation);
        choice.standard_offset_seconds = StandardOffset(readings);
        catalogue.zones.push_back(std::move(choice));
    }
    if (const std::optional<std::string> system = SystemZoneName()) {
        catalogue.system_zone = *system;
    } else {
        // The system's zone by the rule the database does not name.
        ZoneChoice local;
        local.name = "local";
        local.city = ZoneTitleName(local.name);
        if (const std::unique_ptr<TimeZone> zone = SystemTimeZone()) {
            const std::vector<ZoneReading> readings = ZoneReadingsOfYear(*zone, year);
            for (const ZoneReading& reading : readings) AddOnce(local.abbreviations, reading.abbreviation);
            local.standard_offset_seconds = StandardOffset(readings);
        }
        catalogue.system_zone = local.name;
        catalogue.zones.insert(catalogue.zones.begin(), std::move(local));
    }
    return catalogue;
}

std::vector<std::size_t> SearchZones(const ZoneCatalogue& catalogue, std::string_view query) {
    const std::string folded = Folded(TrimBlanks(std::string(query)));
    const std::vector<std::string> words = Words(folded);
    std::vector<std::tuple<bool, Rank, const std::string*, std::size_t>> found;
    for (std::size_t i = 0; i < catalogue.zones.size(); ++i) {
        const ZoneChoice& zone = catalogue.zones[i];
        const Rank rank = words.empty() ? kWhole : RankOf(zone, folded, words);
        if (rank == kNoMatch) continue;
        const bool not_system = zone.name != catalogue.system_zone;
        found.emplace_back(not_system, rank, &zone.name, i);
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
        return std::tie(std::get<0>(a), std::get<1>(a), *std::get<2>(a)) <
               std::tie(std::get<0>(b), std::get<1>(b), *std::get<2>(b));
    });
    std::vector<std::size_t> indexes;
    indexes.reserve(found.size());
    for (const auto& entry : found) indexes.push_back(std::get<3>(entry));
    return indexes;
}

std::string ZoneTitleName(const std::string& name) {
    return name == "local" ? "local time" : name;
}

std::string ZoneChoiceText(const ZoneChoice& zone, bool system_zone) {
    std::string details;
    for (const std::string& country : zone.countries) {
        details += (details.empty() ? "" : ", ") + country;
    }
    std::string abbreviations;
    for (const std::string& abbreviation : zone.abbreviations) {
        abbreviations += (abbreviations.empty() ? "" : ", ") + abbreviation;
    }
    if (!abbreviations.empty()) details += (details.empty() ? "" : "; ") + abbreviations;
    std::string text = details.empty() ? zone.name : zone.name + "  (" + details + ")";
    if (system_zone) text += " - this computer's zone";
    return text;
}

}  // namespace kalvest
