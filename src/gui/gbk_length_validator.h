#pragma once
// Limits a text box to GBK text of a number of bytes, as the family-name box
// (6) and the fixed-character boxes of the filter dialog (2) are limited.
// A character GBK cannot hold (한, 𠀀) is refused as it is typed or pasted;
// a longer text (pasted, or restored from the settings) is cut to the whole
// characters that fit, so a family name keeps its first three characters.
// Blanks at either end take no room: the text is trimmed where it is used.

#include <QValidator>

namespace lumivane::gui {

class GbkLengthValidator final : public QValidator {
    Q_OBJECT
public:
    GbkLengthValidator(int maxBytes, QObject* parent);
    State validate(QString& input, int& pos) const override;
    // Why the last refused input was refused, for the user.
    [[nodiscard]] QString LastRejection() const { return m_lastRejection; }

private:
    int m_maxBytes;
    mutable QString m_lastRejection;
};

}  // namespace lumivane::gui
