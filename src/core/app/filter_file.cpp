#include "core/app/filter_file.h"

#include <charconv>

#include "core/app/json_reader.h"
#include "core/naming/filter_controls.h"
#include "core/naming/filter_dialog_rules.h"
#include "core/platform/file_io.h"

namespace lumivane {
namespace {

std::optional<long long> WholeInteger(const std::string& text) {
    long long value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<long long> IntegerOf(const JsonScalar& value) {
    if (value.kind == JsonScalar::Kind::Boolean) {
        return value.boolean ? 1 : 0;
    }
    if (value.kind == JsonScalar::Kind::Number || value.kind == JsonScalar::Kind::String) {
        return WholeInteger(value.text);
    }
    return std::nullopt;
}

}  // namespace

FilterFileRead ReadFilterFile(const std::filesystem::path& path, int nameLengthIndex) {
    FilterFileRead result;
    const std::string name = path.string();
    FileReadResult read = ReadFileBytes(path, false, kFilterFileMaxBytes);
    if (!read.ok()) {
        result.error = "无法读取筛选条件文件：" + read.error;
        return result;
    }
    std::string error;
    auto object = ParseFlatJsonObject(read.bytes, error);
    if (!object) {
        result.error = name + "：" + error;
        return result;
    }
    FilterSet filters;
    // The spin boxes and lists are checked once all are read: a radical
    // position depends on the stroke count of its row.
    for (const auto& [key, value] : *object) {
        if (key == "strokeKind") {
            if (value.text == "simplified" || value.text == "rg_Jiti") {
                filters.strokeKind = StrokeKind::Simplified;
            } else if (value.text == "kangxi" || value.text == "rg_fanti") {
                filters.strokeKind = StrokeKind::Kangxi;
            } else {
                result.error = name + "：strokeKind 只能是 \"simplified\" 或 \"kangxi\"";
                return result;
            }
            continue;
        }
        const FilterControl* control = FindFilterControl(key);
        if (control == nullptr) {
            result.error = name + "：没有名为 \"" + key + "\" 的筛选控件";
            return result;
        }
        switch (control->kind) {
            case FilterControlKind::CheckBox: {
                auto n = IntegerOf(value);
                if (!n || (*n != 0 && *n != 1)) {
                    result.error = name + "：" + key + " 只能是 0 或 1（或 true、false）";
                    return result;
                }
                filters.*(control->check) = *n == 1;
                break;
            }
            case FilterControlKind::TextBox:
                if (value.kind != JsonScalar::Kind::String) {
                    result.error = name + "：" + key + " 必须是文字";
                    return result;
                }
                filters.*(control->text) = value.text;
                break;
            case FilterControlKind::SpinBox:
            case FilterControlKind::ComboBox: {
                auto n = IntegerOf(value);
                if (!n) {
                    result.error = name + "：" + key + " 必须是整数";
                    return result;
                }
                // A list position depends on its row's stroke count, so
                // AcceptFilters checks the lists once all are read; here only
                // what could not even be held.
                std::string message;
                if (control->kind == FilterControlKind::SpinBox) {
                    message = FilterValueError(filters, *control, *n);
                } else if (*n < -1 || *n > 999) {
                    message = key + " 不是列表中的位置：“" + value.text + "”";
                }
                if (!message.empty()) {
                    result.error = name + "：" + message;
                    return result;
                }
                filters.*(control->number) = static_cast<int>(*n);
                break;
            }
        }
    }
    FilterAcceptance accepted = AcceptFilters(filters, nameLengthIndex);
    if (!accepted.ok()) {
        result.error = name + "：" + accepted.error;
        return result;
    }
    result.filters = accepted.filters;
    return result;
}

}  // namespace lumivane
