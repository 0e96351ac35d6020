#include "gui/gbk_length_validator.h"

#include <string>

#include "core/text/characters.h"
#include "core/text/gbk.h"

namespace lumivane::gui {

GbkLengthValidator::GbkLengthValidator(int maxBytes, QObject* parent)
    : QValidator(parent), m_maxBytes(maxBytes) {}

int GbkLengthValidator::GbkByteLength(const QString& text) {
    int bytes = 0;
    for (const std::string& character : SplitCharacters(text.toStdString())) {
        ConversionResult gbk = Utf8ToGbk(character);
        bytes += gbk.ok() ? static_cast<int>(gbk.text.size()) : 2;
    }
    return bytes;
}

QValidator::State GbkLengthValidator::validate(QString& input, int& /*pos*/) const {
    return GbkByteLength(input) <= m_maxBytes ? Acceptable : Invalid;
}

}  // namespace lumivane::gui
