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

QValidator::State GbkLengthValidator::validate(QString& input, int& pos) const {
    const std::string text = input.toStdString();
    if (std::string message = GbkRejectionMessage(text); !message.empty()) {
        m_lastRejection = QString::fromStdString(message);
        return Invalid;
    }
    // Blanks at the ends are trimmed when the text is used, so they take no room.
    const std::string trimmed = TrimBlanks(text);
    if (GbkByteLength(QString::fromStdString(trimmed)) <= m_maxBytes) {
        return Acceptable;
    }
    // Too long: keep the whole characters that fit, from the start.
    std::string kept;
    int bytes = 0;
    for (const std::string& character : SplitCharacters(trimmed)) {
        const int size = static_cast<int>(Utf8ToGbk(character).text.size());
        if (bytes + size > m_maxBytes) {
            break;
        }
        bytes += size;
        kept += character;
    }
    input = QString::fromStdString(kept);
    pos = std::min(pos, static_cast<int>(input.size()));
    return Acceptable;
}

}  // namespace lumivane::gui
