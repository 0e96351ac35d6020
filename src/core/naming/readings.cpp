// The reading chooser over the dictionary's toned readings and the readings
// table of names.

#include "core/naming/readings.h"

#include <algorithm>
#include <optional>

#include "core/data/character_dictionary.h"
#include "core/data/name_readings.h"
#include "core/naming/name_sound.h"

namespace lumivane {
namespace {

std::vector<std::string> Split(std::string_view list, char separator) {
    std::vector<std::string> out;
    while (!list.empty()) {
        const std::size_t at = list.find(separator);
        if (at != 0) {
            out.emplace_back(list.substr(0, at));
        }
        list = at == std::string_view::npos ? std::string_view{} : list.substr(at + 1);
    }
    return out;
}

std::optional<ReadingRecord> RecordOf(std::uint32_t index) {
    if (index >= DictionarySize) {
        return std::nullopt;
    }
    return FindReadingRecord(CharacterText(index));
}

std::string Join(const std::vector<std::string>& parts, std::string_view separator) {
    std::string out;
    for (const std::string& part : parts) {
        out += (out.empty() ? "" : std::string(separator)) + part;
    }
    return out;
}

}  // namespace

std::vector<std::string> CommonReadingsOf(std::uint32_t index) {
    if (std::optional<ReadingRecord> record = RecordOf(index); record && !record->Common.empty()) {
        return SplitReadingList(record->Common);
    }
    std::vector<std::string> all = SplitReadingList(CharacterTonedReadings(index));
    all.resize(std::min<std::size_t>(all.size(), 1));
    return all;
}

std::vector<std::string> RareReadingsOf(std::uint32_t index) {
    const std::vector<std::string> common = CommonReadingsOf(index);
    std::vector<std::string> out;
    for (std::string& reading : SplitReadingList(CharacterTonedReadings(index))) {
        if (std::find(common.begin(), common.end(), reading) == common.end()) {
            out.push_back(std::move(reading));
        }
    }
    return out;
}

std::string SurnameReadingOf(std::uint32_t index) {
    std::optional<ReadingRecord> record = RecordOf(index);
    return record ? std::string(record->Surname) : std::string();
}

std::string NameReadingOf(std::uint32_t index) {
    std::optional<ReadingRecord> record = RecordOf(index);
    return record ? std::string(record->Name) : std::string();
}

std::string ReadingOf(std::uint32_t index, ReadingRole role) {
    if (index >= DictionarySize) {
        return "?";
    }
    std::string chosen = role == ReadingRole::Family  ? SurnameReadingOf(index)
                         : role == ReadingRole::Given ? NameReadingOf(index)
                                                      : std::string();
    if (chosen.empty()) {
        std::vector<std::string> common = CommonReadingsOf(index);
        chosen = common.empty() ? "?" : common.front();
    }
    return chosen;
}

std::string FamilyNameReadingOf(const FamilyName& name) {
    if (!name.secondText.empty()) {
        if (std::optional<ReadingRecord> whole =
                FindReadingRecord(name.firstText + name.secondText);
            whole && !whole->Surname.empty()) {
            return std::string(whole->Surname);
        }
        return ReadingOf(name.firstIndex, ReadingRole::Family) + " " +
               ReadingOf(name.secondIndex, ReadingRole::Family);
    }
    return ReadingOf(name.firstIndex, ReadingRole::Family);
}

std::array<std::string, 2> FamilyCharacterReadings(const FamilyName& name) {
    if (name.secondText.empty()) {
        return {FamilyNameReadingOf(name), {}};
    }
    std::vector<std::string> parts = Split(FamilyNameReadingOf(name), ' ');
    if (parts.size() != 2) {
        return {ReadingOf(name.firstIndex, ReadingRole::Family),
                ReadingOf(name.secondIndex, ReadingRole::Family)};
    }
    return {parts[0], parts[1]};
}

std::string FullNamePinyin(const FamilyName& family, std::uint32_t first, std::uint32_t second) {
    std::string out = FamilyNameReadingOf(family);
    for (std::uint32_t index : {first, second}) {
        if (index < DictionarySize) {
            out += " " + ReadingOf(index, ReadingRole::Given);
        }
    }
    return out;
}

std::string PolyphoneNote(std::uint32_t index) {
    const std::vector<std::string> common = CommonReadingsOf(index);
    if (common.size() < 2) {
        return {};
    }
    const std::string name = ReadingOf(index, ReadingRole::Given);
    std::vector<std::string> others;
    for (const std::string& reading : common) {
        // No name is read in the neutral tone (子 zǐ, never zi).
        if (reading != name && SyllableOf(reading).Tone != 0) {
            others.push_back(reading);
        }
    }
    if (others.empty()) {
        return {};
    }
    return std::string(CharacterText(index)) + " 在名字中通常读 " + name + "，也读 " +
           Join(others, "、") + "。";
}

}  // namespace lumivane
