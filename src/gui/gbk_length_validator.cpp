#include "gui/gbk_length_validator.h"

#include <algorithm>
#include <string>

#include "core/text/characters.h"
#include "core/text/gbk.h"

namespace lumivane::gui {

GbkLengthValidator::GbkLengthValidator(int maxBytes, QObject* parent)
    : QValidator(parent), m_maxBytes(maxBytes) {}

QValidator::State GbkLengthValidator::validate(QString& input, int& pos) const {
    const std::string text = input.toStdString();
    if (std::string message = GbkRejectionMessage(text); !message.empty()) {
        m_lastRejection = QString::fromStdString(message);
        return Invalid;
    }
    // Blanks at the ends are trimmed when the text is used, so they take no room.
    const std::string trimmed = TrimBlanks(text);
    const auto limit = static_cast<std::size_t>(m_maxBytes);
    if (GbkByteLength(trimmed) <= limit) {
        return Acceptable;
    }
    // Too long: keep the whole characters that fit, from the start.
    input = QString::fromStdString(GbkPrefixThatFits(trimmed, limit));
    pos = std::min(pos, static_cast<int>(input.size()));
    return Acceptable;
}

}  // namespace lumivane::gui
