#pragma once
// Limits a text box to a number of GBK bytes, as the family-name box (6) and the
// fixed-character boxes of the filter dialog (2) are limited. A character that
// GBK cannot hold counts two bytes here; the request rejects it with a message.

#include <QValidator>

namespace lumivane::gui {

class GbkLengthValidator final : public QValidator {
    Q_OBJECT
public:
    GbkLengthValidator(int maxBytes, QObject* parent);
    State validate(QString& input, int& pos) const override;
    [[nodiscard]] static int GbkByteLength(const QString& text);

private:
    int m_maxBytes;
};

}  // namespace lumivane::gui
